#pragma once

#include "document/EditHistory.h"

#include <string>

class CQueltaDoc;

// The document's side of the edit history: every front end ends its user actions here, so
// the desktop, scripts and tests share one history.

/// The snapshot of the scenario as it stands.
SScenarioSnapshot CaptureSnapshot(const CQueltaDoc& doc);

/// Where the scenario stands as a step that replaces it takes it back and forth.
SScenarioOrigin CaptureOrigin(const CQueltaDoc& doc);

/// Whether the scenario is a legislature's, whose houses, committees and further scales are no
/// part of its text: its snapshots carry a copy of the legislature beside the text.
bool SnapshotNeedsLegislature(const CQueltaDoc& doc);

/// Whether a snapshot carries the scenario whole: a loaded scenario of one group on two
/// scales, or a legislature's scenario, whatever its house, committee and scales.
bool SnapshotCarriesScenario(const CQueltaDoc& doc);

/// Starts the history afresh at the scenario as it stands (after a load or a new scenario);
/// it is clean unless the scenario holds unsaved changes. Nothing happens while a snapshot is
/// restored or a generator replaces the scenario.
void RestartHistory(CQueltaDoc& doc);

/// Ends a user action named `name` (the step's name in the Edit menu): records it as one step
/// when it changed the scenario, and makes the modified flag follow the history. Inside a
/// group nothing is recorded until the group closes.
void CommitEdit(CQueltaDoc& doc, const std::string& name);

/// Opens a group of actions recorded as one step (a drag from press to release).
void BeginEditGroup(CQueltaDoc& doc);
/// Closes a group; the outermost one records its actions as one step named `name`.
void EndEditGroup(CQueltaDoc& doc, const std::string& name);

/// Takes the last step back; false when there is none (or a group is open).
bool UndoEdit(CQueltaDoc& doc);
/// Replays the step undone last; false when there is none (or a group is open).
bool RedoEdit(CQueltaDoc& doc);

/// A group of actions recorded as one step for as long as it lives (a script run).
class CEditGroup {
public:
    CEditGroup(CQueltaDoc& doc, std::string name);
    ~CEditGroup();
    CEditGroup(const CEditGroup&) = delete;
    CEditGroup& operator=(const CEditGroup&) = delete;

private:
    CQueltaDoc& m_doc;
    std::string m_name;
};

/// A generator's result put in place of the scenario as one step named `name`, for as long as
/// it lives: undo brings back the scenario before, with its file. Where the scenario before
/// cannot be carried by a snapshot, or the result cannot, the history starts afresh at the
/// result instead. A generator that refuses before resetting the scenario records nothing.
class CScenarioReplacement {
public:
    CScenarioReplacement(CQueltaDoc& doc, std::string name);
    ~CScenarioReplacement();
    CScenarioReplacement(const CScenarioReplacement&) = delete;
    CScenarioReplacement& operator=(const CScenarioReplacement&) = delete;

private:
    CQueltaDoc& m_doc;
    std::string m_name;
    SScenarioOrigin m_before;
    bool m_undoable = false;
    bool m_outermost = true;
};

/// The name of a command's step: its menu text without the shortcut label.
std::string CommandStepName(const char* menuText);
