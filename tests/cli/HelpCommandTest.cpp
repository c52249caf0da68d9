// The help of quelta-cli: asked for, it goes to standard output with exit code 0; a real usage
// error keeps exit code 2 and the usage on standard error.
#include "CliRunner.h"

#include <gtest/gtest.h>

namespace {

const char* const kCommands[] = {"agenda", "concepts", "db",      "generate",
                                 "import", "info",     "regions", "render",
                                 "report", "run",      "save",    "thermograph"};

TEST(HelpCommandTest, HelpListsEveryCommandOnStandardOutput) {
    for (const char* word : {"--help", "-h", "help"}) {
        SCOPED_TRACE(word);
        const SCliRun run = RunCli({word});
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_TRUE(run.err.isEmpty()) << run.Err().toStdString();
        EXPECT_TRUE(run.Out().startsWith("usage:\n"));
        for (const char* command : kCommands)
            EXPECT_TRUE(run.Out().contains(QString("  quelta-cli ") + command + " ")) << command;
        EXPECT_TRUE(run.Out().contains("quelta-cli help [COMMAND]"));
    }
}

TEST(HelpCommandTest, CommandHelpGivesItsUsageAndOptionsAndDoesNothingElse) {
    QTemporaryDir dir;
    const QString picture = dir.filePath("chart.png");
    const SCliRun forms[] = {
        RunCli({"render", ExamplePath("five.txt"), "-o", picture, "--help"}),
        RunCli({"render", "-h"}),
        RunCli({"help", "render"}),
    };
    for (const SCliRun& run : forms) {
        EXPECT_EQ(run.exitCode, 0) << run.Err().toStdString();
        EXPECT_TRUE(run.err.isEmpty()) << run.Err().toStdString();
        EXPECT_TRUE(run.Out().startsWith("usage: quelta-cli render FILE -o OUT."));
        for (const char* option : {"--show <LIST>", "--dpi <N>", "--sq <H,V>", "--log <FILE>"})
            EXPECT_TRUE(run.Out().contains(option)) << option;
        EXPECT_TRUE(run.Out().contains("Arguments:\n  FILE"));
    }
    EXPECT_FALSE(QFile::exists(picture)) << "asking for help renders nothing";
    EXPECT_EQ(forms[0].out, forms[2].out);
    for (const char* command : kCommands) {
        const SCliRun run = RunCli({command, "--help"});
        EXPECT_EQ(run.exitCode, 0) << command;
        EXPECT_TRUE(run.Out().startsWith(QString("usage: quelta-cli ") + command)) << command;
        EXPECT_TRUE(run.Out().contains("Options:\n")) << command;
    }
}

TEST(HelpCommandTest, UsageErrorsKeepExitCodeTwoAndStandardError) {
    const SCliRun unknown = RunCli({"bogus"});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_TRUE(unknown.out.isEmpty());
    EXPECT_TRUE(unknown.Err().startsWith("quelta-cli: unknown command 'bogus'\nusage:\n"));
    const SCliRun none = RunCli({});
    EXPECT_EQ(none.exitCode, 2);
    EXPECT_TRUE(none.out.isEmpty());
    EXPECT_TRUE(none.Err().startsWith("usage:\n"));
    const SCliRun helpless = RunCli({"help", "bogus"});
    EXPECT_EQ(helpless.exitCode, 2);
    EXPECT_TRUE(helpless.out.isEmpty());
    EXPECT_TRUE(helpless.Err().startsWith("quelta-cli: no command 'bogus' to help with\n"));
    const SCliRun missing = RunCli({"render", ExamplePath("five.txt")});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_TRUE(missing.out.isEmpty());
    EXPECT_TRUE(missing.Err().startsWith("usage: quelta-cli render"));
    // After "--" a word is an argument, not a request for help.
    const SCliRun argument = RunCli({"info", "--", "--help"});
    EXPECT_EQ(argument.exitCode, 1) << argument.Err().toStdString();
    EXPECT_TRUE(argument.Err().contains("--help")) << argument.Err().toStdString();
}

} // namespace
