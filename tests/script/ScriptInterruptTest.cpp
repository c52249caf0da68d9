#include "script/ScriptInterrupt.h"
#include "platform/HeadlessPlatform.h"
#include "script/BasicInterpreter.h"

#include <gtest/gtest.h>

namespace {

/// An input box whose reading stands for a Ctrl-C arriving while a line runs.
class CInterruptingInput : public CScriptTextBox {
public:
    void Append(std::string_view) override {}
    std::optional<std::string> InputLine() const override {
        RequestScriptInterrupt();
        return "typed";
    }
};

struct SRun {
    std::string output;
    bool failed = false;
};

SRun RunScript(const std::string& program, CScriptTextBox* input = nullptr) {
    CRecordingPlatform platform;
    CScopedPlatform scope(platform);
    CScriptTextBuffer output;
    CBasicInterpreter interpreter;
    interpreter.Attach(nullptr, input, &output);
    interpreter.Run(program);
    ClearScriptInterrupt();
    return {output.Text(), interpreter.LastFailed()};
}

} // namespace

TEST(ScriptInterruptTest, AnInterruptStopsTheRunBeforeTheNextLine) {
    RequestScriptInterrupt();
    const SRun early = RunScript("10 PRINT \"never\"\r\n20 PRINT \"shown\"\r\n");
    EXPECT_EQ(early.output, "Interrupted on line 10\r\n");
    EXPECT_TRUE(early.failed);

    CInterruptingInput input;
    const SRun middle = RunScript("10 PRINT \"one\"\r\n20 INPUT A$\r\n30 PRINT A$\r\n", &input);
    EXPECT_EQ(middle.output, "one\r\n\r\nInterrupted on line 30\r\n");
    EXPECT_TRUE(middle.failed);
}

TEST(ScriptInterruptTest, AProgramThatEndsAfterAnInterruptStillFails) {
    CInterruptingInput input;
    const SRun last = RunScript("10 PRINT \"one\"\r\n20 INPUT A$\r\n", &input);
    EXPECT_EQ(last.output, "one\r\n\r\nInterrupted on line 20\r\n");
    EXPECT_TRUE(last.failed);
    const SRun ended = RunScript("10 INPUT A$\r\n20 END\r\n", &input);
    EXPECT_EQ(ended.output, "\r\nInterrupted on line 20\r\n");

    const SRun after = RunScript("10 PRINT \"fine\"\r\n");
    EXPECT_EQ(after.output, "fine\r\n") << "a cleared interrupt does not stop the next run";
    EXPECT_FALSE(after.failed);
}

TEST(ScriptMemoryBudgetTest, AllVariablesTogetherStayWithinTheBudget) {
    const struct {
        const char* name;
        const char* program;
        const char* output;
    } cases[] = {
        {"strings of one array add up",
         "10 DIM S$(100)\r\n20 FOR I = 1 TO 100\r\n30 LET S$(I) = STRING$(20000, \"x\")\r\n"
         "40 NEXT I\r\n",
         "Out of memory on line 30\r\n"},
        {"a replaced text no longer counts",
         "10 LET A$ = STRING$(600000, \"x\")\r\n20 LET A$ = STRING$(600000, \"y\")\r\n"
         "30 PRINT LEN(A$)\r\n",
         "600000\r\n"},
        {"a shrunk array gives its texts back",
         "10 DIM S$(2)\r\n20 LET S$(1) = STRING$(400000, \"x\")\r\n"
         "30 LET S$(2) = STRING$(400000, \"x\")\r\n40 DIM S$(1)\r\n"
         "50 LET B$ = STRING$(600000, \"y\")\r\n60 PRINT LEN(S$(1)) + LEN(B$)\r\n",
         "1e+06\r\n"},
        {"numeric arrays count their elements",
         "10 DIM A(100000)\r\n20 DIM B(100000)\r\n30 PRINT \"no\"\r\n",
         "Out of memory on line 20\r\n"},
        {"input lines count too", "10 INPUT A$\r\n20 PRINT LEN(A$)\r\n",
         "Out of memory on line 10\r\n"},
    };
    for (const auto& c : cases) {
        CRecordingPlatform platform;
        CScopedPlatform scope(platform);
        CScriptTextBuffer input(std::string(1 << 21, 'z'));
        CScriptTextBuffer output;
        CBasicInterpreter interpreter;
        interpreter.SetMemoryBudget(std::size_t{1} << 20);
        interpreter.Attach(nullptr, &input, &output);
        interpreter.Run(c.program);
        EXPECT_EQ(output.Text(), c.output) << c.name;
    }
}
