#include "document/EditHistory.h"

#include "document/LegislatureCopy.h"

#include <algorithm>
#include <set>

bool SScenarioSnapshot::operator==(const SScenarioSnapshot& other) const {
    if (text != other.text || zoom != other.zoom)
        return false;
    if (legislature == other.legislature)
        return true;
    return legislature && other.legislature && legislature->State() == other.legislature->State();
}

void CEditHistory::Restart(SScenarioSnapshot current, bool clean) {
    m_steps.clear();
    m_first = std::move(current);
    m_index = 0;
    m_clean.clear();
    if (clean)
        m_clean.push_back(0);
    m_restartPending = false;
    ++m_generation;
}

void CEditHistory::Push(SStep step) {
    m_steps.resize(m_index);
    std::erase_if(m_clean, [this](size_t position) { return position > m_index; });
    m_steps.push_back(std::move(step));
    ++m_index;
    while (m_steps.size() > 1 && Weight() > m_budget)
        DropOldestStep();
}

void CEditHistory::DropOldestStep() {
    m_first = std::move(m_steps.front().after);
    m_steps.erase(m_steps.begin());
    --m_index;
    // The first state is gone with its saved position; a leading replacement takes its
    // scenario's positions along, so every later position keeps its scenario's number less one.
    std::erase(m_clean, 0);
    for (size_t& position : m_clean)
        --position;
}

size_t CEditHistory::Weight() const {
    // Copies that left the houses as they were share them, and are weighed once.
    std::set<const std::string*> houses;
    size_t bytes = 0;
    for (size_t position = 0; position <= m_steps.size(); ++position) {
        const SScenarioSnapshot& state = State(position);
        bytes += state.text.size();
        if (state.legislature && houses.insert(&state.legislature->State()).second)
            bytes += state.legislature->State().size();
    }
    return bytes;
}

bool CEditHistory::Record(const std::string& name, SScenarioSnapshot after) {
    if (after == Current())
        return false;
    Push({name, std::move(after), false, {}, {}});
    return true;
}

bool CEditHistory::RecordReplacement(const std::string& name, SScenarioOrigin before,
                                     SScenarioSnapshot after, SScenarioOrigin afterOrigin) {
    m_restartPending = false;
    if (after == Current() && afterOrigin == before)
        return false;
    Push({name, std::move(after), true, std::move(before), std::move(afterOrigin)});
    // The scenario is another one: nothing kept from the one before names anything now.
    ++m_generation;
    return true;
}

SHistoryPlace CEditHistory::StepBack(const SScenarioOrigin& leaving) {
    if (!CanUndo())
        return {};
    SStep& step = m_steps[--m_index];
    if (!step.replaces)
        return {&Current(), nullptr};
    // A redo comes back to the origin the scenario has now, saved elsewhere or not.
    step.originAfter = leaving;
    ++m_generation;
    return {&Current(), &step.originBefore};
}

SHistoryPlace CEditHistory::StepForward(const SScenarioOrigin& leaving) {
    if (!CanRedo())
        return {};
    SStep& step = m_steps[m_index++];
    if (!step.replaces)
        return {&Current(), nullptr};
    step.originBefore = leaving;
    ++m_generation;
    return {&Current(), &step.originAfter};
}

size_t CEditHistory::Scenario(size_t position) const {
    return static_cast<size_t>(std::count_if(m_steps.begin(), m_steps.begin() + position,
                                             [](const SStep& step) { return step.replaces; }));
}

const std::string& CEditHistory::ScenarioPath(size_t scenario, size_t current) const {
    // A scenario left forward saw its origin taken by the replacement that ends it; one left
    // backward by the replacement that begins it.
    const size_t wanted = scenario < current ? scenario : scenario - 1;
    size_t replacements = 0;
    for (const SStep& step : m_steps) {
        if (step.replaces && replacements++ == wanted)
            return scenario < current ? step.originBefore.path : step.originAfter.path;
    }
    static const std::string none;
    return none;
}

void CEditHistory::MarkClean(const std::string& path) {
    const size_t current = Scenario(m_index);
    std::erase_if(m_clean, [&](size_t position) {
        const size_t scenario = Scenario(position);
        return scenario == current || ScenarioPath(scenario, current) == path;
    });
    m_clean.push_back(m_index);
}

bool CEditHistory::IsClean() const {
    return std::find(m_clean.begin(), m_clean.end(), m_index) != m_clean.end();
}

std::string CEditHistory::UndoName() const {
    return CanUndo() ? m_steps[m_index - 1].name : std::string();
}

std::string CEditHistory::RedoName() const {
    return CanRedo() ? m_steps[m_index].name : std::string();
}

std::vector<std::string> CEditHistory::StepNames() const {
    std::vector<std::string> names;
    for (const SStep& step : m_steps)
        names.push_back(step.name);
    return names;
}
