#include "document/WinSetList.h"

#include "platform/TextUtil.h"

#include <algorithm>

namespace {

const char* ModeWord(int mode) {
    switch (mode) {
    case RGN_OR:
        return "or";
    case RGN_AND:
        return "and";
    case RGN_XOR:
        return "X";
    case RGN_DIFF:
        return "-";
    default:
        return nullptr;
    }
}

} // namespace

void CWinSetList::Add(const CMappedRegion& winSet) { m_entries.push_back({winSet.Clone(), ""}); }

std::string CWinSetList::Label(size_t index) const {
    const std::string& description = m_entries.at(index).description;
    const int number = static_cast<int>(index) + 1;
    if (description.empty())
        return Format("%d", number);
    return Format("%d\t( %s )", number, description.c_str());
}

bool CWinSetList::Combine(const std::vector<size_t>& selected, int mode) {
    const char* word = ModeWord(mode);
    if (!word || selected.size() < 2 ||
        std::any_of(selected.begin(), selected.end(),
                    [this](size_t i) { return i >= m_entries.size(); }))
        return false;
    SEntry combined{m_entries[selected.front()].region->Clone(),
                    Format("%d", static_cast<int>(selected.front()) + 1)};
    for (size_t k = 1; k < selected.size(); ++k) {
        combined.region->CombineRgn(m_entries[selected[k]].region->GetRgn(), mode);
        combined.description += Format(" %s %d", word, static_cast<int>(selected[k]) + 1);
    }
    m_entries.push_back(std::move(combined));
    return true;
}

void CWinSetList::Delete(std::vector<size_t> selected) {
    std::sort(selected.rbegin(), selected.rend());
    selected.erase(std::unique(selected.begin(), selected.end()), selected.end());
    for (size_t index : selected)
        if (index < m_entries.size())
            m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(index));
}
