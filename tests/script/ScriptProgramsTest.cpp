// Runs every program of tests/data/script (NAME.bas) and compares what it writes, byte for
// byte, with NAME.out. When NAME.in exists it is the input box; otherwise, as in the Script
// dialog, the output box doubles as the input box.
#include "platform/HeadlessPlatform.h"
#include "script/BasicInterpreter.h"
#include "script/ScriptText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

const std::filesystem::path kProgramFolder = std::filesystem::path(QUELTA_TEST_DATA) / "script";

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::vector<std::string> ProgramNames() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(kProgramFolder)) {
        if (entry.path().extension() == ".bas")
            names.push_back(entry.path().stem().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

class ScriptProgramTest : public testing::TestWithParam<std::string> {};

TEST_P(ScriptProgramTest, WritesExactlyTheExpectedOutput) {
    const std::filesystem::path base = kProgramFolder / GetParam();
    const std::filesystem::path inputPath = base.string() + ".in";
    CScriptTextBuffer output;
    CScriptTextBuffer input(std::filesystem::exists(inputPath) ? ReadFile(inputPath) : "");
    CRecordingPlatform platform;
    CScopedPlatform scope(platform);
    CBasicInterpreter interpreter;
    interpreter.Attach(nullptr, std::filesystem::exists(inputPath) ? &input : &output, &output);
    interpreter.Run(ScriptProgramText(ReadFile(base.string() + ".bas")));
    EXPECT_EQ(output.Text(), ReadFile(base.string() + ".out"));
}

INSTANTIATE_TEST_SUITE_P(Programs, ScriptProgramTest, testing::ValuesIn(ProgramNames()),
                         [](const testing::TestParamInfo<std::string>& info) {
                             return info.param;
                         });

} // namespace
