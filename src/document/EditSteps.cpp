#include "document/EditSteps.h"

#include "document/LegislatureCopy.h"
#include "document/QueltaDoc.h"
#include "document/ScenarioFile.h"
#include "platform/Platform.h"
#include "platform/TextUtil.h"

namespace {

/// Puts the scenario of a snapshot in place, from `origin`: where the document came from and
/// where it is saved.
void RestoreSnapshot(CQueltaDoc& doc, const SScenarioSnapshot& snapshot,
                     const SScenarioOrigin& origin) {
    CWaitCursor wait;
    CEditHistory& history = doc.History();
    history.SetRestoring(true);
    if (snapshot.legislature)
        snapshot.legislature->RestoreInto(doc);
    else
        ReadScenarioText(doc, snapshot.text);
    doc.SetPathName(origin.path);
    ScenarioHeader& header = doc.Header();
    header.dataSource = origin.dataSource;
    header.description = origin.description;
    header.committeeLabel = origin.committeeLabel;
    header.sourceKind = origin.sourceKind;
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
bool TakeStep(CQueltaDoc& doc, SHistoryPlace (CEditHistory::*step)(const SScenarioOrigin&)) {
    if (!MayStep(doc))
        return false;
    const SScenarioOrigin leaving = CaptureOrigin(doc);
    const SHistoryPlace place = (doc.History().*step)(leaving);
    if (place.snapshot)
        RestoreSnapshot(doc, *place.snapshot, place.origin ? *place.origin : leaving);
    return place.snapshot != nullptr;
}

} // namespace

SScenarioSnapshot CaptureSnapshot(const CQueltaDoc& doc) {
    SScenarioSnapshot snapshot{ScenarioText(doc), doc.Zoom(), nullptr};
    if (!SnapshotNeedsLegislature(doc))
        return snapshot;
    std::string state = LegislatureState(doc);
    const SScenarioSnapshot& current = doc.History().Current();
    const CLegislatureCopy* earlier = current.legislature.get();
    // An action that changed nothing shares the copy it found; one that left the houses as they
    // were shares their copy.
    if (earlier && earlier->State() == state && current.text == snapshot.text)
        snapshot.legislature = current.legislature;
    else
        snapshot.legislature =
            std::make_shared<const CLegislatureCopy>(doc, std::move(state), earlier);
    return snapshot;
}

SScenarioOrigin CaptureOrigin(const CQueltaDoc& doc) {
    const ScenarioHeader& h = doc.Header();
    return {doc.PathName(), h.dataSource, h.description, h.committeeLabel, h.sourceKind};
}

bool SnapshotNeedsLegislature(const CQueltaDoc& doc) {
    return doc.Header().sourceKind == SOURCE_DATABASE;
}

bool SnapshotCarriesScenario(const CQueltaDoc& doc) {
    const ScenarioHeader& h = doc.Header();
    if (SnapshotNeedsLegislature(doc))
        return true;
    // Members taken out of the group stay with the house but are no part of the scenario.
    const bool oneGroup = h.lowerHouse.committees.empty() && h.lowerHouse.members.empty() &&
                          h.upperHouse.committees.size() == 1 &&
                          h.currentCommittee == h.upperHouse.committees.front().get();
    return oneGroup && h.scales.size() == 2 && h.horizontalScale && h.verticalScale &&
           h.horizontalScale != h.verticalScale;
}

void RestartHistory(CQueltaDoc& doc) {
    CEditHistory& history = doc.History();
    if (history.Restoring() || history.Replacing())
        return;
    const bool enabled = SnapshotCarriesScenario(doc);
    history.SetEnabled(enabled);
    history.Restart(enabled ? CaptureSnapshot(doc) : SScenarioSnapshot{}, !doc.IsModified());
}

void CommitEdit(CQueltaDoc& doc, const std::string& name) {
    CEditHistory& history = doc.History();
    if (history.Restoring() || history.Replacing() || history.InGroup())
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

CScenarioReplacement::CScenarioReplacement(CQueltaDoc& doc, std::string name)
    : m_doc(doc), m_name(std::move(name)) {
    CEditHistory& history = doc.History();
    m_undoable = history.Enabled() && !history.RestartPending() && !history.InGroup() &&
                 !history.Replacing() && SnapshotCarriesScenario(doc);
    m_outermost = !history.Replacing();
    m_before = CaptureOrigin(doc);
    history.SetReplacing(true);
}

CScenarioReplacement::~CScenarioReplacement() {
    if (!m_outermost)
        return;
    CEditHistory& history = m_doc.History();
    history.SetReplacing(false);
    // Without a reset the generator refused before it changed anything.
    if (!history.RestartPending())
        return;
    if (!m_undoable || !SnapshotCarriesScenario(m_doc)) {
        RestartHistory(m_doc);
        return;
    }
    history.RecordReplacement(m_name, m_before, CaptureSnapshot(m_doc), CaptureOrigin(m_doc));
    m_doc.SetModifiedFlag(!history.IsClean());
}
