#include "script/ScriptFile.h"

#include "document/TextLines.h"
#include "platform/Platform.h"

#include <filesystem>

namespace {

constexpr const char* kScriptFilter = "files (*.bas)|*.bas||";

} // namespace

std::string ScriptLinesText(std::string_view text) {
    std::string lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = text.size();
        if (end > start)
            lines.append(text.substr(start, end - start)).push_back('\n');
        start = end + 1;
    }
    return lines;
}

std::string WithScriptExtension(const std::string& path) {
    if (path.empty() || std::filesystem::path(path).has_extension())
        return path;
    return path + ".bas";
}

std::optional<SScriptFile> AskAndReadScriptFile() {
    const std::string path = Platform().AskOpenFileName("Open Script", kScriptFilter);
    if (path.empty())
        return std::nullopt;
    std::string text;
    std::string cause;
    if (!ReadTextFile(path, text, cause)) {
        MessageBoxOk(path + "\n" + cause);
        return std::nullopt;
    }
    return SScriptFile{path, ScriptLinesText(text)};
}

std::optional<std::string> AskAndSaveScriptFile(const std::string& suggested,
                                                std::string_view editorText) {
    const std::string chosen = Platform().AskSaveFileName("Save Script", suggested, kScriptFilter);
    if (chosen.empty())
        return std::nullopt;
    const std::string path = WithScriptExtension(chosen);
    // The file question has asked about the name as typed; a name that only now got its
    // extension may still hit an existing file.
    std::error_code error;
    if (path != chosen && std::filesystem::exists(path, error) &&
        Platform().MessageBox(path + " already exists.\nDo you want to replace it?", "Save Script",
                              EMsgButtons::YesNo) != EMsgAnswer::Yes)
        return std::nullopt;
    std::string cause;
    if (!WriteTextFileAtomically(path, ScriptLinesText(editorText), cause)) {
        MessageBoxOk(path + "\n" + cause);
        return std::nullopt;
    }
    return path;
}
