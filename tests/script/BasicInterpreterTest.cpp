#include "script/BasicInterpreter.h"
#include "platform/CRand.h"
#include "platform/HeadlessPlatform.h"
#include "script/ScriptText.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

/// Runs a program written with LF line ends (made CR LF as the Script dialog does) with the
/// output box doubling as the input box, and gives what it wrote.
std::string RunProgram(const std::string& program) {
    CScriptTextBuffer output;
    CBasicInterpreter interpreter;
    interpreter.Attach(nullptr, &output, &output);
    interpreter.Run(ScriptProgramText(program));
    return output.Text();
}

struct SProgramCase {
    const char* name;
    std::string program;
    std::string expected;
};

std::string NestedFors(int count) {
    std::string program;
    for (int i = 1; i <= count; ++i)
        program += std::to_string(i) + " FOR I" + std::to_string(i) + " = 1 TO 2\n";
    return program;
}

TEST(BasicInterpreterTest, EveryFailureWritesItsMessageWithTheLineNumber) {
    const SProgramCase cases[] = {
        {"text after the statement", "10 LET X = 1 2\n", "Syntax error on line 10\r\n"},
        {"unknown statement", "10 X = 1\n", "Syntax error on line 10\r\n"},
        {"unknown token", "10 LET X = 1 ^ 2\n", "Syntax error on line 10\r\n"},
        {"unclosed literal", "10 PRINT \"abc\n", "Syntax error on line 10\r\n"},
        {"bad relation", "10 IF 1 THEN 20\n20 PRINT 1\n", "Syntax error on line 10\r\n"},
        {"array too large", "10 DIM A(100000, 100000)\n", "Out of memory on line 10\r\n"},
        {"name too long", "10 LET ABCDEFGHIJKLMNOPQRSTUVWXYZ123456 = 1\n",
         "Identifier too long on line 10\r\n"},
        {"array never dimensioned", "10 LET A(1) = 2\n", "No such variable on line 10\r\n"},
        {"string never assigned", "10 PRINT A$\n", "No such variable on line 10\r\n"},
        {"negative size", "10 DIM A(-1)\n", "Bad subscript on line 10\r\n"},
        {"fractional size", "10 DIM A(1.5)\n", "Bad subscript on line 10\r\n"},
        {"subscript zero", "10 DIM A(3)\n20 PRINT A(0)\n", "Bad subscript on line 20\r\n"},
        {"six sizes", "10 DIM A(1,1,1,1,1,1)\n", "Too many dimensions on line 10\r\n"},
        {"three values for two", "10 DIM A(2) = 1, 2, 3\n", "Too many initialisers on line 10\r\n"},
        {"string loop variable", "10 FOR A$ = 1 TO 2\n", "Illegal type on line 10\r\n"},
        {"string next variable", "10 FOR I = 1 TO 2\n20 NEXT A$\n", "Illegal type on line 20\r\n"},
        {"33 open loops", NestedFors(33), "Too many nested fors on line 33\r\n"},
        {"skipped loop without next", "10 FOR I = 1 TO 0\n20 PRINT I\n",
         "For without matching next on line 10\r\n"},
        {"next without for", "10 NEXT I\n", "Next without matching for on line 10\r\n"},
        {"division by zero", "10 PRINT 1 / 0\n", "Divide by zero on line 10\r\n"},
        {"remainder by zero", "10 PRINT 5 MOD 0\n", "Divide by zero on line 10\r\n"},
        {"logarithm of zero", "10 PRINT LN(0)\n", "Negative logarithm on line 10\r\n"},
        {"root of negative", "10 PRINT SQRT(-1)\n", "Negative square root on line 10\r\n"},
        {"arc sine of 2", "10 PRINT ASIN(2)\n", "Sine or cosine out of range on line 10\r\n"},
        {"arc cosine of -2", "10 PRINT ACOS(-2)\n", "Sine or cosine out of range on line 10\r\n"},
        {"nothing to read", "10 INPUT A\n", "End of input file on line 10\r\n"},
        {"negative left count", "10 PRINT LEFT$(\"abc\", -1)\n", "Illegal offset on line 10\r\n"},
        {"negative right count", "10 PRINT RIGHT$(\"abc\", -1)\n", "Illegal offset on line 10\r\n"},
        {"string to number", "10 LET A = \"x\"\n", "Type mismatch on line 10\r\n"},
        {"number to string", "10 LET A$ = 1\n", "Type mismatch on line 10\r\n"},
        {"string plus number", "10 PRINT \"a\" + 1\n", "Type mismatch on line 10\r\n"},
        {"code out of range", "10 PRINT CHR$(3000000000)\n", "Bad value on line 10\r\n"},
        {"round out of range", "10 PRINT ROUND(1E12)\n", "Bad value on line 10\r\n"},
        {"fractional jump", "10 GOTO 1.5\n", "Not an integer on line 10\r\n"},
        {"fractional subscript", "10 DIM A(3)\n20 PRINT A(1.5)\n", "Not an integer on line 20\r\n"},
        {"model function without scenario", "10 CALL ShowWinSet(1)\n",
         "Syntax not supported on line10\r\n"},
        {"jump to a missing line", "10 GOTO 99\n", "line 99 not found\r\n"},
        {"jump to another negative line", "10 GOTO -5\n", "line -5 not found\r\n"},
    };
    for (const SProgramCase& c : cases)
        EXPECT_EQ(RunProgram(c.program), c.expected) << c.name;
}

TEST(BasicInterpreterTest, InputWithoutInputBoxIsNotSupported) {
    CScriptTextBuffer output;
    CBasicInterpreter interpreter;
    interpreter.Attach(nullptr, nullptr, &output);
    interpreter.Run("10 INPUT A\r\n");
    EXPECT_EQ(output.Text(), "Syntax not supported on line10\r\n");
    EXPECT_TRUE(interpreter.LastFailed());
}

TEST(BasicInterpreterTest, ValuesPrintLikePercentG) {
    const SProgramCase cases[] = {
        {"fractions and exponents", "10 PRINT 0.1, 1/3, 1E6, 1234567, 1E-5\n",
         "0.1 0.333333 1e+06 1.23457e+06 1e-05\r\n"},
        {"constants", "10 PRINT PI, e\n", "3.14159 2.71828\r\n"},
        {"negative zero and integers", "10 PRINT -0, 7, -7.5\n", "-0 7 -7.5\r\n"},
        {"factorial past double", "10 PRINT 171!, 1000!\n", "inf inf\r\n"},
        {"overflowing literal", "10 PRINT 1E999\n", "inf\r\n"},
        {"STR$", "10 PRINT STR$(2.5) + \"!\"\n", "2.5!\r\n"},
    };
    for (const SProgramCase& c : cases)
        EXPECT_EQ(RunProgram(c.program), c.expected) << c.name;
}

TEST(BasicInterpreterTest, NumericAndStringFunctions) {
    const SProgramCase cases[] = {
        {"trigonometry", "10 PRINT SIN(0), COS(0), TAN(0), ATAN(1) * 4\n", "0 1 0 3.14159\r\n"},
        {"powers and logs", "10 PRINT POW(2, 10), LN(e), SQRT(16), ABS(-3)\n", "1024 1 4 3\r\n"},
        {"rounding", "10 PRINT INT(-2.5), ROUND(2.5), ROUND(-2.5), ROUND(0.4)\n", "-3 3 -3 0\r\n"},
        {"min max mod", "10 PRINT MIN(3, 4), MAX(3, 4), -7 MOD 3, 7.5 MOD 2\n", "3 4 -1 1.5\r\n"},
        {"text lengths", "10 PRINT LEN(\"abc\"), ASCII(\"A\"), ASCII(\"\"), ASCII(CHR$(200))\n",
         "3 65 0 -56\r\n"},
        {"leading numbers", "10 PRINT VAL(\" -12.5e1x\"), VALLEN(\" -12.5e1x\"), VAL(\"x1\")\n",
         "-125 8 0\r\n"},
        {"characters", "10 PRINT CHR$(65) + CHR$(321) + \"[\" + CHR$(0) + \"]\"\n", "AA[]\r\n"},
        {"left and right", "10 PRINT LEFT$(\"abc\", 2), RIGHT$(\"abc\", 2), LEFT$(\"abc\", 9)\n",
         "ab bc abc\r\n"},
        {"repeat", "10 PRINT STRING$(3, \"ab\") + \"|\" + STRING$(-1, \"x\") + \"|\"\n",
         "ababab||\r\n"},
        {"mid with count", "10 PRINT MID$(\"abcdef\", 2, 3), MID$(\"abc\", 2, 9)\n", "bcd bc\r\n"},
        {"instr edges",
         "10 PRINT INSTR(\"abc\", \"c\", 1), INSTR(\"abc\", \"x\", 1), "
         "INSTR(\"abc\", \"a\", 0)\n",
         "3 0 0\r\n"},
    };
    for (const SProgramCase& c : cases)
        EXPECT_EQ(RunProgram(c.program), c.expected) << c.name;
}

TEST(BasicInterpreterTest, StatementsAndConditions) {
    const SProgramCase cases[] = {
        {"and or group to the right",
         "10 IF 1 = 1 OR 1 = 2 AND 1 = 2 THEN 30\n20 PRINT \"left\"\n30 PRINT \"right\"\n",
         "right\r\n"},
        {"parenthesised condition",
         "10 IF (1 = 1 OR 1 = 2) AND 1 = 2 THEN 30\n20 PRINT \"no\"\n30 PRINT \"end\"\n",
         "no\r\nend\r\n"},
        {"two-token relations",
         "10 IF 1 < > 2 THEN 30\n20 PRINT \"no\"\n30 IF 2 >= 2 THEN 50\n"
         "40 PRINT \"no\"\n50 PRINT \"yes\"\n",
         "yes\r\n"},
        {"string comparison by codes",
         "10 IF \"abc\" < \"abd\" THEN 30\n20 PRINT \"no\"\n30 PRINT \"yes\"\n", "yes\r\n"},
        {"let creates before reading", "10 LET X = X + 1\n20 PRINT X\n", "1\r\n"},
        {"names carry their kind",
         "10 LET A = 1\n20 LET A$ = \"s\"\n30 DIM A(1) = 2\n40 DIM A$(1) = \"t\"\n"
         "50 PRINT A, A$, A(1), A$(1)\n",
         "1 s 2 t\r\n"},
        {"redimension keeps storage",
         "10 DIM A(2,2) = 1, 2, 3, 4\n20 DIM A(3)\n30 PRINT A(1), A(2), A(3)\n", "1 2 3\r\n"},
        {"string array starts empty", "10 DIM S$(2)\n20 PRINT \"[\" + S$(2) + \"]\"\n", "[]\r\n"},
        {"step down", "10 FOR I = 3 TO 1 STEP -1\n20 PRINT I;\n30 NEXT I\n40 PRINT \"\"\n",
         "321\r\n"},
        {"next uses innermost loop",
         "10 FOR I = 1 TO 2\n20 FOR J = 1 TO 2\n30 PRINT I, J\n40 NEXT J\n50 NEXT I\n",
         "1 1\r\n1 2\r\n2 1\r\n2 2\r\n"},
        {"array element as loop variable",
         "10 DIM A(2)\n20 FOR A(2) = 1 TO 3\n30 NEXT A(2)\n40 PRINT A(2)\n", "4\r\n"},
        {"skip finds next of array element",
         "10 DIM A(2)\n20 FOR A(1) = 5 TO 1\n30 PRINT 0\n40 NEXT A(1)\n50 PRINT 1\n", "1\r\n"},
        {"skip to the last line stops", "10 FOR I = 1 TO 0\n20 PRINT 0\n30 NEXT I\n", ""},
        {"call discards its value", "10 CALL 1 + 2\n20 PRINT \"ok\"\n", "ok\r\n"},
        {"indented line continues a statement", "10 PRINT 1 +\n   2\n20 PRINT 4\n", "3\r\n4\r\n"},
        {"unnumbered lines are skipped", "REM\n10 PRINT 1\n\n   20 PRINT 2\n30 PRINT 3\n",
         "1\r\n3\r\n"},
        {"failed line prints nothing", "10 PRINT 1, Y, 3\n", "No such variable on line 10\r\n"},
    };
    for (const SProgramCase& c : cases)
        EXPECT_EQ(RunProgram(c.program), c.expected) << c.name;
}

TEST(BasicInterpreterTest, LoadingRules) {
    const SProgramCase cases[] = {
        {"empty text", "", "ERROR: Can't read program\r\n"},
        {"blank text", "   ", "ERROR: Can't read program\r\n"},
        {"one line without line feed", "10 PRINT 7", "7\r\n"},
        {"last line without line feed", "10 PRINT 1\n20 PRINT 2", "1\r\n2\r\n"},
        {"decreasing numbers", "20 PRINT 1\n10 PRINT 2\n",
         "ERROR: Program lines 20 and 10 are not in order\r\n"},
        {"huge line number", "99999999999 PRINT Y\n", "No such variable on line 2147483647\r\n"},
    };
    for (const SProgramCase& c : cases) {
        CScriptTextBuffer output;
        CBasicInterpreter interpreter;
        interpreter.Attach(nullptr, nullptr, &output);
        interpreter.Run(c.program);
        EXPECT_EQ(output.Text(), c.expected) << c.name;
    }
}

TEST(BasicInterpreterTest, RunReportsLineCountAndFailure) {
    CScriptTextBuffer output;
    CBasicInterpreter interpreter;
    interpreter.Attach(nullptr, nullptr, &output);
    EXPECT_EQ(interpreter.Run("10 PRINT 1\r\nREM\r\n20 GOTO -1\r\n30 PRINT 2\r\n"), 3);
    EXPECT_FALSE(interpreter.LastFailed());
    EXPECT_EQ(interpreter.LineCount(), 0) << "a whole run discards its state";
    EXPECT_EQ(interpreter.Run("10 PRINT Y\r\n"), 1);
    EXPECT_TRUE(interpreter.LastFailed());
    EXPECT_EQ(interpreter.Run("\r\n"), -1);
    EXPECT_TRUE(interpreter.LastFailed());
}

TEST(BasicInterpreterTest, StepFollowsLoopsAndJumps) {
    const std::string program = "10 FOR I = 1 TO 2\r\n20 PRINT I\r\n30 NEXT I\r\n40 GOTO 60\r\n"
                                "50 PRINT \"skipped\"\r\n60 PRINT \"end\"\r\n";
    CScriptTextBuffer output;
    CBasicInterpreter interpreter;
    interpreter.Attach(nullptr, nullptr, &output);
    int position = 0;
    std::vector<int> positions;
    do {
        position = interpreter.Step(position, program);
        positions.push_back(position);
    } while (position >= 0 && position < interpreter.LineCount());
    EXPECT_EQ(positions, (std::vector<int>{1, 2, 1, 2, 3, 5, 6}));
    EXPECT_EQ(output.Text(), "1\r\n2\r\nend\r\n");
    EXPECT_EQ(interpreter.Step(6, program), 6) << "past the end nothing runs";
    EXPECT_EQ(interpreter.Step(-1, program), -1);
}

TEST(BasicInterpreterTest, StepKeepsStateAfterAFailure) {
    const std::string program = "10 LET X = 1/0\r\n20 PRINT X\r\n30 GOTO 99\r\n";
    CScriptTextBuffer output;
    CBasicInterpreter interpreter;
    interpreter.Attach(nullptr, nullptr, &output);
    EXPECT_EQ(interpreter.Step(0, program), -1);
    EXPECT_EQ(interpreter.Step(1, program), 2) << "the failed division left its left operand";
    EXPECT_EQ(interpreter.Step(2, program), -1);
    EXPECT_EQ(output.Text(), "Divide by zero on line 10\r\n1\r\nline 99 not found\r\n");
    EXPECT_EQ(interpreter.Step(0, "no program\r\n"), 0);
    EXPECT_EQ(interpreter.LineCount(), 0);
}

TEST(BasicInterpreterTest, InputReadsTheLastNonEmptyLine) {
    EXPECT_EQ(RunProgram("10 PRINT \"42\";\n20 INPUT N\n30 PRINT N * 2\n"), "42\r\n84\r\n")
        << "the output box doubles as the input box";
    CScriptTextBuffer input(" first\n  second \r\n\n\n");
    CScriptTextBuffer output;
    CBasicInterpreter interpreter;
    interpreter.Attach(nullptr, &input, &output);
    interpreter.Run("10 INPUT A$\r\n20 PRINT \"[\" + A$ + \"]\"\r\n30 INPUT B\r\n40 PRINT B\r\n");
    EXPECT_EQ(output.Text(), "\r\n[  second ]\r\n\r\n0\r\n");
}

TEST(BasicInterpreterTest, RandomFunctionsFollowTheSystemGenerator) {
    EXPECT_EQ(RunProgram("10 CALL SEED(1)\n20 PRINT RND(32767), RND(32767), RND(-1), "
                         "RND(32767)\n"),
              "41 18467 -1 41\r\n");
    EXPECT_EQ(RunProgram("10 CALL SEED(1)\n20 PRINT URND()\n"),
              FormatScriptNumber(2.0 * 41 / 32767 - 1) + "\r\n");
    // The normal pair: the second call gives the kept value without drawing again.
    CRand::Seed(7);
    double u = 0, v = 0, s = 0;
    do {
        u = 2.0 * CRand::Next() / 32767 - 1;
        v = 2.0 * CRand::Next() / 32767 - 1;
        s = u * u + v * v;
    } while (!(s > 0 && s < 1));
    const double factor = std::sqrt(-2 * std::log(s) / s);
    const int next = CRand::Next();
    EXPECT_EQ(RunProgram("10 CALL SEED(7)\n20 PRINT ZRND(), ZRND(), RND(32767)\n"),
              FormatScriptNumber(v * factor) + " " + FormatScriptNumber(u * factor) + " " +
                  std::to_string(next) + "\r\n");
}

TEST(BasicInterpreterTest, CancelRequestInterruptsAnEndlessRun) {
    CRecordingPlatform platform;
    CScopedPlatform scope(platform);
    platform.RequestCancelAfter(2);
    CScriptTextBuffer output;
    CBasicInterpreter interpreter;
    interpreter.Attach(nullptr, nullptr, &output);
    EXPECT_EQ(interpreter.Run("10 LET X = 1\r\n20 FOR I = 1 TO 2 STEP 0\r\n30 NEXT I\r\n"), 3);
    EXPECT_EQ(output.Text(), "Interrupted on line 30\r\n");
    EXPECT_TRUE(interpreter.LastFailed());
}

} // namespace
