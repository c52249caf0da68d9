#include "CliRunner.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/stat.h>

namespace {

SCliRun RunCliScript(const QStringList& arguments) {
    return RunCli(QStringList{"run"} + arguments);
}

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QString kScriptData = QStringLiteral(QUELTA_TEST_DATA "/script/");

TEST(RunCommandTest, WritesTheScriptOutputByteForByte) {
    for (const char* name : {"print_comma_and_semicolon", "for_skipped_body", "doubled_quotes"}) {
        const SCliRun run = RunCliScript({kScriptData + name + ".bas"});
        EXPECT_EQ(run.exitCode, 0) << name;
        // The interpreter ends its lines with CR LF; the command line gives the platform's.
        EXPECT_EQ(run.out, ReadBytes(kScriptData + name + ".out").replace("\r\n", "\n")) << name;
        EXPECT_FALSE(run.out.contains('\r')) << name;
        EXPECT_TRUE(run.err.isEmpty()) << name << ": " << run.err.toStdString();
    }
}

TEST(RunCommandTest, FailuresAndUsageErrorsHaveTheirExitCodes) {
    QTemporaryDir dir;
    const struct {
        const char* name;
        QStringList arguments;
        int exitCode;
        QByteArray out;
    } cases[] = {
        {"failed line",
         {kScriptData + "unassigned_variable.bas"},
         1,
         "No such variable on line 10\n"},
        {"program not loaded",
         {kScriptData + "load_lines_not_in_order.bas"},
         1,
         "ERROR: Program lines 20 and 20 are not in order\n"},
        {"missing line", {kScriptData + "goto_missing_line.bas"}, 1, "line 99 not found\n"},
        {"stopped by GOTO -1", {kScriptData + "goto_minus_one_stops.bas"}, 0, "a\n"},
        {"script not found", {dir.filePath("missing.bas")}, 1, ""},
        {"no script", {}, 2, ""},
        {"two scripts", {kScriptData + "instr.bas", kScriptData + "instr.bas"}, 2, ""},
        {"unknown option", {kScriptData + "instr.bas", "--bogus", "x.txt"}, 2, ""},
        {"scenario not found",
         {kScriptData + "instr.bas", "--scenario", dir.filePath("x.txt")},
         1,
         ""},
    };
    for (const auto& c : cases) {
        const SCliRun run = RunCliScript(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.name;
        EXPECT_EQ(run.out, c.out) << c.name;
    }
}

TEST(RunCommandTest, ReadsInputFromTheOutputOrFromAFile) {
    QTemporaryDir dir;
    // CR LF line ends and empty lines in the file: the program text is built as the Script
    // dialog builds it.
    const QString script =
        WriteFile(dir, "input.bas", "10 PRINT \"6\";\r\n\r\n20 INPUT N\r\n30 PRINT N * 7\r\n");
    SCliRun run = RunCliScript({script});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "6\n42\n");
    const QString input = WriteFile(dir, "input.txt", "1\n2\n");
    run = RunCliScript({script, "--input", input});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "6\n14\n");
    run = RunCliScript({script, "--input", dir.filePath("none.txt")});
    EXPECT_EQ(run.exitCode, 1);
}

TEST(RunCommandTest, ExampleScriptsRun) {
    const QStringList scripts =
        QDir(QUELTA_EXAMPLES).entryList(QStringList{"*.bas"}, QDir::Files, QDir::Name);
    ASSERT_FALSE(scripts.isEmpty());
    for (const QString& name : scripts) {
        const SCliRun run = RunCliScript({QDir(QUELTA_EXAMPLES).filePath(name)});
        EXPECT_EQ(run.exitCode, 0) << name.toStdString() << ": " << run.out.toStdString();
    }
    const SCliRun primes = RunCliScript({QStringLiteral(QUELTA_EXAMPLES "/primes.bas")});
    EXPECT_EQ(primes.out, "2 3 5 7 11 13 17 19 23 29 31 37 41 43 47 53 59 61 67 71 73 79 83 89 97 "
                          "\nThere are 25 primes up to 100\n");
}

TEST(RunCommandTest, AFailedScriptSaysWhyOnStandardErrorToo) {
    QTemporaryDir dir;
    const struct {
        const char* program;
        const char* reason;
    } cases[] = {
        {"10 PRINT \"a\"\n20 PRINT 1 / \n", "Syntax error on line 20"},
        {"10 GOTO 50\n", "line 50 not found"},
        {"PRINT 1\n", "ERROR: Can't read program"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.program);
        const QString script = WriteFile(dir, "bad.bas", c.program);
        const QString saved = dir.filePath("saved.txt");
        const SCliRun run = RunCliScript({script, "--save", saved});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.Out().endsWith(QString(c.reason) + "\n")) << "the output box shows it";
        EXPECT_EQ(run.Err(), "quelta-cli run: " + script + ": " + c.reason + "; " + saved +
                                 " is not written\n");
        EXPECT_FALSE(QFile::exists(saved));
    }
}

TEST(RunCommandTest, CtrlCInterruptsAnEndlessScript) {
    const struct {
        const char* name;
        QByteArray program;
        QList<QByteArray> outputs; ///< what may be printed, depending on when Ctrl-C comes
    } cases[] = {
        {"a line jumping to itself",
         "10 PRINT \"go\"\n20 GOTO 20\n",
         {"go\nInterrupted on line 20\n"}},
        {"a loop of long lines",
         "5 PRINT \"go\"\n10 LET A$ = STRING$(60000000, \"x\")\n20 GOTO 10\n",
         {"go\nInterrupted on line 10\n", "go\nInterrupted on line 20\n"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString script = WriteFile(dir, "forever.bas", c.program);
        QProcess process;
        process.start(QUELTA_CLI_PATH, {"run", script});
        QByteArray out;
        while (!out.contains("go\n") && process.waitForReadyRead(10000))
            out += process.readAllStandardOutput();
        ASSERT_EQ(out, "go\n");
        ::kill(static_cast<pid_t>(process.processId()), SIGINT);
        ASSERT_TRUE(process.waitForFinished(10000)) << "the run went on after Ctrl-C";
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), 1);
        out += process.readAllStandardOutput();
        EXPECT_TRUE(c.outputs.contains(out)) << out.toStdString();
        EXPECT_EQ(process.readAllStandardError(),
                  "quelta-cli run: " + script.toUtf8() + ": " + out.mid(3))
            << "where it stopped";
    }
}

} // namespace

namespace {

/// A script that saves its scenario under the name on its one input line and prints the answer.
SCliRun RunSaveAs(const QTemporaryDir& dir, const QString& name) {
    const QString script =
        WriteFile(dir, "saveas.bas", "10 INPUT N$\n20 LET R = SaveAsFile(N$)\n30 PRINT R\n");
    const QString input = WriteFile(dir, "name.in", name.toUtf8() + "\n");
    return RunCli({"run", script, "--scenario", ExamplePath("triangle.txt"), "--input", input});
}

TEST(RunCommandTest, SaveAsFileTellsTheTruthAndAFailedSaveFailsTheRun) {
    QTemporaryDir dir;
    const SCliRun saved = RunSaveAs(dir, dir.filePath("copy"));
    EXPECT_EQ(saved.exitCode, 0) << saved.Err().toStdString();
    EXPECT_TRUE(saved.Out().trimmed().endsWith("1")) << saved.Out().toStdString();
    EXPECT_TRUE(QFile::exists(dir.filePath("copy.txt")));

    // A FIFO at the name is refused (not written beside as fifo.txt); so are a device, a
    // missing folder and a read-only file.
    ASSERT_EQ(::mkfifo(dir.filePath("fifo").toLocal8Bit().constData(), 0644), 0);
    const QString readOnly = WriteFile(dir, "readonly.txt", "keep\n");
    QFile(readOnly).setPermissions(QFile::ReadOwner);
    for (const QString& name : {dir.filePath("fifo"), QString("/dev/full"),
                                dir.filePath("no/such/dir/x.txt"), readOnly}) {
        const SCliRun run = RunSaveAs(dir, name);
        EXPECT_EQ(run.exitCode, 1) << name.toStdString();
        EXPECT_TRUE(run.Out().trimmed().endsWith("0"))
            << name.toStdString() << run.Out().toStdString();
        EXPECT_TRUE(run.Err().contains("save of the script failed")) << run.Err().toStdString();
    }
    EXPECT_FALSE(QFile::exists(dir.filePath("fifo.txt")));
    EXPECT_FALSE(QFile::exists("/dev/full.txt"));
    EXPECT_EQ(ReadBytes(readOnly), "keep\n");
}

TEST(RunCommandTest, OpenFileRefusesAnythingButARegularFile) {
    QTemporaryDir dir;
    ASSERT_EQ(::mkfifo(dir.filePath("fifo.txt").toLocal8Bit().constData(), 0644), 0);
    for (const QString& name : {dir.filePath("fifo.txt"), QString("/dev/zero"), dir.path()}) {
        const QString script = WriteFile(
            dir, "open.bas", "10 LET R = OpenFile(\"" + name.toUtf8() + "\")\n20 PRINT R\n");
        const SCliRun run = RunCli({"run", script});
        EXPECT_EQ(run.out, "0\n") << name.toStdString() << " (a FIFO would block for ever)";
        EXPECT_TRUE(run.Err().contains("The file could not be accessed."))
            << run.Err().toStdString();
    }
}

} // namespace
