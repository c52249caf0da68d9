#include "CliDirTest.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

class GenerateCommandTest : public CliDirTest {};

} // namespace

TEST_F(GenerateCommandTest, SquareOfFourMembersReadsBackThroughInfo) {
    ASSERT_EQ(
        Run({"generate", "polygon", "--radius", "10", "--members", "4", "-o", "sq.txt"}).exitCode,
        0);
    const SCliRun info = Run({"info", "sq.txt"});
    ASSERT_EQ(info.exitCode, 0) << info.Err().toStdString();
    const QStringList members = info.Out().split('\n').filter("member: ");
    ASSERT_EQ(members.size(), 4);
    const char* expected[] = {"XX0\tXX0\t60\t50", "XX1\tXX1\t50\t60", "XX2\tXX2\t40\t50",
                              "XX3\tXX3\t50\t40"};
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(members[i].startsWith(QString("member: ") + expected[i]))
            << members[i].toStdString();
    EXPECT_FALSE(QFile::exists(Path("quelta.log"))) << "no log without --log";
}

TEST_F(GenerateCommandTest, EveryKindWritesAScenarioTheOtherCommandsRead) {
    const struct {
        QStringList arguments;
        const char* name;
        int members;
    } cases[] = {
        {{"bargain"}, "Bargain", 2},
        {{"polygon", "--type", "city block"}, "Regular Polygon Model", 5},
        {{"montecarlo", "--members", "30", "--seed", "-5", "--name", "Study 1"}, "Study 1", 30},
        {{"montecarlo", "--members", "8", "--distribution", "normal", "--mean", "50,60", "--spread",
          "10,5"},
         "MonteCarlo",
         8},
    };
    for (const auto& c : cases) {
        QStringList arguments = QStringList{"generate"} + c.arguments + QStringList{"-o", "g.txt"};
        const SCliRun run = Run(arguments);
        ASSERT_EQ(run.exitCode, 0) << c.name << run.Err().toStdString();
        const QJsonObject info = Run({"info", "g.txt", "--json"}).Json();
        EXPECT_EQ(info["name"].toString(), c.name);
        EXPECT_EQ(info["members"].toArray().size(), c.members) << c.name;
    }
    // A scenario without members is written in full, though the format reads back only
    // scenarios with members.
    ASSERT_EQ(Run({"generate", "whiteboard", "-o", "w.txt"}).exitCode, 0);
    EXPECT_TRUE(Contents("w.txt").contains("\nScenario\tWhiteboard\n"));
}

TEST_F(GenerateCommandTest, MonteCarloWithTheSameSeedIsRepeatable) {
    const QStringList arguments = {"generate", "montecarlo", "--members", "50", "--seed", "7"};
    ASSERT_EQ(Run(arguments + QStringList{"-o", "a.txt"}).exitCode, 0);
    ASSERT_EQ(Run(arguments + QStringList{"-o", "b.txt"}).exitCode, 0);
    EXPECT_EQ(Contents("a.txt"), Contents("b.txt"));
    ASSERT_EQ(
        Run({"generate", "montecarlo", "--members", "50", "--seed", "-8", "-o", "c.txt"}).exitCode,
        0);
    EXPECT_NE(Contents("a.txt"), Contents("c.txt"));
}

TEST_F(GenerateCommandTest, BadSettingsAreRefusedWithAClearMessage) {
    const struct {
        QStringList arguments;
        int exitCode;
        const char* message;
    } cases[] = {
        {{"polygon", "--members", "2"}, 2, "\"Number of Members\" must be an integer from 3"},
        {{"polygon", "--radius", "101"}, 2, "\"Radial Distance\" must be a number from 0 to 100"},
        {{"polygon", "--type", "spiral"}, 2, "\"Default Preference Model\" must be"},
        {{"montecarlo", "--members", "1000000000"}, 2, "must be an integer from 0 to 100000"},
        {{"montecarlo", "--members", "5", "--distribution", "normal", "--spread", "-1,2"},
         2,
         "\"Std Dev\" must be a number of 0 or more"},
        {{"montecarlo", "--members", "5", "--distribution", "normal", "--mean", "50,1e9",
          "--spread", "1,1", "--draws", "10000"},
         1,
         "Only 0 of 5 members fell inside the scale box in 10000 draws"},
        {{"montecarlo", "--members", "many"}, 2, "--members takes a whole number"},
        {{"triangle"}, 2, "usage:"},
    };
    for (const auto& c : cases) {
        const SCliRun run = Run(QStringList{"generate"} + c.arguments + QStringList{"-o", "x.txt"});
        EXPECT_EQ(run.exitCode, c.exitCode) << c.message;
        EXPECT_TRUE(run.Err().contains(c.message)) << run.Err().toStdString();
        EXPECT_FALSE(QFile::exists(Path("x.txt"))) << c.message;
    }
    EXPECT_EQ(Run({"generate", "polygon"}).exitCode, 2) << "-o is required";
}

TEST_F(GenerateCommandTest, SettingsFileIsTheStartingPoint) {
    QFile settings(Path("mc.txt"));
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write("Unified\n6\n-3\n0.000000\n0.000000\n0.000000\n0.000000\n1\n1\n1\n");
    settings.close();
    ASSERT_EQ(Run({"generate", "montecarlo", "--settings", "mc.txt", "-o", "m.txt"}).exitCode, 0);
    const QJsonArray members = Run({"info", "m.txt", "--json"}).Json()["members"].toArray();
    ASSERT_EQ(members.size(), 6);
    EXPECT_EQ(members[0].toObject()["type"].toInt(), 1);
}

TEST_F(GenerateCommandTest, AConfigurationFileThatCannotBeReadFailsAsInEveryCommand) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.cfg"));
    for (const char* config : {"missing.cfg", "folder.cfg"}) {
        SCOPED_TRACE(config);
        const SCliRun generated =
            Run({"generate", "whiteboard", "--config", config, "-o", "w.txt"});
        const SCliRun concepts = Run({"concepts", ExamplePath("five.txt"), "--config", config});
        for (const SCliRun& run : {generated, concepts}) {
            EXPECT_EQ(run.exitCode, 1) << "the work failed, as for a scenario file not found";
            EXPECT_EQ(run.Err(),
                      QString("quelta-cli: cannot read the configuration file %1\n").arg(config));
        }
        EXPECT_FALSE(QFile::exists(Path("w.txt")));
    }
}
