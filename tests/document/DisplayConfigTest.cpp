#include "document/DisplayConfig.h"

#include "document/TextLines.h"

#include <clocale>
#include <cstdio>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace {

DisplayConfig ReadText(const std::string& text, DisplayConfig config = DisplayConfig()) {
    CLineReader reader(SplitLines(text));
    config.ReadConfigSections(reader);
    return config;
}

std::string WrittenText(const DisplayConfig& config) {
    std::string out;
    config.WriteConfigSections(out);
    return out;
}

bool IsWrittenKey(const std::string& key) {
    return key != "lpSpoke" && key != "lbSpoke";
}

// A value text for the key at `index` that differs from every default: numbers that no default
// uses, colour components kept within 0 to 255.
std::string DistinctValue(size_t index) {
    std::string value = std::to_string(index + 2) + ".5";
    for (size_t i = 1; i < 7; ++i)
        value += "," + std::to_string((index * 7 + i * 31) % 200 + 2);
    return value;
}

// Every key, including the trailing graphics flag and the keys with older names, set to a
// value of its own.
DisplayConfig EveryKeyChanged() {
    DisplayConfig config;
    const auto keys = DisplayConfig::KeyNames();
    for (size_t i = 0; i < keys.size(); ++i)
        EXPECT_TRUE(config.SetValue(keys[i], DistinctValue(i))) << keys[i];
    return config;
}

} // namespace

TEST(DisplayConfigTest, WrittenDefaultsMatchTheReferenceBlock) {
    std::string expected, cause;
    ASSERT_TRUE(ReadTextFile(QUELTA_TEST_DATA "/config/defaults.cfg", expected, cause)) << cause;
    EXPECT_EQ(WrittenText(DisplayConfig()), expected);
}

TEST(DisplayConfigTest, EveryKeySetsItsOwnFieldOnly) {
    const DisplayConfig defaults;
    const auto keys = DisplayConfig::KeyNames();
    for (size_t i = 0; i < keys.size(); ++i) {
        DisplayConfig config;
        ASSERT_TRUE(config.SetValue(keys[i], DistinctValue(i)));
        EXPECT_NE(config.GetValue(keys[i]), defaults.GetValue(keys[i])) << keys[i];
        for (const std::string& other : keys) {
            if (other != keys[i]) {
                EXPECT_EQ(config.GetValue(other), defaults.GetValue(other))
                    << "setting " << keys[i] << " changed " << other;
            }
        }
    }
}

TEST(DisplayConfigTest, WrittenBlockReadsBackEveryWrittenKey) {
    DisplayConfig source = EveryKeyChanged();
    source.flagCoalition = 1;
    source.flagReportCore = 0;
    const DisplayConfig restored = ReadText(WrittenText(source));
    for (const std::string& key : DisplayConfig::KeyNames()) {
        if (IsWrittenKey(key))
            EXPECT_EQ(restored.GetValue(key), source.GetValue(key)) << key;
        else
            EXPECT_EQ(restored.GetValue(key), DisplayConfig().GetValue(key)) << key;
    }
    // Switches that are never written keep the reading record's own values.
    EXPECT_EQ(restored.flagCoalition, 0);
    EXPECT_EQ(restored.flagReportCore, 1);
    // Written then read again, the text is unchanged.
    EXPECT_EQ(WrittenText(restored), WrittenText(source));
}

TEST(DisplayConfigTest, ReaderHandlesMarkersKeysAndValues) {
    struct SCase {
        const char* name;
        std::string text;
        std::function<void(const DisplayConfig&)> check;
    };
    const SCase cases[] = {
        {"empty text keeps every default", "",
         [](const DisplayConfig& c) { EXPECT_EQ(c, DisplayConfig()); }},
        {"lower-case begin marker, end marker after blanks",
         "display flags begin\nflagGrid\t1\n  \tDISPLAY FLAGS END\nflagCore\t1\n",
         [](const DisplayConfig& c) {
             EXPECT_EQ(c.flagGrid, 1);
             EXPECT_EQ(c.flagCore, 0) << "a line after the end marker belongs to no section";
         }},
        {"a section without its end marker consumes the rest",
         "LABEL PARAMETERS BEGIN\nflagLabelVote\t1\nALGORITHM PARAMETERS BEGIN\nnCore\t7\n"
         "flagLabelNameLast\t0\n",
         [](const DisplayConfig& c) {
             EXPECT_EQ(c.flagLabelVote, 1);
             EXPECT_EQ(c.nCore, 60) << "the algorithm marker lies inside the label section";
             EXPECT_EQ(c.flagLabelNameLast, 0);
         }},
        {"short lines leave missing values 0",
         "GRAPHICS PARAMETERS BEGIN\nlpCore\t2\nszChart\t300\nlfTitle\tCourier\ncolorDefault\n",
         [](const DisplayConfig& c) {
             EXPECT_EQ(c.lpCore, (SPenSpec{2, 0, 0}));
             EXPECT_EQ(c.szChart, (SSizeSpec{300, 0}));
             EXPECT_EQ(c.lfTitle, (SFontSpec{"Courier", 0, 0, 0, 0}));
             EXPECT_EQ(c.colorBackground, MakeRgb(255, 255, 255));
             EXPECT_EQ(c.colorDefault, 0u);
         }},
        {"keys compare without case; older names still read",
         "DISPLAY FLAGS BEGIN\nFLAGGRID\t1\nflagucset\t1\nflagWinSetCapture\t1\n"
         "DISPLAY FLAGS END\nGRAPHICS PARAMETERS BEGIN\nlpmember\t1\t3\t10\t20\t30\n"
         "LBSPOKE\t2\t4\t1\t2\t3\nGRAPHICS PARAMETERS END\n"
         "ALGORITHM PARAMETERS BEGIN\nnchains\t9\nALGORITHM PARAMETERS END\n",
         [](const DisplayConfig& c) {
             EXPECT_EQ(c.flagGrid, 1);
             EXPECT_EQ(c.flagUncoveredSet, 1);
             EXPECT_EQ(c.flagWinSetCap, 1);
             EXPECT_EQ(c.lpPlayer, (SPenSpec{1, 3, MakeRgb(10, 20, 30)}));
             EXPECT_EQ(c.lbSpoke, (SBrushSpec{2, 4, MakeRgb(1, 2, 3)}));
             EXPECT_EQ(c.nChain, 9);
         }},
        {"keys of another section, comments and text outside sections are ignored",
         "nCore\t1\nDISPLAY FLAGS BEGIN\n# flagGrid\t1\nnCore\t2\n  flagVeto\t1\t\textra\n"
         "\nunknownKey\t5\nDISPLAY FLAGS END\n",
         [](const DisplayConfig& c) {
             EXPECT_EQ(c.nCore, 60);
             EXPECT_EQ(c.flagGrid, 0);
             EXPECT_EQ(c.flagVeto, 1);
         }},
        {"numbers read as the C library does",
         "ALGORITHM PARAMETERS BEGIN\nnCore\t 12abc\nnChain\t3.9\ndBOD\t1.5e1\ndProb\tx\n"
         "nResolution\t99999999999\nALGORITHM PARAMETERS END\n"
         "GRAPHICS PARAMETERS BEGIN\ncolorHist\t300\t-4\t7\nGRAPHICS PARAMETERS END\n",
         [](const DisplayConfig& c) {
             EXPECT_EQ(c.nCore, 12);
             EXPECT_EQ(c.nChain, 3);
             EXPECT_EQ(c.dBOD, 15.0);
             EXPECT_EQ(c.dProb, 0.0);
             EXPECT_EQ(c.nResolution, 2147483647) << "held to the 32-bit range";
             EXPECT_EQ(c.colorHist, MakeRgb(255, 0, 7)) << "components held to 0..255";
         }},
    };
    for (const SCase& testCase : cases) {
        SCOPED_TRACE(testCase.name);
        testCase.check(ReadText(testCase.text));
    }
}

TEST(DisplayConfigTest, NonNumericFlagValueClearsTheFlag) {
    DisplayConfig config;
    config.flagGrid = 1;
    config = ReadText("DISPLAY FLAGS BEGIN\nflagGrid\tabc\nDISPLAY FLAGS END\n", config);
    EXPECT_EQ(config.flagGrid, 0);
}

TEST(DisplayConfigTest, LoadConfigFileRestoresDefaultsBeforeReading) {
    char pattern[] = "/tmp/quelta_cfg_XXXXXX";
    const int fd = mkstemp(pattern);
    ASSERT_GE(fd, 0);
    const std::string text = "GRAPHICS PARAMETERS BEGIN\r\nszChart\t640\t480\r\n";
    ASSERT_EQ(write(fd, text.data(), text.size()), static_cast<ssize_t>(text.size()));
    close(fd);

    DisplayConfig config;
    config.flagGrid = 1;
    EXPECT_TRUE(config.LoadConfigFile(pattern));
    EXPECT_EQ(config.szChart, (SSizeSpec{640, 480}));
    EXPECT_EQ(config.flagGrid, 0);

    std::remove(pattern);
    EXPECT_FALSE(config.LoadConfigFile(pattern)) << "a missing file is silent";
    EXPECT_EQ(config, DisplayConfig());
}

TEST(DisplayConfigTest, SetValueTakesCommaOrTabSeparatedValues) {
    DisplayConfig config;
    EXPECT_TRUE(config.SetValue("NUNCOVEREDSET", "10"));
    EXPECT_TRUE(config.SetValue("lfLegend", "Times,9,700,1,1,2,3"));
    EXPECT_TRUE(config.SetValue("szPoint", "7\t9"));
    EXPECT_TRUE(config.SetValue("dCopeland", "0.25"));
    EXPECT_FALSE(config.SetValue("flagNothing", "1"));
    EXPECT_EQ(config.nUncoveredSet, 10);
    EXPECT_EQ(config.lfLegend, (SFontSpec{"Times", 9, 700, 1, MakeRgb(1, 2, 3)}));
    EXPECT_EQ(config.szPoint, (SSizeSpec{7, 9}));
    EXPECT_EQ(config.dCopeland, 0.25);
    EXPECT_EQ(config.GetValue("lfLegend"), "Times\t9\t700\t1\t1\t2\t3");
}

TEST(DisplayConfigTest, NumbersKeepAPointUnderACommaLocale) {
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    const char* commaLocale = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"})
        if (std::setlocale(LC_ALL, name)) {
            commaLocale = name;
            break;
        }
    if (!commaLocale)
        GTEST_SKIP() << "no locale with a decimal comma is installed";

    DisplayConfig config;
    config.dBOD = 2.5;
    const std::string written = WrittenText(config);
    const DisplayConfig read =
        ReadText("ALGORITHM PARAMETERS BEGIN\ndProb\t0.75\nALGORITHM PARAMETERS END\n");
    std::setlocale(LC_ALL, previous.c_str());

    EXPECT_NE(written.find("dBOD\t2.500000\n"), std::string::npos) << commaLocale;
    EXPECT_EQ(read.dProb, 0.75) << commaLocale;
}
