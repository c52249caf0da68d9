#include "cli/LogOption.h"

#include "cli/CliCommand.h"
#include "document/DocumentLog.h"
#include "document/QueltaDoc.h"
#include "platform/Platform.h"

void AddLogOption(QCommandLineParser& parser) {
    parser.addOption(
        {"log", "append the log to FILE, as the desktop does with logging on", "FILE"});
}

int ApplyLogOption(const QCommandLineParser& parser, CQueltaDoc& doc) {
    if (!parser.isSet("log") || doc.Log().IsOpen())
        return EXIT_OK;
    // The desktop passes over a log it cannot open; asked for one by name, the command line
    // reports it and stops.
    if (!OpenDocumentLog(doc, parser.value("log").toStdString())) {
        ErrorBox("DOC1", "log file exception");
        return EXIT_FAILED;
    }
    doc.Log().SetLogging(true);
    return EXIT_OK;
}
