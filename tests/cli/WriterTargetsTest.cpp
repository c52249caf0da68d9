// Every file the command line writes follows one rule: a regular file is replaced in one step and
// keeps its mode and symbolic link; a FIFO, a device or a folder is refused; a failed write is a
// message and exit 1 with the old file as it was.
#include "CliRunner.h"

#include <QFileInfo>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

/// One writer of the command line: a name, the file extension it needs and its arguments for
/// an output path.
struct SWriter {
    const char* name;
    const char* extension;
    QStringList (*arguments)(const QString& out);
};

QString Triangle() {
    return ExamplePath("triangle.txt");
}

const SWriter kWriters[] = {
    {"save", ".txt",
     [](const QString& out) {
         return QStringList{"save", Triangle(), out};
     }},
    {"report", ".txt",
     [](const QString& out) {
         return QStringList{"report", Triangle(), "-o", out};
     }},
    {"png", ".png",
     [](const QString& out) {
         return QStringList{"render", Triangle(), "-o", out, "--chart", "40x40"};
     }},
    {"svg", ".svg",
     [](const QString& out) {
         return QStringList{"render", Triangle(), "-o", out, "--chart", "40x40"};
     }},
    {"pdf", ".pdf",
     [](const QString& out) {
         return QStringList{"render", Triangle(), "-o", out, "--chart", "40x40"};
     }},
    {"bmp", ".bmp",
     [](const QString& out) {
         return QStringList{"render", Triangle(), "-o", out, "--chart", "40x40"};
     }},
    {"csv", ".csv",
     [](const QString& out) {
         return QStringList{"thermograph", Triangle(), "--mode", "total",
                            "--chart",     "20x20",    "-o",     out};
     }},
    {"custom", ".txt",
     [](const QString& out) {
         return QStringList{"thermograph", Triangle(), "--mode", "custom",
                            "--chart",     "20x20",    "-o",     out};
     }},
    {"log", ".log",
     [](const QString& out) {
         return QStringList{"concepts", Triangle(), "--only", "vote", "--log", out};
     }},
    {"generate", ".txt",
     [](const QString& out) {
         return QStringList{"generate", "polygon", "-o", out};
     }},
    {"runsave", ".txt",
     [](const QString& out) {
         return QStringList{"run", ExamplePath("primes.bas"), "--scenario", Triangle(), "--save",
                            out};
     }},
};

class WriterTargetsTest : public ::testing::TestWithParam<SWriter> {
protected:
    QString Path(const QString& name) const {
        return dir.filePath(name + QString::fromLatin1(GetParam().extension));
    }
    SCliRun Write(const QString& out) const {
        return RunCli(GetParam().arguments(out), dir.path());
    }
    /// Runs the writer with a file-size limit of nothing at all.
    QProcess::ExitStatus WriteLimited(const QString& out, int& exitCode, QByteArray& err) const {
        QStringList quoted;
        for (const QString& argument : GetParam().arguments(out))
            quoted << "'" + argument + "'";
        QProcess process;
        process.setWorkingDirectory(dir.path());
        process.start(
            "/bin/sh",
            {"-c", QString("ulimit -f 0; exec '%1' %2").arg(QUELTA_CLI_PATH, quoted.join(' '))});
        process.waitForFinished(60000);
        exitCode = process.exitCode();
        err = process.readAllStandardError();
        return process.exitStatus();
    }
    static QByteArray Bytes(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static mode_t Mode(const QString& path, bool follow = true) {
        struct stat info {};
        (follow ? ::stat : ::lstat)(path.toLocal8Bit().constData(), &info);
        return info.st_mode;
    }
    QStringList Names() const {
        return QDir(dir.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }
    void ExpectRefused(const SCliRun& run) const {
        EXPECT_EQ(run.exitCode, 1) << run.Err().toStdString();
        EXPECT_FALSE(run.err.isEmpty()) << "a refusal says why";
    }

    QTemporaryDir dir;
};

TEST_P(WriterTargetsTest, RegularFilesAreReplacedKeepingModeAndLink) {
    const QString real = WriteFile(dir, "real.bin", "old\n");
    ASSERT_EQ(::chmod(real.toLocal8Bit().constData(), 0640), 0);
    const QString link = Path("link");
    ASSERT_EQ(::symlink("real.bin", link.toLocal8Bit().constData()), 0);
    const SCliRun run = Write(link);
    ASSERT_EQ(run.exitCode, 0) << run.Err().toStdString();
    EXPECT_TRUE(S_ISLNK(Mode(link, false))) << "the link stays a link";
    EXPECT_NE(Bytes(real), "old\n");
    EXPECT_GT(Bytes(real).size(), 4);
    EXPECT_EQ(Mode(real) & 07777, 0640u);
    QStringList expected{"link" + QString::fromLatin1(GetParam().extension), "real.bin"};
    expected.sort();
    QStringList names = Names();
    names.removeAll("saveas.bas");
    EXPECT_EQ(names, expected) << "no temporary file is left";
}

TEST_P(WriterTargetsTest, FifosDevicesFoldersAndReadOnlyFilesAreRefused) {
    const QString fifo = Path("fifo"), device = Path("device"), folder = Path("folder");
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0644), 0);
    ASSERT_EQ(::symlink("/dev/full", device.toLocal8Bit().constData()), 0);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QFileInfo(folder).fileName()));
    const QString readOnly = WriteFile(dir, "readonly" + QString(GetParam().extension), "keep\n");
    ASSERT_EQ(::chmod(readOnly.toLocal8Bit().constData(), 0444), 0);
    for (const QString& target : {fifo, device, folder, readOnly}) {
        SCOPED_TRACE(target.toStdString());
        ExpectRefused(Write(target));
    }
    EXPECT_TRUE(S_ISFIFO(Mode(fifo)));
    EXPECT_TRUE(S_ISCHR(Mode(device)));
    EXPECT_TRUE(S_ISDIR(Mode(folder)));
    EXPECT_EQ(Bytes(readOnly), "keep\n");
    EXPECT_EQ(Mode(readOnly) & 0777, 0444u);
    EXPECT_EQ(Names().size(), 4) << "nothing else is left";
}

TEST_P(WriterTargetsTest, AFileSizeLimitIsAMessageAndLeavesTheOldFile) {
    const QString out = WriteFile(dir, "out" + QString(GetParam().extension), "old\n");
    int exitCode = -1;
    QByteArray err;
    EXPECT_EQ(WriteLimited(out, exitCode, err), QProcess::NormalExit)
        << "not ended by the size-limit signal";
    EXPECT_EQ(exitCode, 1) << err.toStdString();
    EXPECT_FALSE(err.isEmpty());
    EXPECT_EQ(Bytes(out), "old\n");
    EXPECT_EQ(Names().size(), 1) << "nothing else is left";
}

INSTANTIATE_TEST_SUITE_P(EveryWriter, WriterTargetsTest, ::testing::ValuesIn(kWriters),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DbInitTargetsTest, OnlyANewFileIsMadeAndAFailureLeavesNothing) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath("fifo.sqlite"), device = dir.filePath("device.sqlite");
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0644), 0);
    ASSERT_EQ(::symlink("/dev/full", device.toLocal8Bit().constData()), 0);
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.sqlite"));
    for (const QString& target : {fifo, device, dir.filePath("folder.sqlite")}) {
        const SCliRun run = RunCli({"db", "init", target});
        EXPECT_EQ(run.exitCode, 1) << target.toStdString();
        EXPECT_FALSE(run.err.isEmpty());
    }
    struct stat info {};
    ASSERT_EQ(::stat(fifo.toLocal8Bit().constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));

    QProcess process;
    process.start("/bin/sh", {"-c", QString("ulimit -f 0; exec '%1' db init '%2'")
                                        .arg(QUELTA_CLI_PATH, dir.filePath("new.sqlite"))});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << "not ended by the size-limit signal";
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_FALSE(process.readAllStandardError().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("new.sqlite")));
}

} // namespace
