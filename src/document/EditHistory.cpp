#include "document/EditHistory.h"

void CEditHistory::Restart(SScenarioSnapshot current) {
    m_steps.clear();
    m_current = std::move(current);
    m_index = 0;
    m_clean = 0;
    m_restartPending = false;
    ++m_generation;
}

bool CEditHistory::Record(const std::string& name, SScenarioSnapshot after) {
    if (after == m_current)
        return false;
    m_steps.resize(m_index);
    if (m_clean != kNoClean && m_clean > m_index)
        m_clean = kNoClean;
    m_steps.push_back({name, std::move(m_current), after});
    m_current = std::move(after);
    ++m_index;
    return true;
}

const SScenarioSnapshot* CEditHistory::StepBack() {
    if (!CanUndo())
        return nullptr;
    --m_index;
    m_current = m_steps[m_index].before;
    return &m_current;
}

const SScenarioSnapshot* CEditHistory::StepForward() {
    if (!CanRedo())
        return nullptr;
    m_current = m_steps[m_index].after;
    ++m_index;
    return &m_current;
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
