#include "CliRunner.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

double Number(const QStringList& arguments, const char* key) {
    const SCliRun run = RunCli(arguments + QStringList{"--json"});
    EXPECT_EQ(run.exitCode, 0) << run.Err().toStdString();
    return run.Json()[key].toDouble();
}

QByteArray Example(const char* name) {
    QFile file(ExamplePath(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

// Setting a switch on the command line does what its menu command does, not only store it.
TEST(SetSwitchCommandTest, VetoSwitchLetsAVetoMemberCutTheWinSet) {
    QTemporaryDir dir;
    // The triangle with its left member holding a veto.
    QByteArray text = Example("triangle.txt");
    const QByteArray plain = "Left\tXX0\t20.000000\t25.000000\t1.000000\t0.000000";
    ASSERT_TRUE(text.contains(plain));
    text.replace(plain, "Left\tXX0\t20.000000\t25.000000\t1.000000\t1.000000");
    const QString file = WriteFile(dir, "veto.txt", text);
    const QStringList concepts = {"concepts", file, "--only", "winset", "--sq", "50,40"};
    const double without = Number(concepts + QStringList{"--set", "flagVeto=0"}, "winset.area");
    const double with = Number(concepts + QStringList{"--set", "flagVeto=1"}, "winset.area");
    EXPECT_GT(without, 0.0);
    EXPECT_GT(with, 0.0);
    EXPECT_LT(with, without) << "the veto member's preferred set bounds the win set";
}

TEST(SetSwitchCommandTest, WeightedSwitchAndDefaultModelReachTheGame) {
    const QStringList vote = {"concepts", ExamplePath("seven-weighted.txt"), "--only", "vote"};
    EXPECT_EQ(Number(vote + QStringList{"--set", "flagVoteWt=1"}, "vote.total"), 14.0);
    EXPECT_EQ(Number(vote + QStringList{"--set", "flagVoteWt=0"}, "vote.total"), 7.0)
        << "unweighted, every member counts one vote";
    // The default model is a command too: city-block members have square indifference curves,
    // so the triangle's win set changes.
    const QStringList winSet = {"concepts", ExamplePath("triangle.txt"), "--only", "winset",
                                "--sq", "50,40"};
    const double tradeOff = Number(winSet, "winset.area");
    const double cityBlock =
        Number(winSet + QStringList{"--set", "defaultModelName=cityblock"}, "winset.area");
    EXPECT_NE(tradeOff, cityBlock);
}

} // namespace
