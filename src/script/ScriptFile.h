#pragma once

#include <optional>
#include <string>
#include <string_view>

/// The lines of a script as the Script window keeps and saves them: every non-empty line of
/// `text` (line ends CR LF, LF or CR), each followed by a line feed.
std::string ScriptLinesText(std::string_view text);

/// The name a script is saved under: ".bas" is added when the file name has no extension.
std::string WithScriptExtension(const std::string& path);

/// A script file read for the Input box.
struct SScriptFile {
    std::string path;
    std::string lines; ///< the file's non-empty lines, each followed by a line feed
};

/// Asks for a script file to open ("files (*.bas)|*.bas||") and reads it; nothing when the user
/// cancelled or the file could not be read (the cause has been shown).
std::optional<SScriptFile> AskAndReadScriptFile();

/// Asks for the name to save the Input box's script under, proposing `suggested`, asks before
/// replacing a file the question did not show, and writes the script's non-empty lines. Gives
/// the path written; nothing when the user cancelled or the file could not be written (the
/// cause has been shown).
std::optional<std::string> AskAndSaveScriptFile(const std::string& suggested,
                                                std::string_view editorText);
