#include "script/ScriptFile.h"

#include "document/TextLines.h"
#include "platform/HeadlessPlatform.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

/// A scratch folder of its own for every test.
class ScriptFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder =
            std::filesystem::temp_directory_path() /
            ("quelta-script-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::string PathOf(const std::string& name) const { return (folder / name).string(); }
    std::string Contents(const std::string& path) const {
        std::string text;
        std::string cause;
        EXPECT_TRUE(ReadTextFile(path, text, cause)) << cause;
        return text;
    }

    std::filesystem::path folder;
    CRecordingPlatform platform;
    CScopedPlatform scope{platform};
};

} // namespace

TEST(ScriptLinesTextTest, KeepsEveryNonEmptyLineEachEndedByALineFeed) {
    EXPECT_EQ(ScriptLinesText("10 PRINT 1\r\n\r\n20 PRINT 2"), "10 PRINT 1\n20 PRINT 2\n");
    EXPECT_EQ(ScriptLinesText("a\rb\n\n\nc\n"), "a\nb\nc\n");
    EXPECT_EQ(ScriptLinesText(" \n"), " \n") << "a line of blanks is not empty";
    EXPECT_EQ(ScriptLinesText("\n\r\n"), "");
}

TEST(ScriptExtensionTest, AddsBasOnlyToNamesWithoutAnExtension) {
    EXPECT_EQ(WithScriptExtension("/tmp/run"), "/tmp/run.bas");
    EXPECT_EQ(WithScriptExtension("/tmp/run.bas"), "/tmp/run.bas");
    EXPECT_EQ(WithScriptExtension("/tmp/run.txt"), "/tmp/run.txt");
    EXPECT_EQ(WithScriptExtension("/tmp/v1.0/run"), "/tmp/v1.0/run.bas")
        << "a dot in a folder name is no extension";
    EXPECT_EQ(WithScriptExtension(""), "");
}

TEST_F(ScriptFileTest, ASavedScriptReadsBackAsTheSameLines) {
    const std::string editor = "10 LET A$ = \"tab\there\"\n\n20 PRINT A$\n   \n30 PRINT 3";
    platform.QueueFileName(PathOf("first"));
    const auto saved = AskAndSaveScriptFile("", editor);
    ASSERT_TRUE(saved);
    EXPECT_EQ(*saved, PathOf("first.bas"));
    EXPECT_EQ(Contents(*saved), "10 LET A$ = \"tab\there\"\n20 PRINT A$\n   \n30 PRINT 3\n");

    platform.QueueFileName(*saved);
    const auto read = AskAndReadScriptFile();
    ASSERT_TRUE(read);
    EXPECT_EQ(read->path, *saved);
    EXPECT_EQ(read->lines, ScriptLinesText(editor));
    EXPECT_TRUE(platform.Messages().empty());
}

TEST_F(ScriptFileTest, ANameThatGotItsExtensionAsksBeforeReplacingAFile) {
    const std::string target = PathOf("old.bas");
    std::string cause;
    ASSERT_TRUE(WriteTextFileAtomically(target, "10 PRINT \"old\"\n", cause));

    platform.QueueFileName(PathOf("old"));
    platform.QueueAnswer(EMsgAnswer::No);
    EXPECT_FALSE(AskAndSaveScriptFile("", "10 PRINT \"new\"\n"));
    ASSERT_EQ(platform.Messages().size(), 1u);
    EXPECT_EQ(platform.Messages()[0].buttons, EMsgButtons::YesNo);
    EXPECT_EQ(Contents(target), "10 PRINT \"old\"\n") << "No keeps the file";

    platform.QueueFileName(PathOf("old"));
    platform.QueueAnswer(EMsgAnswer::Yes);
    EXPECT_TRUE(AskAndSaveScriptFile("", "10 PRINT \"new\"\n"));
    EXPECT_EQ(Contents(target), "10 PRINT \"new\"\n");

    platform.Clear();
    platform.QueueFileName(target);
    EXPECT_TRUE(AskAndSaveScriptFile("", "10 PRINT \"newer\"\n"));
    EXPECT_TRUE(platform.Messages().empty()) << "the file question already asked about it";
}

TEST_F(ScriptFileTest, CancelWritesNothingAndAFailureNamesItsCause) {
    platform.QueueFileName("");
    EXPECT_FALSE(AskAndSaveScriptFile(PathOf("x.bas"), "10 PRINT 1\n"));
    EXPECT_FALSE(std::filesystem::exists(PathOf("x.bas")));

    platform.QueueFileName(PathOf("missing/x.bas"));
    EXPECT_FALSE(AskAndSaveScriptFile("", "10 PRINT 1\n"));
    platform.QueueFileName(PathOf("absent.bas"));
    EXPECT_FALSE(AskAndReadScriptFile());
    ASSERT_EQ(platform.Messages().size(), 2u);
    EXPECT_NE(platform.Messages()[0].text.find("missing/x.bas"), std::string::npos);
    EXPECT_NE(platform.Messages()[1].text.find("absent.bas"), std::string::npos);
}
