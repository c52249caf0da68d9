#pragma once

#include <QString>

#include <string>

/// Prints one error line on stderr: "quelta-cli: message".
void PrintCliError(const std::string& message);

/// Writes the text to the file named (in one step, the old file kept on failure), or to stdout
/// when the name is empty or "-"; false, with the reason on stderr, when it could not.
bool WriteCliOutput(const QString& path, const std::string& text);
