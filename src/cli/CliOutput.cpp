#include "cli/CliOutput.h"

#include "document/TextLines.h"

#include <cstdio>

void PrintCliError(const std::string& message) {
    std::fprintf(stderr, "quelta-cli: %s\n", message.c_str());
}

bool WriteCliOutput(const QString& path, const std::string& text) {
    if (path.isEmpty() || path == "-")
        return std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
    std::string cause;
    if (WriteTextFileAtomically(path.toStdString(), text, cause))
        return true;
    PrintCliError(path.toStdString() + ": " + cause);
    return false;
}
