// Model functions that start, open, save and close scenarios.
#include "document/QueltaDoc.h"
#include "document/ScenarioFile.h"
#include "document/ScenarioGenerators.h"
#include "montecarlo/MonteCarloSettings.h"
#include "platform/Platform.h"
#include "script/ScriptBindings.h"

#include <algorithm>

namespace {

/// A save path with ".txt" appended when it holds no "." anywhere.
std::string WithTxtRule(const std::string& path) {
    return path.find('.') == std::string::npos ? path + ".txt" : path;
}

/// Writes the scenario under a new data source; a failed write leaves the document's path and
/// name as they were (and the file on disk untouched).
bool WriteTo(CQueltaDoc& doc, const std::string& path, bool alsoName) {
    const std::string oldPath = doc.PathName();
    const std::string oldName = doc.Header().scenarioName;
    doc.SetPathName(WithTxtRule(path));
    if (alsoName)
        doc.Header().scenarioName = path;
    if (WriteScenarioFile(doc))
        return true;
    doc.SetPathName(oldPath);
    doc.Header().scenarioName = oldName;
    return false;
}

/// Saves in the scenario's own place: files in place, generated scenarios under a name the
/// platform asks for; bargain, XY-file and database scenarios are not saved here.
bool SaveInOwnPlace(CQueltaDoc& doc) {
    switch (doc.Header().sourceKind) {
    case SOURCE_STANDARD_FILE:
        return WriteScenarioFile(doc);
    case SOURCE_WHITEBOARD:
    case SOURCE_MONTE_CARLO:
    case SOURCE_REGULAR_POLYGON: {
        const std::string path =
            Platform().AskSaveFileName("Save As", doc.PathName(), "files (*.txt)|*.txt||");
        return !path.empty() && WriteTo(doc, path, false);
    }
    default:
        return false;
    }
}

/// Whether a loaded scenario may be replaced: an unmodified one when the user confirms, a
/// modified one when the user declines to save or saves successfully.
bool MayReplace(CQueltaDoc& doc) {
    if (doc.Header().sourceKind == SOURCE_NONE)
        return true;
    if (!doc.IsModified())
        return Platform().MessageBox("Do you really want to close?", "Quelta",
                                     EMsgButtons::YesNoCancel) == EMsgAnswer::Yes;
    switch (
        Platform().MessageBox("Do you want to save changes?", "Quelta", EMsgButtons::YesNoCancel)) {
    case EMsgAnswer::No:
        return true;
    case EMsgAnswer::Yes:
    case EMsgAnswer::Ok:
        return SaveInOwnPlace(doc);
    default:
        return false;
    }
}

SScriptValue NewFile(CScriptCall& call) {
    CQueltaDoc& doc = call.Doc();
    return ScriptResult(MayReplace(doc) && NewWhiteboard(doc, call.Text(0)));
}

SScriptValue OpenFile(CScriptCall& call) {
    CQueltaDoc& doc = call.Doc();
    CWaitCursor wait;
    Platform().SetStatusText(1, "Opening file...");
    const bool read = ReadScenarioFile(doc, call.Text(0));
    Platform().SetStatusText(1, " ");
    Platform().RefreshViews();
    doc.SetModifiedFlag(false);
    return ScriptResult(read);
}

SScriptValue SaveFile(CScriptCall& call) {
    return ScriptResult(SaveInOwnPlace(call.Doc()));
}

SScriptValue SaveAsFile(CScriptCall& call) {
    if (call.Text(0).empty())
        return ScriptResult(false);
    return ScriptResult(WriteTo(call.Doc(), call.Text(0), true));
}

SScriptValue CloseFile(CScriptCall& call) {
    CQueltaDoc& doc = call.Doc();
    if (doc.Header().sourceKind == SOURCE_NONE || !MayReplace(doc))
        return ScriptResult(false);
    doc.ResetScenario();
    return ScriptOne();
}

SScriptValue Whiteboard(CScriptCall& call) {
    CQueltaDoc& doc = call.Doc();
    return ScriptResult(MayReplace(doc) && NewWhiteboard(doc, "Whiteboard"));
}

/// The draw's settings from the arguments: title, seed, count, type, distribution (both
/// axes), mean and spread of each axis.
SMonteCarloSettings MonteCarloArguments(const CScriptCall& call) {
    SMonteCarloSettings settings;
    settings.seed = call.Integer(1);
    settings.members = call.Integer(2);
    settings.prefType = call.Integer(3);
    settings.distributionH = settings.distributionV = call.Integer(4);
    settings.meanH = call.Number(5);
    settings.stdDevH = call.Number(6);
    settings.meanV = call.Number(7);
    settings.stdDevV = call.Number(8);
    return settings;
}

SScriptValue NewMonteCarlo(CScriptCall& call) {
    SMonteCarloSettings settings = MonteCarloArguments(call);
    // Settings that cannot be drawn are refused before the scenario is given up.
    if (const std::string problem = MonteCarloSettingsProblem(settings); !problem.empty()) {
        MessageBoxOk(problem);
        return ScriptResult(false);
    }
    CQueltaDoc& doc = call.Doc();
    if (!MayReplace(doc))
        return ScriptResult(false);
    // Enough candidates for any distribution that puts a member in the box now and then; one
    // that never does ends with a message instead of drawing for ever.
    const std::int64_t candidates = std::max<std::int64_t>(1000000, 1000LL * settings.members);
    return ScriptResult(::NewMonteCarlo(doc, call.Text(0), settings, candidates) ==
                        EMonteCarloResult::Generated);
}

SScriptValue Refresh(CScriptCall& call) {
    call.Doc().Game().InvalidateAll();
    call.Doc().RefreshAndModify();
    return ScriptOne();
}

const SScriptBinding kBindings[] = {
    {"NewFile", NewFile},
    {"OpenFile", OpenFile},
    {"SaveFile", SaveFile},
    {"SaveAsFile", SaveAsFile},
    {"CloseFile", CloseFile},
    {"Whiteboard", Whiteboard},
    {"NewMonteCarlo", NewMonteCarlo},
    {"SaveMonteCarlo", SaveFile},
    {"SaveAsMonteCarlo", SaveAsFile},
    {"Refresh", Refresh},
};

} // namespace

std::span<const SScriptBinding> FileScriptBindings() {
    return kBindings;
}
