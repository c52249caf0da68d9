// Seeded fuzzing of the inputs users hand the system: scenario files, configuration blocks,
// BASIC programs and quelta-cli options. Every input is derived from a seed of the corpus by
// the seeded mutator; a finding names the seed and the input number that reproduce it. How to
// run it longer is in tests/fuzz/README.
#include "../cli/CliRunner.h"
#include "FuzzBudget.h"
#include "FuzzMutator.h"
#include "document/ConfigBounds.h"
#include "document/DisplayConfig.h"
#include "document/QueltaDoc.h"
#include "document/ScenarioFile.h"
#include "document/TextLines.h"
#include "model/VotingGame.h"
#include "platform/HeadlessPlatform.h"
#include "platform/TextUtil.h"
#include "script/BasicInterpreter.h"
#include "script/ScriptInterrupt.h"
#include "script/ScriptText.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <thread>

namespace {

std::string FileText(const std::string& path) {
    std::string text, cause;
    ReadTextFile(path, text, cause);
    return text;
}

/// Every file of a corpus folder, and those of the examples whose name ends in `examples`.
std::vector<std::string> Corpus(const QString& folder, const QString& examples = QString()) {
    std::vector<std::string> seeds;
    QDir own(QString(QUELTA_FUZZ_CORPUS "/") + folder);
    for (const QString& name : own.entryList(QDir::Files))
        seeds.push_back(FileText(own.filePath(name).toStdString()));
    if (!examples.isEmpty())
        for (const QString& name : QDir(QUELTA_EXAMPLES).entryList({"*" + examples}, QDir::Files))
            seeds.push_back(FileText(QDir(QUELTA_EXAMPLES).filePath(name).toStdString()));
    return seeds;
}

void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

void Report(const char* target, std::uint64_t tried, std::uint64_t skipped, std::uint64_t seed) {
    std::printf("[ fuzz     ] %s: %llu inputs tried, %llu set aside (seed %llu)\n", target,
                static_cast<unsigned long long>(tried), static_cast<unsigned long long>(skipped),
                static_cast<unsigned long long>(seed));
}

/// Runs `check` on every input the budget allows, under a recording platform, reports the count
/// and gives the inputs tried; `check` answers false for an input it set aside.
template <typename TCheck>
std::uint64_t ForEachInput(const char* target, const SFuzzBudget& budget, CFuzzMutator& mutator,
                           TCheck check) {
    CRecordingPlatform platform;
    CScopedPlatform scope(platform);
    std::uint64_t index = 0, skipped = 0;
    for (const auto start = Clock::now(); budget.Continue(index, start); ++index) {
        const std::string text = mutator.Input(budget.seed, index);
        SCOPED_TRACE("seed " + std::to_string(budget.seed) + " input " + std::to_string(index));
        skipped += check(text) ? 0 : 1;
        platform.Clear();
    }
    Report(target, index - skipped, skipped, budget.seed);
    EXPECT_GE(index, budget.Least()) << target;
    EXPECT_GE(index - skipped, index / 2) << target << ": most inputs are tried, not set aside";
    return index - skipped;
}

/// Whether a number of the input reaches past 1e150: a scale that wide has cells whose area
/// overflows a double, so areas come out infinite. Such inputs are set aside until the readers
/// bound the scales; members far away and tiny scales go through.
bool Astronomical(const std::string& text) {
    const char* p = text.c_str();
    while (*p) {
        char* end = nullptr;
        const double value = std::strtod(p, &end);
        if (end == p) {
            ++p;
            continue;
        }
        if (std::isfinite(value) && std::fabs(value) > 1e150)
            return true;
        p = end;
    }
    return false;
}

/// Whether a scenario input keeps to charts of a quick run and to numbers a cell's area can
/// hold: a chart larger than 1000 pixels either way (the size lines of a configuration block)
/// costs seconds per input in the vote grid alone, so such inputs are set aside.
bool WithinReach(const std::string& text) {
    if (Astronomical(text))
        return false;
    for (const std::string& line : SplitLines(text)) {
        const std::vector<std::string> fields = SplitTabs(line, 8);
        if (fields.size() > 1 && EqualsNoCase(Trim(fields[0]), "szChart"))
            for (size_t i = 1; i < fields.size(); ++i)
                if (std::fabs(std::atof(fields[i].c_str())) > 1000.0)
                    return false;
    }
    return true;
}

/// The scenario text of a file read into a fresh document with a small chart, or nothing.
std::optional<std::string> ReadAndWrite(const std::string& path, const std::string& config,
                                        const std::string& out, size_t& members) {
    CQueltaDoc doc;
    doc.SetConfigPath(config);
    if (!ReadScenarioFile(doc, path))
        return std::nullopt;
    members = doc.Game().Members().size();
    EXPECT_TRUE(std::isfinite(doc.Game().GetWinSetArea())) << FileText(path);
    // Written without the safe writer's flush to disk, which would take most of the time.
    doc.SetPathName(out);
    const std::string text = ScenarioText(doc);
    WriteFile(out, text);
    return text;
}

} // namespace

TEST(FuzzDriverTest, ScenarioFilesReadSaveAndReadBackTheSame) {
    const SFuzzBudget budget(400, 20, 40);
    CFuzzMutator mutator(Corpus("scenario", ".txt"), {"\t",
                                                      "\n",
                                                      "\r",
                                                      "\r\n",
                                                      " ",
                                                      ",",
                                                      ";",
                                                      "#",
                                                      "\xEF\xBB\xBF",
                                                      "Player\t",
                                                      "GAME PARAMETERS BEGIN\n",
                                                      "GAME PARAMETERS END\n",
                                                      "Dimension\t",
                                                      "Group\t",
                                                      "Decision Rule\t",
                                                      "Status Quo\t",
                                                      "Proposal\t",
                                                      "ALGORITHM PARAMETERS BEGIN\n",
                                                      "szChart\t",
                                                      "nCore\t",
                                                      "X\tX\t"});
    QTemporaryDir dir;
    const std::string input = dir.filePath("input.txt").toStdString();
    const std::string config = dir.filePath("small.cfg").toStdString();
    const std::string first = dir.filePath("first.txt").toStdString();
    const std::string second = dir.filePath("second.txt").toStdString();
    WriteFile(config, "GRAPHICS PARAMETERS BEGIN\nszChart\t60\t60\nGRAPHICS PARAMETERS END\n");
    std::uint64_t readBack = 0;
    const std::uint64_t tried =
        ForEachInput("scenario files", budget, mutator, [&](const std::string& text) {
            if (!WithinReach(text))
                return false;
            WriteFile(input, text);
            size_t readMembers = 0, savedMembers = 0, againMembers = 0;
            if (!ReadAndWrite(input, config, first, readMembers))
                return true;
            ++readBack;
            // Whatever the writer wrote, the reader reads; after one pass nothing changes any more.
            const auto saved = ReadAndWrite(first, config, second, savedMembers);
            const auto again = saved ? ReadAndWrite(second, config, first, againMembers) : saved;
            if (!saved || !again) {
                ADD_FAILURE() << "a saved file does not read back:\n" << text;
                return true;
            }
            EXPECT_EQ(savedMembers, readMembers) << text;
            EXPECT_EQ(*again, *saved) << text;
            return true;
        });
    // Inputs the reader refuses count as tried; the saving and reading back must have run on
    // a good share of them all the same.
    std::printf("[ fuzz     ] scenario files: %llu read, saved and read back\n",
                static_cast<unsigned long long>(readBack));
    EXPECT_GE(readBack * 4, tried) << "a quarter of the scenario files tried read";
}

TEST(FuzzDriverTest, ConfigurationBlocksStayInBoundsAndReadBackTheSame) {
    const SFuzzBudget budget(3000, 10, 300);
    CFuzzMutator mutator(Corpus("config"), {"\t", "\n", "\r", "#", " ", "DISPLAY FLAGS BEGIN\n",
                                            "DISPLAY FLAGS END\n", "GRAPHICS PARAMETERS END\n",
                                            "ALGORITHM PARAMETERS BEGIN\n", "szChart\t",
                                            "szPoint\t", "nUncoveredSet\t", "nSchattschneiderSet\t",
                                            "lfLabel\t", "\x01", "nchains\t", "dBOD\t"});
    ForEachInput("configuration blocks", budget, mutator, [](const std::string& text) {
        DisplayConfig config;
        CLineReader reader(SplitLines(text));
        config.ReadConfigSections(reader);
        for (const std::string& key : DisplayConfig::KeyNames())
            EXPECT_EQ(ConfigValueProblem(config, key), "") << text;
        std::string written;
        config.WriteConfigSections(written);
        DisplayConfig copy = config;
        CLineReader back(SplitLines(written));
        copy.ReadConfigSections(back);
        std::string again;
        copy.WriteConfigSections(again);
        EXPECT_EQ(again, written) << text;
        return true;
    });
}

namespace {

/// Interrupts a script that runs longer than a second, as Ctrl-C would.
class CWatchdog {
public:
    CWatchdog()
        : m_thread([this] {
              std::unique_lock lock(m_mutex);
              if (!m_done.wait_for(lock, std::chrono::seconds(1), [this] { return m_finished; }))
                  RequestScriptInterrupt();
          }) {}
    ~CWatchdog() {
        {
            std::lock_guard lock(m_mutex);
            m_finished = true;
        }
        m_done.notify_one();
        m_thread.join();
        ClearScriptInterrupt();
    }
    CWatchdog(const CWatchdog&) = delete;
    CWatchdog& operator=(const CWatchdog&) = delete;

private:
    std::mutex m_mutex;
    std::condition_variable m_done;
    bool m_finished = false;
    std::thread m_thread;
};

} // namespace

TEST(FuzzDriverTest, ScriptsEndWithAMessageWithinTheirBudget) {
    const SFuzzBudget budget(2000, 20, 100);
    CFuzzMutator mutator(
        Corpus("script", ".bas"),
        {" ",        "\n",     "\r",      "\"",     "(",      ")",     ",",
         ";",        ":",      "$",       "PRINT ", "LET ",   "GOTO ", "FOR I = 1 TO ",
         " STEP ",   "NEXT I", "DIM A$(", "DIM B(", "INPUT ", "IF ",   " THEN ",
         "STRING$(", "MID$(",  "INSTR(",  "SQRT(",  "LN(",    "RND(",  "SEED(",
         "-",        "/",      "^",       "10 ",    "20 "});
    ForEachInput("scripts", budget, mutator, [](const std::string& text) {
        CScriptTextBuffer input("first\nsecond line\n");
        CScriptTextBuffer output;
        CBasicInterpreter interpreter;
        interpreter.SetMemoryBudget(std::size_t{64} << 20);
        interpreter.Attach(nullptr, &input, &output);
        {
            const CWatchdog watchdog;
            interpreter.Run(ScriptProgramText(text));
        }
        if (interpreter.LastFailed()) {
            EXPECT_FALSE(output.Text().empty()) << "a failed run says why: " << text;
        }
        return true;
    });
}

namespace {

/// Whether a command line keeps to charts of a quick run (see WithinReach): neither --chart nor
/// a szChart setting asks for more than 1000 pixels either way.
bool OptionsWithinReach(const QStringList& arguments) {
    for (qsizetype i = 0; i + 1 < arguments.size(); ++i) {
        const QString& value = arguments[i + 1];
        const bool chart =
            arguments[i] == "--chart" ||
            (arguments[i] == "--set" && value.startsWith("szChart", Qt::CaseInsensitive));
        if (!chart)
            continue;
        for (const QString& part : value.section('=', -1).split(QRegularExpression("[x,]")))
            if (std::fabs(part.toDouble()) > 1000.0)
                return false;
    }
    return !Astronomical(arguments.join(' ').toStdString());
}

} // namespace

TEST(FuzzDriverTest, CommandLineOptionsGiveAnExitCodeAndFiniteValues) {
    const SFuzzBudget budget(60, 45, 10);
    std::vector<std::string> corpus;
    for (const std::string& line : SplitLines(FileText(QUELTA_FUZZ_CORPUS "/options/options.txt")))
        corpus.push_back(line);
    CFuzzMutator mutator(corpus, {" ", ",", "x", "=", "--set ", "--chart ", "--sq ", "--rule ",
                                  "--zoom ", "nan", "inf", "-", "."});
    const QStringList scenarios = {ExamplePath("triangle.txt"), ExamplePath("five.txt"),
                                   ExamplePath("points-xy.txt")};
    std::uint64_t index = 0, skipped = 0;
    for (const auto start = Clock::now(); budget.Continue(index, start); ++index) {
        QStringList arguments = QString::fromStdString(mutator.Input(budget.seed, index) + " " +
                                                       mutator.Input(budget.seed + 1, index))
                                    .split(' ', Qt::SkipEmptyParts);
        if (!OptionsWithinReach(arguments)) {
            ++skipped;
            continue;
        }
        arguments = QStringList{"concepts", scenarios[static_cast<qsizetype>(index % 3)], "--only",
                                "vote,winset,quotalines,petals,coalition,yolk,pareto,core,"
                                "copeland,borda,power,schattschneider"} +
                    arguments;
        const SCliRun run = RunCli(arguments);
        const std::string trace = arguments.join(' ').toStdString() + "\n" + run.err.toStdString();
        EXPECT_TRUE(run.exitCode >= 0 && run.exitCode <= 2) << trace;
        EXPECT_FALSE(run.Err().contains("runtime error") || run.Err().contains("Sanitizer"))
            << trace;
        for (const QString& word : run.Out().split(QRegularExpression("[\\s:]+")))
            EXPECT_FALSE(word == "nan" || word == "-nan" || word == "inf" || word == "-inf")
                << trace;
        if (run.exitCode == 2) {
            EXPECT_TRUE(run.out.isEmpty()) << trace;
        }
    }
    Report("command lines", index - skipped, skipped, budget.seed);
    EXPECT_GE(index, budget.Least());
    EXPECT_GE(index - skipped, index / 2) << "most command lines are run, not set aside";
}
