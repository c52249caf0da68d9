#include "CliDirTest.h"
#include "CliRunner.h"

#include "document/QueltaDoc.h"
#include "document/ScenarioFile.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QString kExpected = QStringLiteral(QUELTA_TEST_DATA "/examples/");

/// Runs quelta-cli in a fresh folder, so no configuration file of the caller's sways it. The
/// expected outputs were made with the classic 40-corner ellipses; the folder's configuration
/// file keeps them through every scenario reset of a study.
SCliRun RunInEmptyFolder(const QStringList& arguments) {
    QTemporaryDir dir;
    WriteFile(dir, "quelta.cfg",
              "ALGORITHM PARAMETERS BEGIN\nnPrefVertices\t40\nALGORITHM PARAMETERS END\n");
    return RunCli(QStringList{"run"} + arguments, dir.path());
}

TEST(ExampleStudiesTest, EachStudyPrintsItsExpectedOutputByteForByte) {
    const struct {
        const char* script;
        const char* scenario; ///< empty: the study starts on a whiteboard
    } studies[] = {
        {"montecarlo_study", ""},
        {"copeland_walk", "five.txt"},
        {"rule_sweep", "five.txt"},
        {"agenda_loop", "five.txt"},
    };
    for (const auto& study : studies) {
        QStringList arguments{ExamplePath(QString(study.script) + ".bas")};
        if (*study.scenario)
            arguments << "--scenario" << ExamplePath(study.scenario);
        const SCliRun run = RunInEmptyFolder(arguments);
        EXPECT_EQ(run.exitCode, 0) << study.script << ": " << run.err.toStdString();
        EXPECT_EQ(run.out, ReadBytes(kExpected + study.script + ".out")) << study.script;
    }
}

class RunScenarioTest : public CliDirTest {};

TEST_F(RunScenarioTest, SaveWritesTheScenarioAsTheScriptLeftIt) {
    const QString script =
        WriteFile(dir, "edit.bas",
                  "10 LET OK = AddMemberEx(\"D1\", \"Dunn\", 35, 60, 4)\n20 CALL SetVoteRule(0.6)\n"
                  "30 PRINT GetMemberCount(), GetVoteRule()\n");
    const QString out = dir.filePath("out.txt");
    SCliRun run = RunCli({"run", script, "--scenario", ExamplePath("triangle.txt"), "--save", out},
                         dir.path());
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "4 0.6\r\n");
    CQueltaDoc doc;
    ASSERT_TRUE(ReadScenarioFile(doc, out.toStdString()));
    ASSERT_NE(doc.FindMember("D1"), nullptr);
    EXPECT_EQ(doc.Game().VoteRule(), 0.6);

    run = RunCli({"run", script, "--rule", "0.75"}, dir.path());
    EXPECT_EQ(run.out, "1 0.6\r\n") << "without a scenario the script starts on a whiteboard";

    const QByteArray before = ReadBytes(out);
    const QString failing = WriteFile(dir, "fail.bas", "10 CALL SetVoteRule(0.9)\n20 PRINT X\n");
    run = RunCli({"run", failing, "--scenario", out, "--save", out}, dir.path());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(ReadBytes(out), before) << "a failed script leaves the file alone";
    run = RunCli({"run", script, "--save", out + "/x.txt"}, dir.path());
    EXPECT_EQ(run.exitCode, 1) << "a file cannot hold a folder";
    EXPECT_FALSE(run.err.isEmpty());
    EXPECT_EQ(ReadBytes(out), before);
}

TEST_F(RunScenarioTest, CommonOptionsApplyBeforeTheScriptRuns) {
    const QString script =
        WriteFile(dir, "read.bas", "10 PRINT GetVoteRule(), GetStatusQuoH(), GetStatusQuoV()\n");
    SCliRun run = RunCli({"run", script, "--scenario", ExamplePath("triangle.txt"), "--rule",
                          "0.75", "--sq", "40,30"},
                         dir.path());
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "0.75 40 30\r\n");
    run = RunCli({"run", script, "--rule", "often"}, dir.path());
    EXPECT_EQ(run.exitCode, 2);
}

} // namespace
