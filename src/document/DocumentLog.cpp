#include "document/DocumentLog.h"

#include "document/QueltaDoc.h"
#include "platform/Platform.h"
#include "platform/Version.h"

#include <QDateTime>

#include <new>
#include <sstream>

namespace {

/// A log that cannot start is fatal: the program ends once the box is closed.
void FatalLogError(const std::string& message) {
    ErrorBox("DOC1", message);
    Platform().ExitProgram(1);
}

} // namespace

bool OpenDocumentLog(CQueltaDoc& doc, const std::string& path) {
    try {
        switch (doc.Log().Open(path)) {
        case ELogOpen::Opened:
            return true;
        case ELogOpen::NotOpened:
            return false;
        case ELogOpen::WriteFailed:
            FatalLogError("log file exception");
            return false;
        }
    } catch (const std::bad_alloc&) {
        FatalLogError("memory exception");
    }
    return false;
}

void ToggleLogging(CQueltaDoc& doc) {
    CScenarioLog& log = doc.Log();
    log.SetLogging(!log.IsLogging());
    if (log.IsLogging())
        doc.LogSummary(false);
}

void LogRunHeader(CQueltaDoc& doc, const std::string& commandLine) {
    const QDateTime now = QDateTime::currentDateTime();
    const QDateTime stamped = now.toOffsetFromUtc(now.offsetFromUtc());
    CScenarioLog& log = doc.Log();
    log.LogLine("Time        = " + stamped.toString(Qt::ISODate).toStdString());
    log.LogLine("Command     = " + commandLine);
    log.LogLine(std::string("Version     = ") + QueltaVersion());
}

void LogResults(CQueltaDoc& doc, const std::string& text) {
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);)
        doc.Log().LogLine(line);
}

void LogRunEntry(CQueltaDoc& doc, const std::string& name, const std::string& value) {
    std::string line = name;
    if (line.size() < 11)
        line.resize(11, ' ');
    doc.Log().LogLine(line + " = " + value);
}
