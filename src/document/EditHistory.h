#pragma once

#include <memory>
#include <string>
#include <vector>

class CLegislatureCopy;

/// What a step of the edit history restores: the scenario as the scenario writer writes it,
/// and the zoom, which an edit may change but a save does not carry. A legislature's scenario
/// holds more than its text (both houses, every committee, ratings on every scale), so its
/// snapshot carries a copy of it too, shared by the snapshots of the steps that leave the
/// legislature as it was. Where the scenario came from and where it is saved are no part of
/// it: undo never moves the document to another file.
struct SScenarioSnapshot {
    std::string text;
    double zoom = 1.0;
    /// The legislature's copy (nullptr: the text carries the scenario whole).
    std::shared_ptr<const CLegislatureCopy> legislature;

    /// Equal texts and zooms, and legislatures in the same state (or none on both sides).
    bool operator==(const SScenarioSnapshot& other) const;
};

/// Where the scenario came from and where a save puts it. Ordinary steps keep it as it is;
/// a step that put a new scenario in place of another (a generator) takes it back and forth.
struct SScenarioOrigin {
    std::string path;
    std::string dataSource;
    std::string description;
    std::string committeeLabel;
    int sourceKind = 0;

    bool operator==(const SScenarioOrigin&) const = default;
};

/// What an undo or a redo puts in place: the snapshot, and the origin when the step crossed
/// replaced the scenario (nullptr: the document keeps its own).
struct SHistoryPlace {
    const SScenarioSnapshot* snapshot = nullptr;
    const SScenarioOrigin* origin = nullptr;
};

/// The undo and redo history of the scenario's edits. Each step holds the snapshot one user
/// action left, the step before it (or the history's first state) the one it found; an
/// action is recorded when it ends, by comparing what it left with the current state. Actions
/// that make a new scenario (new, open, close) start the history afresh; a generator whose
/// result takes the place of the scenario is one step that carries both origins. The oldest
/// steps are forgotten while the snapshots weigh more than the history's budget, so a body of
/// a hundred thousand members keeps a few steps instead of filling the memory; the last step
/// is always kept.
class CEditHistory {
public:
    /// What the snapshots of the history may weigh, in bytes, before the oldest steps go.
    static constexpr size_t kDefaultBudget = size_t{256} << 20;

    /// Forgets every step; `current` becomes the clean state unless it holds unsaved changes
    /// (a generated scenario that was never saved).
    void Restart(SScenarioSnapshot current, bool clean = true);
    /// Records the end of an action named `name` that left the scenario as `after`; false when
    /// it changed nothing. Steps that could be redone are dropped.
    bool Record(const std::string& name, SScenarioSnapshot after);
    /// Records an action named `name` that put the scenario `after`, from `afterOrigin`, in
    /// place of the current one, which came from `before`; false when it changed nothing.
    bool RecordReplacement(const std::string& name, SScenarioOrigin before, SScenarioSnapshot after,
                           SScenarioOrigin afterOrigin);
    /// Steps back; what to restore, no snapshot when there is nothing to undo. `leaving` is
    /// the origin the document has now (a save may have moved it since the step was recorded).
    SHistoryPlace StepBack(const SScenarioOrigin& leaving);
    /// Steps forward; what to restore, no snapshot when there is nothing to redo.
    SHistoryPlace StepForward(const SScenarioOrigin& leaving);

    /// The snapshot of the current state.
    const SScenarioSnapshot& Current() const { return State(m_index); }
    bool CanUndo() const { return m_index > 0; }
    bool CanRedo() const { return m_index < m_steps.size(); }
    /// The name of the step Undo takes back ("" for none).
    std::string UndoName() const;
    /// The name of the step Redo replays ("" for none).
    std::string RedoName() const;
    /// The names of every step, oldest first.
    std::vector<std::string> StepNames() const;
    /// Counts the restarts and the replacements of the scenario, recorded, undone or redone: a
    /// pointer into the scenario kept across a change of this number or across a step names
    /// what may be gone.
    unsigned Generation() const { return m_generation; }
    /// How many steps are done (the position between the undo and the redo steps).
    size_t Position() const { return m_index; }
    /// Sets what the snapshots may weigh; older steps are forgotten at the next record.
    void SetBudget(size_t bytes) { m_budget = bytes; }
    /// What the snapshots weigh now: their texts and each legislature copy once.
    size_t Weight() const;

    /// Makes the current position the one saved to the file `path`. Each scenario a
    /// replacement took the place of keeps its own saved position, unless this save wrote
    /// over its file.
    void MarkClean(const std::string& path);
    /// Whether the scenario is as it was last saved or read.
    bool IsClean() const;

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
    /// Whether a generator is putting a scenario in place of the current one, which the
    /// history records as one step when it ends (its reset and load do not restart it).
    bool Replacing() const { return m_replacing; }
    void SetReplacing(bool replacing) { m_replacing = replacing; }

private:
    struct SStep {
        std::string name;
        SScenarioSnapshot after;
        /// Whether the step replaced the scenario; then it carries both origins.
        bool replaces = false;
        SScenarioOrigin originBefore;
        SScenarioOrigin originAfter;
    };
    /// Adds a step after the current position, dropping what could be redone, then forgets the
    /// oldest steps beyond the budget.
    void Push(SStep step);
    /// Forgets the oldest step: its snapshot becomes the first state.
    void DropOldestStep();
    /// The snapshot at a position: the first state, or what the step before it left.
    const SScenarioSnapshot& State(size_t position) const {
        return position == 0 ? m_first : m_steps[position - 1].after;
    }
    /// How many replacements lie before a position: the positions of one scenario share it.
    size_t Scenario(size_t position) const;
    /// Where the states of the scenario numbered `scenario`, not the `current` one, are saved,
    /// as it was last left.
    const std::string& ScenarioPath(size_t scenario, size_t current) const;

    std::vector<SStep> m_steps;
    SScenarioSnapshot m_first;
    size_t m_index = 0;
    size_t m_budget = kDefaultBudget;
    /// The saved positions, one at most for each scenario.
    std::vector<size_t> m_clean = {0};
    unsigned m_generation = 0;
    int m_groupDepth = 0;
    bool m_restartPending = false;
    bool m_enabled = true;
    bool m_restoring = false;
    bool m_replacing = false;
};
