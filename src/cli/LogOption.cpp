#include "cli/LogOption.h"

#include "cli/CliCommand.h"
#include "document/DocumentLog.h"
#include "document/QueltaDoc.h"
#include "platform/AtomicFile.h"
#include "platform/FileCause.h"
#include "platform/Platform.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <cerrno>

namespace {

/// The command line as a shell would take it back: words with blanks or shell characters in
/// single quotes, and the password of a connection string left out.
std::string CommandLineText() {
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_@%+=:,./-]+$"));
    static const QRegularExpression password(
        QStringLiteral("\\b(pwd|password)(\\s*=\\s*)(\\{[^}]*\\}|[^;]*)"),
        QRegularExpression::CaseInsensitiveOption);
    QStringList words{QStringLiteral("quelta-cli")};
    for (QString word : QCoreApplication::arguments().mid(1)) {
        word.replace(password, QStringLiteral("\\1\\2***"));
        if (!plain.match(word).hasMatch())
            word = "'" + word.replace("'", "'\\''") + "'";
        words << word;
    }
    return words.join(' ').toStdString();
}

} // namespace

void AddLogOption(QCommandLineParser& parser) {
    parser.addOption(
        {"log", "append the log to FILE, as the desktop does with logging on", "FILE"});
}

int ApplyLogOption(const QCommandLineParser& parser, CQueltaDoc& doc) {
    if (!parser.isSet("log") || doc.Log().IsOpen())
        return EXIT_OK;
    // The desktop passes over a log it cannot open; asked for one by name, the command line
    // reports it and stops.
    const std::string path = parser.value("log").toStdString();
    if (!OpenDocumentLog(doc, path)) {
        const int error = errno;
        const int refused = CheckFileTarget(path);
        ErrorBox("DOC1", "log file exception: " + path + "\n\n" +
                             FileCauseText(refused != 0 ? refused : error));
        return EXIT_FAILED;
    }
    doc.Log().SetLogging(true);
    LogRunHeader(doc, CommandLineText());
    return EXIT_OK;
}

std::string OutputName(const QString& path) {
    return path.isEmpty() || path == "-" ? "standard output" : path.toStdString();
}
