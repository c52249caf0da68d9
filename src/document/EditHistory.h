#pragma once

#include <string>
#include <vector>

/// What a step of the edit history restores: the scenario as the scenario writer writes it,
/// and the zoom, which an edit may change but a save does not carry. Where the scenario came
/// from and where it is saved are no part of it: undo never moves the document to another file.
struct SScenarioSnapshot {
    std::string text;
    double zoom = 1.0;

    bool operator==(const SScenarioSnapshot&) const = default;
};

/// The undo and redo history of the scenario's edits. Each step holds the snapshots before and
/// after one user action; the history keeps the snapshot of the current state, so an action
/// is recorded when it ends, by comparing what it left with what was there before. Actions
/// that replace the scenario (new, open, close) start the history afresh.
class CEditHistory {
public:
    /// Forgets every step; `current` becomes the clean state.
    void Restart(SScenarioSnapshot current);
    /// Records the end of an action named `name` that left the scenario as `after`; false when
    /// it changed nothing. Steps that could be redone are dropped.
    bool Record(const std::string& name, SScenarioSnapshot after);
    /// Steps back; the snapshot to restore, nullptr when there is nothing to undo.
    const SScenarioSnapshot* StepBack();
    /// Steps forward; the snapshot to restore, nullptr when there is nothing to redo.
    const SScenarioSnapshot* StepForward();

    bool CanUndo() const { return m_index > 0; }
    bool CanRedo() const { return m_index < m_steps.size(); }
    /// The name of the step Undo takes back ("" for none).
    std::string UndoName() const;
    /// The name of the step Redo replays ("" for none).
    std::string RedoName() const;
    /// The names of every step, oldest first.
    std::vector<std::string> StepNames() const;
    /// Counts the restarts: a pointer into the scenario kept across a change of this number or
    /// across a step names what may be gone.
    unsigned Generation() const { return m_generation; }
    /// How many steps are done (the position between the undo and the redo steps).
    size_t Position() const { return m_index; }

    /// Makes the current position the saved one.
    void MarkClean() { m_clean = m_index; }
    /// Whether the scenario is as it was last saved or read.
    bool IsClean() const { return m_clean == m_index; }

    /// While a restart is pending, the next recorded action or opened group starts the
    /// history at the state it finds instead of recording a step.
    void RequestRestart() { m_restartPending = true; }
    bool RestartPending() const { return m_restartPending; }
    /// Whether steps may be recorded: false for scenarios a snapshot cannot carry whole.
    void SetEnabled(bool enabled) { m_enabled = enabled; }
    bool Enabled() const { return m_enabled; }

    /// Opens a group of actions recorded as one step when the outermost group closes (a
    /// script run, a drag from press to release); answers whether it is the outermost.
    bool BeginGroup() { return m_groupDepth++ == 0; }
    /// Closes a group; answers whether it was the outermost one.
    bool EndGroup() { return m_groupDepth > 0 && --m_groupDepth == 0; }
    /// Whether a group is open, in which actions are not recorded on their own.
    bool InGroup() const { return m_groupDepth > 0; }

    /// Whether a snapshot is being restored (its reset and load do not restart the history).
    bool Restoring() const { return m_restoring; }
    void SetRestoring(bool restoring) { m_restoring = restoring; }

private:
    struct SStep {
        std::string name;
        SScenarioSnapshot before;
        SScenarioSnapshot after;
    };
    static constexpr size_t kNoClean = static_cast<size_t>(-1);

    std::vector<SStep> m_steps;
    SScenarioSnapshot m_current;
    size_t m_index = 0;
    size_t m_clean = 0;
    unsigned m_generation = 0;
    int m_groupDepth = 0;
    bool m_restartPending = false;
    bool m_enabled = true;
    bool m_restoring = false;
};
