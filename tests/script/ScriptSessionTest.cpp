#include "script/ScriptSession.h"

#include "platform/HeadlessPlatform.h"
#include "script/BasicInterpreter.h"
#include "script/ScriptInterrupt.h"
#include "script/ScriptText.h"
#include "script/ScriptTextBox.h"

#include <gtest/gtest.h>

namespace {

/// A session over one text buffer, as the Script window uses its Output box.
class ScriptSessionTest : public ::testing::Test {
protected:
    void SetUp() override { session.Attach(nullptr, &box); }
    void TearDown() override { ClearScriptInterrupt(); }

    /// A whole run carried on in slices of `lines` lines; gives the number of slices.
    int RunInSlices(const std::string& editor, unsigned lines) {
        int slices = 0;
        if (session.PressRun(editor, false))
            while (session.Continue(lines))
                ++slices;
        return slices;
    }

    CRecordingPlatform platform;
    CScopedPlatform scope{platform};
    CScriptTextBuffer box;
    CScriptSession session;
};

const char* const kTwoLines = "10 PRINT \"one\"\n\n20 PRINT \"two\"\n";

} // namespace

TEST_F(ScriptSessionTest, StepModeAdvancesPastTheLastLineThenResetsThenStartsAgain) {
    session.PressRun(kTwoLines, true);
    EXPECT_EQ(session.StepPosition(), 1);
    session.PressRun(kTwoLines, true);
    EXPECT_EQ(session.StepPosition(), 2) << "after the last line P equals the line count";
    EXPECT_EQ(box.Text(), "one\r\ntwo\r\n");

    session.PressRun(kTwoLines, true);
    EXPECT_EQ(session.StepPosition(), 3) << "the next press only moves P past the end";
    session.PressRun(kTwoLines, true);
    EXPECT_EQ(session.StepPosition(), 0) << "the press after that resets it";
    EXPECT_EQ(box.Text(), "one\r\ntwo\r\n") << "neither press ran anything";

    session.PressRun(kTwoLines, true);
    EXPECT_EQ(session.StepPosition(), 1) << "the third press starts the program again";
    EXPECT_EQ(box.Text(), "one\r\ntwo\r\none\r\n");
}

TEST_F(ScriptSessionTest, StepModeKeepsVariablesAndStopsAtAFailureUntilTheFocusGoes) {
    const std::string program = "10 LET X = 1/0\n20 PRINT X\n";
    session.PressRun(program, true);
    EXPECT_EQ(session.StepPosition(), -1);
    session.PressRun(program, true);
    EXPECT_EQ(session.StepPosition(), -1) << "a failed step stays failed";
    EXPECT_EQ(box.Text(), "Divide by zero on line 10\r\n");
    session.FocusLost();
    EXPECT_EQ(session.StepPosition(), 0);

    session.PressRun("10 LET A = 41\n20 LET A = A + 1\n30 PRINT A\n", true);
    session.PressRun("changed text is not read again", true);
    session.PressRun("", true);
    EXPECT_EQ(session.StepPosition(), 3);
    EXPECT_NE(box.Text().find("42\r\n"), std::string::npos) << box.Text();
}

TEST_F(ScriptSessionTest, ARunInSlicesWritesExactlyWhatAWholeRunWrites) {
    const struct {
        const char* name;
        const char* editor;
    } cases[] = {
        {"loop with output", "10 FOR I = 1 TO 30\n20 PRINT I * I\n30 NEXT I\n40 PRINT \"end\"\n"},
        {"failure in the middle", "10 PRINT 1\n20 LET X = SQRT(-1)\n30 PRINT 3\n"},
        {"jump to a missing line", "10 GOTO 99\n"},
        {"lines out of order", "20 PRINT 1\n10 PRINT 2\n"},
        {"no program at all", "just words\n"},
        {"stop by jump", "10 PRINT 1\n20 GOTO -1\n30 PRINT 3\n"},
    };
    for (const auto& c : cases) {
        CScriptTextBuffer whole;
        CBasicInterpreter interpreter;
        interpreter.Attach(nullptr, &whole, &whole);
        const int result = interpreter.Run(ScriptProgramText(c.editor));
        box.SetText({});
        RunInSlices(c.editor, 1);
        EXPECT_EQ(box.Text(), whole.Text()) << c.name;
        EXPECT_EQ(session.StepPosition(), result) << c.name;
        EXPECT_FALSE(session.IsRunning()) << c.name;
    }
}

TEST_F(ScriptSessionTest, StopBetweenSlicesInterruptsAtTheNextLineAndIsForgottenAfter) {
    ASSERT_TRUE(session.PressRun("10 LET I = I + 1\n20 GOTO 10\n", false));
    for (int i = 0; i < 5; ++i)
        ASSERT_TRUE(session.Continue(3));
    session.Stop();
    EXPECT_FALSE(session.Continue(100));
    EXPECT_EQ(box.Text(), "Interrupted on line 20\r\n") << "15 lines ran; line 20 was next";
    EXPECT_EQ(session.StepPosition(), 2) << "the run's result is its line count";

    box.SetText({});
    RunInSlices("10 PRINT \"again\"\n", 10);
    EXPECT_EQ(box.Text(), "again\r\n") << "the stop does not reach the next run";

    session.Stop();
    box.SetText({});
    RunInSlices("10 PRINT \"idle stop\"\n", 10);
    EXPECT_EQ(box.Text(), "idle stop\r\n") << "Stop without a run does nothing";
}

TEST_F(ScriptSessionTest, DiscardEndsARunInProgressAndForgetsTheSteps) {
    ASSERT_TRUE(session.PressRun("10 GOTO 10\n", false));
    ASSERT_TRUE(session.Continue(50));
    session.Discard();
    EXPECT_FALSE(session.IsRunning());
    EXPECT_EQ(session.StepPosition(), 0);
    EXPECT_EQ(box.Text(), "Interrupted on line 10\r\n");

    session.PressRun(kTwoLines, true);
    session.Discard();
    box.SetText({});
    session.PressRun(kTwoLines, true);
    EXPECT_EQ(box.Text(), "one\r\n") << "stepping starts from the first line again";
}
