// Model functions that start, open, save and close scenarios.
#include "document/DisplayCommands.h"
#include "document/FileCommands.h"
#include "document/QueltaDoc.h"
#include "document/ScenarioGenerators.h"
#include "montecarlo/MonteCarloSettings.h"
#include "platform/FileCause.h"
#include "platform/Platform.h"
#include "script/ScriptBindings.h"

#include <algorithm>
#include <cerrno>
#include <sys/stat.h>

namespace {

SScriptValue NewFile(CScriptCall& call) {
    return ScriptResult(NewScenarioWithTitle(call.Doc(), call.Text(0)));
}

/// Opens a scenario file for the script. Anything but a regular file (a FIFO that would wait
/// for a writer for ever, a device that never ends) is refused as a file that cannot be read.
SScriptValue OpenFile(CScriptCall& call) {
    const std::string& path = call.Text(0);
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
        ErrorBox("CQueltaDoc::OpenFile()",
                 "error reading file: " + path + "\n\n" + FileCauseText(EACCES));
        return ScriptResult(false);
    }
    return ScriptResult(OpenScenarioPath(call.Doc(), path));
}

/// The script's save; a scenario with a file of its own that could not be written counts as a
/// failed save (a save that only asks for a name is the user's to cancel).
SScriptValue SaveFile(CScriptCall& call) {
    CQueltaDoc& doc = call.Doc();
    const bool ownFile = doc.Header().sourceKind == SOURCE_STANDARD_FILE;
    const bool saved = SaveScenario(doc);
    if (!saved && ownFile)
        call.NoteFailedSave();
    return ScriptResult(saved);
}

/// The script's save-as; a failed write leaves the document's path and name as they were,
/// as it leaves the file on disk.
SScriptValue SaveAsFile(CScriptCall& call) {
    CQueltaDoc& doc = call.Doc();
    const std::string oldPath = doc.PathName();
    const std::string oldName = doc.Header().scenarioName;
    if (SaveScenarioToPath(doc, call.Text(0)))
        return ScriptOne();
    doc.SetPathName(oldPath);
    doc.Header().scenarioName = oldName;
    if (!call.Text(0).empty())
        call.NoteFailedSave();
    return ScriptResult(false);
}

SScriptValue CloseFile(CScriptCall& call) {
    return ScriptResult(CloseScenario(call.Doc()));
}

SScriptValue Whiteboard(CScriptCall& call) {
    return ScriptResult(NewScenarioWithTitle(call.Doc(), "Whiteboard"));
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
    if (!MayReplaceScenario(doc))
        return ScriptResult(false);
    // Enough candidates for any distribution that puts a member in the box now and then; one
    // that never does ends with a message instead of drawing for ever.
    const std::int64_t candidates = std::max<std::int64_t>(1000000, 1000LL * settings.members);
    return ScriptResult(::NewMonteCarlo(doc, call.Text(0), settings, candidates) ==
                        EMonteCarloResult::Generated);
}

SScriptValue Refresh(CScriptCall& call) {
    RefreshScenario(call.Doc());
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
