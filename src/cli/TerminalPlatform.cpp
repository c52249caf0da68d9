#include "cli/TerminalPlatform.h"

#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <mutex>

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

/// The error box's text around its code and message, found from the box itself so that the
/// box may word its advice as it likes.
struct SErrorBoxShape {
    std::string beforeCode;
    std::string betweenCodeAndMessage;
    std::string afterMessage;
};

const SErrorBoxShape& ErrorBoxShape() {
    static const SErrorBoxShape shape = [] {
        const std::string text = ErrorBoxText("\x01", "\x02");
        const size_t code = text.find('\x01');
        const size_t message = text.find('\x02');
        return SErrorBoxShape{text.substr(0, code), text.substr(code + 1, message - code - 1),
                              text.substr(message + 1)};
    }();
    return shape;
}

/// "CODE: message" for the text of an error box; the text itself for any other.
std::string WithoutBox(const std::string& text) {
    const SErrorBoxShape& shape = ErrorBoxShape();
    const size_t minimum =
        shape.beforeCode.size() + shape.betweenCodeAndMessage.size() + shape.afterMessage.size();
    if (text.size() < minimum || text.rfind(shape.beforeCode, 0) != 0 ||
        text.compare(text.size() - shape.afterMessage.size(), std::string::npos,
                     shape.afterMessage) != 0)
        return text;
    const std::string inner = text.substr(
        shape.beforeCode.size(), text.size() - shape.beforeCode.size() - shape.afterMessage.size());
    const size_t split = inner.find(shape.betweenCodeAndMessage);
    if (split == std::string::npos)
        return text;
    return inner.substr(0, split) + ": " + inner.substr(split + shape.betweenCodeAndMessage.size());
}

/// Folds line ends (and the blank lines between paragraphs) into "; ".
std::string OneLine(const std::string& text) {
    std::string line;
    bool pendingBreak = false;
    for (const char c : text) {
        if (c == '\n' || c == '\r') {
            pendingBreak = !line.empty();
            continue;
        }
        if (pendingBreak && line.back() != ':')
            line += ";";
        if (pendingBreak)
            line += ' ';
        pendingBreak = false;
        line += c;
    }
    return line;
}

bool MentionsMissingTable(const std::string& text) {
    for (const char* sign : {"no such table", "does not exist", "Invalid object name"})
        if (text.find(sign) != std::string::npos)
            return true;
    return false;
}

} // namespace

std::string TerminalMessage(const std::string& text) {
    std::string line = OneLine(WithoutBox(text));
    if (const std::string warnings = TakeWarnings(); !warnings.empty())
        line += " (" + warnings + ")";
    if (MentionsMissingTable(line))
        line += "; run `quelta-cli db init` to create the tables";
    return line;
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
    m_texts.push_back(OneLine(WithoutBox(text)));
    return answer;
}
