#include "import/ImportFlow.h"

#include "database/DatabaseConnection.h"
#include "document/QueltaDoc.h"
#include "document/ScenarioFile.h"
#include "document/TextLines.h"
#include "import/ImportedScenario.h"

#include <QFileInfo>

bool ReadImportFile(const SImportRequest& request, SImportedBody& body, std::string& error) {
    std::string text;
    std::string cause;
    if (!ReadTextFile(request.file, text, cause)) {
        error = request.file + ": " + cause;
        return false;
    }
    const bool read = request.rollCall
                          ? ReadRollCallMembers(text, request.rollCallOptions, body, error)
                          : ReadCsvMembers(text, request.csvColumns, body, error);
    if (!read) {
        error = request.file + ": " + error;
        return false;
    }
    if (!request.rollCall)
        body.title =
            QFileInfo(QString::fromStdString(request.file)).completeBaseName().toStdString();
    return true;
}

namespace {

/// Writes the body as a scenario file; false with `error` when it cannot.
bool WriteImportedScenario(const SImportedBody& body, const std::string& path, std::string& error) {
    CQueltaDoc doc;
    if (!BuildImportedScenario(doc, body)) {
        error = "memory exception building the scenario";
        return false;
    }
    std::string cause;
    if (!WriteTextFileAtomically(path, ScenarioText(doc), cause)) {
        error = path + ": " + cause;
        return false;
    }
    return true;
}

} // namespace

SImportOutcome RunImport(const SImportRequest& request) {
    SImportOutcome outcome;
    SImportedBody body;
    if (!ReadImportFile(request, body, outcome.error))
        return outcome;
    const bool toDatabase = !request.connection.empty();
    const std::string target =
        toDatabase ? DataSourceName(request.connection) : request.scenarioFile;
    outcome.ok = toDatabase ? WriteImportedLegislature(body, request.connection, outcome.error)
                            : WriteImportedScenario(body, request.scenarioFile, outcome.error);
    if (!outcome.ok) {
        if (toDatabase)
            outcome.error = target + ": " + outcome.error;
        return outcome;
    }
    outcome.leftOut = body.LeftOutMessage();
    outcome.summary = "imported " + std::to_string(body.members.size()) + " members of " +
                      body.committeeName + " into " + target;
    return outcome;
}
