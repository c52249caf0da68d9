#include "script/ScriptTextBox.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

/// What a stream box wrote to its stream for the given pieces, and the line INPUT reads then.
std::pair<std::string, std::optional<std::string>>
Streamed(const std::vector<std::string_view>& pieces) {
    std::FILE* file = std::tmpfile();
    std::optional<std::string> input;
    {
        CScriptStreamBox box(file);
        for (const std::string_view piece : pieces)
            box.Append(piece);
        input = box.InputLine();
    }
    std::string written(static_cast<std::size_t>(std::ftell(file)), '\0');
    std::rewind(file);
    written.resize(std::fread(written.data(), 1, written.size(), file));
    std::fclose(file);
    return {written, input};
}

TEST(ScriptTextBoxTest, AStreamBoxWritesLineFeedsForTheInterpretersLineEnds) {
    EXPECT_EQ(Streamed({"a\r\n", "b\r\n"}).first, "a\nb\n");
    EXPECT_EQ(Streamed({"a\r", "\nb\r", "", "\n"}).first, "a\nb\n") << "an end split in two";
    EXPECT_EQ(Streamed({"a\rb", "c\r", "d"}).first, "a\rbc\rd") << "a lone return stays";
    EXPECT_EQ(Streamed({"a\r"}).first, "a\r") << "a return at the very end is written at last";
    EXPECT_EQ(Streamed({"6\r\n", "42"}).second, "42") << "INPUT reads as before";
}

} // namespace
