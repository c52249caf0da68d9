#include "import/ImportFlow.h"

#include "database/DatabaseConnection.h"
#include "document/QueltaDoc.h"
#include "document/ScenarioFile.h"
#include "document/TextLines.h"
#include "import/ImportedScenario.h"

#include <QFileInfo>

bool ReadImportFile(const SImportSource& source, SImportedBody& body, std::string& error) {
    std::string text;
    std::string cause;
    if (!ReadTextFile(source.file, text, cause)) {
        error = source.file + ": " + cause;
        return false;
    }
    const bool read = source.rollCall
                          ? ReadRollCallMembers(text, source.rollCallOptions, body, error)
                          : ReadCsvMembers(text, source.csvColumns, body, error);
    if (!read) {
        error = source.file + ": " + error;
        return false;
    }
    if (!source.rollCall)
        body.title =
            QFileInfo(QString::fromStdString(source.file)).completeBaseName().toStdString();
    return true;
}

bool ImportedScenarioText(const SImportedBody& body, std::string& text) {
    CQueltaDoc doc;
    if (!BuildImportedScenario(doc, body))
        return false;
    text = ScenarioText(doc);
    return true;
}

bool LoadImportedScenario(CQueltaDoc& doc, const SImportedBody& body) {
    std::string text;
    return ImportedScenarioText(body, text) && ReadScenarioText(doc, text);
}

namespace {

/// Writes the body as a scenario file; false with `error` when it cannot.
bool WriteImportedScenario(const SImportedBody& body, const std::string& path, std::string& error) {
    std::string text;
    if (!ImportedScenarioText(body, text)) {
        error = "memory exception building the scenario";
        return false;
    }
    std::string cause;
    if (!WriteTextFileAtomically(path, text, cause)) {
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
    const size_t count = body.members.size();
    outcome.summary = "imported " + std::to_string(count) + (count == 1 ? " member" : " members") +
                      " of " + body.committeeName + " into " + target;
    return outcome;
}
