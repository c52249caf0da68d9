#include "document/DocumentLog.h"

#include "document/QueltaDoc.h"
#include "platform/Platform.h"

#include <new>

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
