#include "script/ScriptTokens.h"
#include "script/ModelFunctions.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

struct STokenCase {
    const char* name;
    const char* text;
    std::vector<EToken> kinds;
    std::vector<std::string> texts;
};

/// Every token of `text` up to its end.
void ReadAll(const std::string& text, std::vector<EToken>& kinds, std::vector<std::string>& texts) {
    CScriptTokenizer tokens;
    tokens.SetText(text);
    while (tokens.Kind() != EToken::End) {
        kinds.push_back(tokens.Kind());
        texts.emplace_back(tokens.TokenText());
        tokens.Advance();
    }
}

TEST(ScriptTokensTest, WordsAreRecognisedByBoundaryOrByPrefix) {
    using enum EToken;
    const STokenCase cases[] = {
        {"reserved word needs a boundary",
         "PRINTX PRINT1 PRINT(",
         {NumVar, NumVar, Print, LeftParen},
         {"PRINTX", "PRINT1", "PRINT", "("}},
        {"anything but a letter or digit is a boundary",
         "PRINT$",
         {Print, Unknown},
         {"PRINT", "$"}},
        {"numeric functions need a boundary",
         "VAL VALLEN VALX INT INSTR",
         {Val, ValLen, NumVar, Int, Instr},
         {"VAL", "VALLEN", "VALX", "INT", "INSTR"}},
        {"string functions by prefix",
         "CHR$X STR$( STRING$(",
         {Chr, NumVar, Str, LeftParen, StringOf, LeftParen},
         {"CHR$", "X", "STR$", "(", "STRING$", "("}},
        {"model function by prefix", "RefreshRate", {ModelFunction, NumVar}, {"Refresh", "Rate"}},
        {"longer model name first",
         "SetStatusQuoToYolk SetStatusQuo AddMemberEx AddMemberX",
         {ModelFunction, ModelFunction, ModelFunction, ModelFunction, NumVar},
         {"SetStatusQuoToYolk", "SetStatusQuo", "AddMemberEx", "AddMember", "X"}},
        {"lower case is never reserved",
         "print Refresh",
         {NumVar, ModelFunction},
         {"print", "Refresh"}},
        {"Euler's number stands alone",
         "e e1 ex e$",
         {Euler, NumVar, NumVar, Euler, Unknown},
         {"e", "e1", "ex", "e", "$"}},
        {"identifier kinds",
         "A A$ A( A$( B2$(",
         {NumVar, StrVar, NumArray, StrArray, StrArray},
         {"A", "A$", "A(", "A$(", "B2$("}},
        {"numbers",
         "1.5e3 2E-1 7. .5",
         {Number, Number, Number, Unknown, Number},
         {"1.5e3", "2E-1", "7.", ".", "5"}},
        {"exponent needs digits", "2e", {Number, Euler}, {"2", "e"}},
        {"punctuation",
         "()*/+-,;=<>!",
         {LeftParen, RightParen, Times, Divide, Plus, Minus, Comma, Semicolon, Equals, Less,
          Greater, Factorial},
         {"(", ")", "*", "/", "+", "-", ",", ";", "=", "<", ">", "!"}},
        {"unknown characters",
         "#'&:^",
         {Unknown, Unknown, Unknown, Unknown, Unknown},
         {"#", "'", "&", ":", "^"}},
        {"unclosed literal ends at the line end",
         "\"abc\n10",
         {BadString, Number},
         {"\"abc", "10"}},
    };
    for (const STokenCase& c : cases) {
        std::vector<EToken> kinds;
        std::vector<std::string> texts;
        ReadAll(c.text, kinds, texts);
        EXPECT_EQ(kinds, c.kinds) << c.name;
        EXPECT_EQ(texts, c.texts) << c.name;
    }
}

TEST(ScriptTokensTest, LiteralsJoinAndUndoubleQuotes) {
    CScriptTokenizer tokens;
    tokens.SetText("\"a\"\"b\" \"c\"  \"\"\"\" ,");
    ASSERT_EQ(tokens.Kind(), EToken::String);
    EXPECT_EQ(tokens.LiteralValue(), "a\"bc\"");
    tokens.Advance();
    EXPECT_EQ(tokens.Kind(), EToken::Comma);
}

TEST(ScriptTokensTest, RestOfLineAndNumbers) {
    CScriptTokenizer tokens;
    tokens.SetText("10 X \t\r\n20");
    EXPECT_DOUBLE_EQ(tokens.Token().number, 10);
    tokens.Advance();
    tokens.Advance();
    EXPECT_TRUE(tokens.RestOfLineIsBlank());
    EXPECT_EQ(tokens.Kind(), EToken::Number) << "the tokenizer reads across line ends";
    tokens.MoveTo(0);
    EXPECT_FALSE(tokens.RestOfLineIsBlank());
}

TEST(ScriptTokensTest, ModelFunctionTableListsLongerNamesFirst) {
    const auto functions = ModelFunctions();
    for (std::size_t i = 0; i < functions.size(); ++i) {
        for (std::size_t j = i + 1; j < functions.size(); ++j) {
            const std::string_view earlier = functions[i].name;
            EXPECT_FALSE(std::string_view(functions[j].name).starts_with(earlier))
                << functions[j].name << " can never be recognised after " << earlier;
        }
        EXPECT_EQ(FindModelFunction(functions[i].name), static_cast<int>(i));
    }
    EXPECT_EQ(FindModelFunction("Refres"), -1);
}

} // namespace
