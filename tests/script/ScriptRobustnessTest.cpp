// Malformed and oversized programs must end with a message, never crash or hang.
#include "platform/HeadlessPlatform.h"
#include "script/BasicInterpreter.h"

#include <gtest/gtest.h>

#include <random>

namespace {

std::string RunText(const std::string& text) {
    CRecordingPlatform platform;
    CScopedPlatform scope(platform);
    CScriptTextBuffer output;
    CBasicInterpreter interpreter;
    interpreter.Attach(nullptr, &output, &output);
    interpreter.Run(text);
    return output.Text();
}

constexpr std::size_t kMegabyte = 1 << 20;

TEST(ScriptRobustnessTest, DeepNestingFailsInsteadOfOverflowingTheStack) {
    const struct {
        const char* name;
        std::string program;
    } cases[] = {
        {"parentheses", "10 PRINT " + std::string(kMegabyte, '(') + "1\r\n"},
        {"unary minus", "10 PRINT " + std::string(kMegabyte, '-') + "1\r\n"},
        {"function arguments",
         [] {
             std::string text = "10 PRINT ";
             for (int i = 0; i < 100000; ++i)
                 text += "SIN(";
             return text + "1\r\n";
         }()},
        {"string functions",
         [] {
             std::string text = "10 PRINT ";
             for (int i = 0; i < 100000; ++i)
                 text += "LEFT$(";
             return text + "\"a\"\r\n";
         }()},
        {"conditions",
         [] {
             std::string text = "10 IF ";
             for (int i = 0; i < 100000; ++i)
                 text += "1 = 1 AND (";
             return text + "1 = 1 THEN 10\r\n";
         }()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RunText(c.program), "Out of memory on line 10\r\n") << c.name;
}

TEST(ScriptRobustnessTest, LongLinesRunToTheirEnd) {
    std::string sum = "10 LET X = 0";
    for (std::size_t i = 0; sum.size() < kMegabyte; ++i)
        sum += " + 1";
    sum += "\r\n20 PRINT X > 0\r\n";
    EXPECT_EQ(RunText(sum), "Syntax error on line 20\r\n") << "a condition is no value";

    const std::string literal = "10 PRINT LEN(\"" + std::string(kMegabyte, 'x') + "\")\r\n";
    EXPECT_EQ(RunText(literal), "1.04858e+06\r\n");

    const std::string name = "10 LET " + std::string(kMegabyte, 'A') + " = 1\r\n";
    EXPECT_EQ(RunText(name), "Identifier too long on line 10\r\n");

    const std::string factorials = "10 PRINT 3" + std::string(kMegabyte, '!') + "\r\n";
    EXPECT_EQ(RunText(factorials), "inf\r\n");

    std::string concatenation = "10 LET A$ = \"a\"";
    for (int i = 0; i < 200000; ++i)
        concatenation += "+\"b\"";
    EXPECT_EQ(RunText(concatenation + "\r\n20 PRINT LEN(A$)\r\n"), "200001\r\n");
}

TEST(ScriptRobustnessTest, ManyLinesAndHugeNumbers) {
    std::string program;
    for (int i = 1; i <= 100000; ++i)
        program += std::to_string(i) + " LET X = " + std::to_string(i) + "\r\n";
    program += "100001 PRINT X\r\n100002 GOTO 99999999999999999999\r\n";
    EXPECT_EQ(RunText(program), "100000\r\nBad value on line 100002\r\n");

    EXPECT_EQ(RunText("10 DIM A(2147483647, 2147483647)\r\n"), "Out of memory on line 10\r\n");
    EXPECT_EQ(RunText("10 PRINT STRING$(2147483647, \"ab\")\r\n"), "Out of memory on line 10\r\n");
    EXPECT_EQ(RunText("10 GOTO 1E300\r\n"), "Bad value on line 10\r\n");
}

TEST(ScriptRobustnessTest, BinaryDataEndsWithAMessage) {
    std::mt19937 generator(12345);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 200; ++round) {
        std::string text;
        for (int i = 0; i < 2000; ++i) {
            // Digits at line starts make numbered lines, so the bytes reach the parser.
            text.push_back(text.empty() || text.back() == '\n'
                               ? '1' + round % 9
                               : static_cast<char>(byte(generator)));
        }
        const std::string output = RunText(text);
        EXPECT_FALSE(output.empty()) << "round " << round;
    }
}

} // namespace
