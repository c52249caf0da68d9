#include "import/ImportCommand.h"

#include "document/EditSteps.h"
#include "document/FileCommands.h"
#include "document/QueltaDoc.h"
#include "platform/ErrorText.h"
#include "platform/Platform.h"

namespace {

/// The settings the dialog opens with: the roll-call defaults at first, then the last import's.
SImportSource& LastImportSource() {
    static SImportSource last = [] {
        SImportSource source;
        source.rollCallOptions.chamber = "House";
        return source;
    }();
    return last;
}

/// Puts the imported body in place of the scenario, as the standard reader reads it back from
/// the file `quelta-cli import` writes; false when memory ran out.
bool LoadImportedBody(CQueltaDoc& doc, const SImportedBody& body) {
    if (!LoadImportedScenario(doc, body))
        return false;
    // A scenario that a program placed, named as a generated one is: saved through the save
    // dialog, which offers its name, never the imported file's. Its own source kind keeps the
    // File > New items unchecked, since none of them made it.
    doc.SetPathName(body.title);
    doc.Header().sourceKind = SOURCE_IMPORTED;
    doc.LogSummary(true);
    doc.RefreshAndModify();
    // Started once the scenario is modified: it was never saved, and an undo back to it keeps
    // saying so.
    RestartHistory(doc);
    return true;
}

} // namespace

std::string ImportSourceProblem(const SImportSource& source) {
    if (source.file.empty())
        return "\"File\" must name the file to import.";
    if (source.rollCall) {
        if (source.rollCallOptions.congress < 1)
            return "\"Congress\" must be a whole number, 1 or more.";
        if (source.rollCallOptions.chamber != "House" && source.rollCallOptions.chamber != "Senate")
            return "\"Chamber\" must be House or Senate.";
        return {};
    }
    if (source.csvColumns.h.empty() || source.csvColumns.v.empty())
        return "\"Horizontal\" and \"Vertical\" must name the columns of the positions.";
    return {};
}

bool ImportScenarioCommand(CQueltaDoc& doc) {
    if (!MayReplaceScenario(doc))
        return false;
    CImportQuestion question(LastImportSource());
    Platform().Ask(question);
    if (!question.Answer())
        return false;
    const SImportSource& source = *question.Answer();
    LastImportSource() = source;
    if (const std::string problem = ImportSourceProblem(source); !problem.empty()) {
        UserErrorBox("IMPORT", problem, "Fill in the Import dialog, then import again.");
        return false;
    }
    SImportedBody body;
    std::string error;
    if (!ReadImportFile(source, body, error)) {
        UserErrorBox("IMPORT", "The file could not be imported:\n" + error,
                     "Check that the file is of the kind chosen and holds the columns named, "
                     "then import it again.");
        return false;
    }
    if (!LoadImportedBody(doc, body)) {
        ErrorBox("IMPORT", "memory exception");
        return false;
    }
    if (const std::string leftOut = body.LeftOutMessage(); !leftOut.empty())
        MessageBoxOk(source.file + ": " + leftOut, "Import");
    return true;
}
