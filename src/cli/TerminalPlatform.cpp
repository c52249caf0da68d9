#include "cli/TerminalPlatform.h"

#include "platform/ErrorText.h"

#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <mutex>
#include <optional>

namespace {

std::mutex warningsMutex;
std::string pendingWarnings;

void KeepWarning(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtDebugMsg || type == QtInfoMsg)
        return;
    const std::lock_guard<std::mutex> lock(warningsMutex);
    pendingWarnings += (pendingWarnings.empty() ? "" : "; ") + message.simplified().toStdString();
}

std::string TakeWarnings() {
    const std::lock_guard<std::mutex> lock(warningsMutex);
    std::string warnings;
    warnings.swap(pendingWarnings);
    return warnings;
}

/// Folds line ends (and the blank lines between paragraphs) into "; ", or into a blank after a
/// line that ends a sentence or introduces what follows.
std::string OneLine(const std::string& text) {
    std::string line;
    bool pendingBreak = false;
    for (const char c : text) {
        if (c == '\n' || c == '\r') {
            pendingBreak = !line.empty();
            continue;
        }
        if (pendingBreak && line.back() != ':' && line.back() != '.')
            line += ";";
        if (pendingBreak)
            line += ' ';
        pendingBreak = false;
        line += c;
    }
    return line;
}

/// Advice as a hint after a message: one line, led by a small letter, without the full stop.
std::string Hint(const std::string& advice) {
    std::string hint = OneLine(advice);
    if (!hint.empty() && hint.back() == '.')
        hint.pop_back();
    if (!hint.empty() && hint[0] >= 'A' && hint[0] <= 'Z')
        hint[0] = static_cast<char>(hint[0] - 'A' + 'a');
    return hint;
}

/// Whether a driver's report says that a table is missing (SQLite, PostgreSQL, SQL Server); a
/// database file that does not exist is no missing table.
bool MentionsMissingTable(const std::string& text) {
    const auto has = [&text](const char* sign) { return text.find(sign) != std::string::npos; };
    return has("no such table") || has("Invalid object name") ||
           (has("relation \"") && has("does not exist"));
}

} // namespace

std::string TerminalMessage(const std::string& text) {
    return MessageLine(text, TakeWarnings());
}

std::string MessageLine(const std::string& text, const std::string& warnings) {
    const std::optional<SErrorTextParts> box = SplitErrorText(text);
    std::string line = box ? box->code + ": " + OneLine(box->message) : OneLine(text);
    if (!warnings.empty())
        line += " (" + warnings + ")";
    std::string hint = box ? Hint(box->advice) : "";
    if (MentionsMissingTable(line))
        hint = "run `quelta-cli db init` to create the tables";
    if (hint.empty())
        return line;
    if (line.back() == '.')
        line.pop_back();
    return line + "; " + hint;
}

void CollectLibraryWarnings() {
    qInstallMessageHandler(KeepWarning);
}

EMsgAnswer CTerminalPlatform::MessageBox(const std::string& text, const std::string& title,
                                         EMsgButtons buttons) {
    std::fprintf(stderr, "quelta-cli: %s\n", TerminalMessage(text).c_str());
    return CHeadlessPlatform::MessageBox(text, title, buttons);
}

EMsgAnswer CCliMessages::MessageBox(const std::string& text, const std::string& title,
                                    EMsgButtons buttons) {
    const EMsgAnswer answer = CForwardingPlatform::MessageBox(text, title, buttons);
    m_texts.push_back(MessageLine(text, ""));
    return answer;
}
