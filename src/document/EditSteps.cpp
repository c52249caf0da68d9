#include "document/EditSteps.h"

#include "document/QueltaDoc.h"
#include "document/ScenarioFile.h"
#include "platform/Platform.h"
#include "platform/TextUtil.h"

namespace {

/// Puts the scenario of a snapshot in place, keeping where the document came from and where
/// it is saved.
void RestoreSnapshot(CQueltaDoc& doc, const SScenarioSnapshot& snapshot) {
    CWaitCursor wait;
    CEditHistory& history = doc.History();
    history.SetRestoring(true);
    const std::string path = doc.PathName();
    ScenarioHeader& header = doc.Header();
    const std::string dataSource = header.dataSource;
    const std::string description = header.description;
    const std::string committeeLabel = header.committeeLabel;
    const int sourceKind = header.sourceKind;
    ReadScenarioText(doc, snapshot.text);
    doc.SetPathName(path);
    header.dataSource = dataSource;
    header.description = description;
    header.committeeLabel = committeeLabel;
    header.sourceKind = sourceKind;
    doc.Game().SetVetoSwitch(doc.Config().flagVeto);
    doc.SetZoom(snapshot.zoom);
    history.SetRestoring(false);
    doc.SetModifiedFlag(!history.IsClean());
    Platform().RefreshViews();
}

/// Whether the history may take a step now.
bool MayStep(const CQueltaDoc& doc) {
    const CEditHistory& history = doc.History();
    return history.Enabled() && !history.InGroup() && !history.RestartPending();
}

/// Steps back or forward and restores the snapshot found there; false when there is none.
bool TakeStep(CQueltaDoc& doc, const SScenarioSnapshot* (CEditHistory::*step)()) {
    if (!MayStep(doc))
        return false;
    const SScenarioSnapshot* snapshot = (doc.History().*step)();
    if (snapshot)
        RestoreSnapshot(doc, *snapshot);
    return snapshot != nullptr;
}

} // namespace

SScenarioSnapshot CaptureSnapshot(const CQueltaDoc& doc) {
    return {ScenarioText(doc), doc.Zoom()};
}

bool SnapshotCarriesScenario(const CQueltaDoc& doc) {
    const ScenarioHeader& h = doc.Header();
    if (h.sourceKind == SOURCE_NONE || h.sourceKind == SOURCE_DATABASE)
        return false;
    // Members taken out of the group stay with the house but are no part of the scenario.
    const bool oneGroup = h.lowerHouse.committees.empty() && h.lowerHouse.members.empty() &&
                          h.upperHouse.committees.size() == 1 &&
                          h.currentCommittee == h.upperHouse.committees.front().get();
    return oneGroup && h.scales.size() == 2 && h.horizontalScale && h.verticalScale &&
           h.horizontalScale != h.verticalScale;
}

void RestartHistory(CQueltaDoc& doc) {
    CEditHistory& history = doc.History();
    const bool enabled = SnapshotCarriesScenario(doc);
    history.SetEnabled(enabled);
    history.Restart(enabled ? CaptureSnapshot(doc) : SScenarioSnapshot{});
}

void CommitEdit(CQueltaDoc& doc, const std::string& name) {
    CEditHistory& history = doc.History();
    if (history.Restoring() || history.InGroup())
        return;
    if (history.RestartPending()) {
        RestartHistory(doc);
        return;
    }
    if (!history.Enabled())
        return;
    // An action that changed nothing leaves the modified flag as the action left it.
    if (history.Record(name, CaptureSnapshot(doc)))
        doc.SetModifiedFlag(!history.IsClean());
}

void BeginEditGroup(CQueltaDoc& doc) {
    CEditHistory& history = doc.History();
    if (history.BeginGroup() && history.RestartPending())
        RestartHistory(doc);
}

void EndEditGroup(CQueltaDoc& doc, const std::string& name) {
    if (doc.History().EndGroup())
        CommitEdit(doc, name);
}

bool UndoEdit(CQueltaDoc& doc) {
    return TakeStep(doc, &CEditHistory::StepBack);
}

bool RedoEdit(CQueltaDoc& doc) {
    return TakeStep(doc, &CEditHistory::StepForward);
}

CEditGroup::CEditGroup(CQueltaDoc& doc, std::string name) : m_doc(doc), m_name(std::move(name)) {
    BeginEditGroup(m_doc);
}

CEditGroup::~CEditGroup() {
    EndEditGroup(m_doc, m_name);
}

std::string CommandStepName(const char* menuText) {
    const std::string text(menuText);
    return std::string(Trim(text.substr(0, text.find('\t'))));
}
