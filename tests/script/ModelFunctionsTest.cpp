#include "script/BasicInterpreter.h"
#include "script/ScriptText.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

/// A scenario side that records every call and answers from a fixed script.
class CFakeModel : public CScriptModel {
public:
    struct SCall {
        std::string name;
        std::vector<double> numbers;
        std::vector<std::string> texts;
    };

    SScriptValue CallModelFunction(int index, const std::vector<SScriptValue>& arguments,
                                   EScriptError& error) override {
        SCall call{ModelFunctions()[index].name, {}, {}};
        const char* kinds = ModelFunctions()[index].arguments;
        EXPECT_EQ(arguments.size(), std::strlen(kinds)) << call.name;
        for (std::size_t i = 0; i < arguments.size(); ++i) {
            if (kinds[i] == 's')
                call.texts.push_back(arguments[i].text);
            else
                call.numbers.push_back(arguments[i].number);
        }
        calls.push_back(call);
        if (call.name == "GetMemberLabelByIndex")
            return {0, "Smith"};
        if (call.name == "GetMemberIdealPointH" && call.texts[0] == "nobody") {
            error = EScriptError::ObjectNotFound;
            return {-1, {}};
        }
        return {42, {}};
    }

    std::vector<SCall> calls;
};

std::string RunWithModel(CFakeModel& model, const std::string& program) {
    CScriptTextBuffer output;
    CBasicInterpreter interpreter;
    interpreter.Attach(&model, &output, &output);
    interpreter.Run(ScriptProgramText(program));
    return output.Text();
}

TEST(ModelFunctionsTest, CallsReachTheModelWithTheirArguments) {
    CFakeModel model;
    EXPECT_EQ(RunWithModel(model, "10 CALL ShowWinSet(1)\n"
                                  "20 LET R = GetYolkRadius() + 1\n"
                                  "30 LET N$ = \"<\" + GetMemberLabelByIndex(2) + \">\"\n"
                                  "40 PRINT R, N$\n"
                                  "50 CALL SetMemberIdealPoint(\"A\" + \"1\", 0, 10, 20)\n"),
              "43 <Smith>\r\n");
    ASSERT_EQ(model.calls.size(), 4u);
    EXPECT_EQ(model.calls[0].name, "ShowWinSet");
    EXPECT_EQ(model.calls[0].numbers, std::vector<double>{1});
    EXPECT_EQ(model.calls[1].name, "GetYolkRadius");
    EXPECT_EQ(model.calls[2].numbers, std::vector<double>{2});
    EXPECT_EQ(model.calls[3].texts, std::vector<std::string>{"A1"});
    EXPECT_EQ(model.calls[3].numbers, (std::vector<double>{0, 10, 20}));
}

TEST(ModelFunctionsTest, FailuresAroundModelCalls) {
    const struct {
        const char* name;
        const char* program;
        const char* expected;
        std::size_t calls;
    } cases[] = {
        {"string function as a PRINT item", "10 PRINT GetMemberLabelByIndex(1)\n",
         "Syntax error on line 10\r\n", 0},
        {"string function in a numeric expression", "10 LET X = 1 + GetMemberLabelByIndex(1)\n",
         "Syntax error on line 10\r\n", 0},
        {"numeric function in a string expression", "10 LET A$ = GetYolkRadius()\n",
         "Type mismatch on line 10\r\n", 0},
        {"member not found", "10 LET X = GetMemberIdealPointH(\"nobody\", 0)\n",
         "Requested object not found on line10\r\n", 1},
        {"one argument short: not called", "10 CALL SetPreferences(3, 1, 0, 1, 0, 1)\n",
         "Syntax error on line 10\r\n", 0},
        {"string for a number: not called", "10 CALL SetVoteRule(\"a\")\n",
         "Type mismatch on line 10\r\n", 0},
        {"missing parenthesis: not called", "10 CALL ShowYolk(1\n", "Syntax error on line 10\r\n",
         0},
        {"all seven arguments", "10 CALL SetPreferences(3, 1, 0, 1, 0, 1, 99)\n", "", 1},
        {"integer argument with a fraction", "10 CALL ShowYolk(1.5)\n",
         "Not an integer on line 10\r\n", 1},
        {"called after an earlier failure", "10 LET X = 1 / 0 + GetYolkRadius()\n",
         "Divide by zero on line 10\r\n", 1},
    };
    for (const auto& c : cases) {
        CFakeModel model;
        EXPECT_EQ(RunWithModel(model, c.program), c.expected) << c.name;
        EXPECT_EQ(model.calls.size(), c.calls) << c.name;
    }
    CFakeModel model;
    RunWithModel(model, "10 CALL ShowYolk(1.5)\n");
    EXPECT_EQ(model.calls.at(0).numbers, std::vector<double>{1}) << "the value is truncated";
}

} // namespace
