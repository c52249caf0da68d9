#include "document/TextLines.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class SafeWriteTest : public ::testing::Test {
protected:
    std::string Path(const std::string& name) const {
        return dir.filePath(QString::fromStdString(name)).toStdString();
    }
    std::string Create(const std::string& name, const std::string& content) const {
        const std::string path = Path(name);
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }
    static std::string Contents(const std::string& path) {
        std::string text, cause;
        EXPECT_TRUE(ReadTextFile(path, text, cause)) << cause;
        return text;
    }
    /// Every name in the folder, hidden ones included.
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        DIR* folder = ::opendir(dir.path().toLocal8Bit().constData());
        while (const dirent* entry = ::readdir(folder))
            if (std::string name = entry->d_name; name != "." && name != "..")
                names.push_back(name);
        ::closedir(folder);
        std::sort(names.begin(), names.end());
        return names;
    }
    static mode_t Mode(const std::string& path, bool follow = true) {
        struct stat info {};
        (follow ? ::stat : ::lstat)(path.c_str(), &info);
        return info.st_mode;
    }

    QTemporaryDir dir;
    std::string cause;
};

} // namespace

TEST_F(SafeWriteTest, ReplacesTheContentAndKeepsTheModeLeavingNoOtherFile) {
    const std::string path = Create("out.txt", "old\n");
    ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
    ASSERT_TRUE(WriteTextFileAtomically(path, "new\n", cause)) << cause;
    EXPECT_EQ(Contents(path), "new\n");
    EXPECT_EQ(Mode(path) & 0777, 0600u);
    EXPECT_EQ(Names(), std::vector<std::string>{"out.txt"});
}

TEST_F(SafeWriteTest, NewFilesGetTheUsualModeAndLongNamesWork) {
    const mode_t mask = ::umask(022);
    const std::string name(250, 'n');
    const bool written = WriteTextFileAtomically(Path(name), "text", cause);
    ::umask(mask);
    ASSERT_TRUE(written) << cause;
    EXPECT_EQ(Contents(Path(name)), "text");
    EXPECT_EQ(Mode(Path(name)) & 0777, 0644u);
    EXPECT_EQ(Names(), std::vector<std::string>{name});
}

TEST_F(SafeWriteTest, WritesThroughSymbolicLinksToTheFileTheyLeadTo) {
    const std::string real = Create("real.txt", "old\n");
    ASSERT_EQ(::symlink("real.txt", Path("link.txt").c_str()), 0);
    ASSERT_EQ(::symlink("link.txt", Path("link2.txt").c_str()), 0);
    ASSERT_TRUE(WriteTextFileAtomically(Path("link2.txt"), "new\n", cause)) << cause;
    EXPECT_EQ(Contents(real), "new\n");
    EXPECT_TRUE(S_ISLNK(Mode(Path("link.txt"), false)));
    EXPECT_TRUE(S_ISLNK(Mode(Path("link2.txt"), false)));
    // A link to a file not there yet makes that file.
    ASSERT_EQ(::symlink("later.txt", Path("dangling.txt").c_str()), 0);
    ASSERT_TRUE(WriteTextFileAtomically(Path("dangling.txt"), "made\n", cause)) << cause;
    EXPECT_EQ(Contents(Path("later.txt")), "made\n");
    EXPECT_EQ(Names().size(), 5u) << "no temporary file left";
}

TEST_F(SafeWriteTest, RefusesWhatASaveMustNotReplace) {
    const std::string readOnly = Create("readonly.txt", "keep\n");
    ASSERT_EQ(::chmod(readOnly.c_str(), 0444), 0);
    ASSERT_EQ(::mkfifo(Path("fifo").c_str(), 0644), 0);
    ASSERT_EQ(::mkdir(Path("folder").c_str(), 0755), 0);
    ASSERT_EQ(::symlink("readonly.txt", Path("link").c_str()), 0);
    for (const char* name : {"readonly.txt", "fifo", "folder", "link"}) {
        cause.clear();
        EXPECT_FALSE(WriteTextFileAtomically(Path(name), "new\n", cause)) << name;
        EXPECT_EQ(cause, "The file could not be accessed.") << name;
    }
    EXPECT_EQ(Contents(readOnly), "keep\n");
    EXPECT_TRUE(S_ISFIFO(Mode(Path("fifo"))));
    EXPECT_EQ(Names(), (std::vector<std::string>{"fifo", "folder", "link", "readonly.txt"}));
    EXPECT_FALSE(WriteTextFileAtomically(Path("no/such/folder/out.txt"), "x", cause));
    EXPECT_EQ(cause, "File not found");
}

TEST_F(SafeWriteTest, IgnoresALinkPlantedAtTheOldTemporaryName) {
    const std::string victim = Create("victim.txt", "secret\n");
    const std::string target = Path("out.txt");
    ASSERT_EQ(::symlink(victim.c_str(), (target + ".tmp-" + std::to_string(::getpid())).c_str()),
              0);
    ASSERT_TRUE(WriteTextFileAtomically(target, "new\n", cause)) << cause;
    EXPECT_EQ(Contents(victim), "secret\n");
    EXPECT_EQ(Contents(target), "new\n");
}

TEST(TextLinesTest, LineEndsByteOrderMarksAndFields) {
    const std::vector<std::string> expected = {"a", "b", "", "c"};
    EXPECT_EQ(SplitLines("a\nb\n\nc"), expected);
    EXPECT_EQ(SplitLines("a\r\nb\r\n\r\nc\r\n"), expected);
    EXPECT_EQ(SplitLines("a\rb\r\rc\r"), expected);
    EXPECT_EQ(SplitLines(std::string("a\0b", 3)), std::vector<std::string>{std::string("a\0b", 3)});
    EXPECT_EQ(FieldText("two\tparts\non\rlines"), "two parts on lines");

    QTemporaryDir dir;
    const std::string path = dir.filePath("bom.txt").toStdString();
    std::ofstream(path, std::ios::binary) << "\xEF\xBB\xBFline\n\xEF\xBB\xBF";
    std::string text, cause;
    ASSERT_TRUE(ReadTextFile(path, text, cause)) << cause;
    EXPECT_EQ(text, "line\n\xEF\xBB\xBF") << "only a leading mark is dropped";
}
