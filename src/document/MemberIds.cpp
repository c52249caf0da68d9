#include "document/MemberIds.h"

#include <algorithm>

std::string CMemberIds::Claim(const std::string& id) {
    if (m_taken.insert(id).second)
        return id;
    int& suffix = m_nextSuffix.try_emplace(id, 2).first->second;
    std::string unique = id + "-" + std::to_string(suffix);
    while (!m_taken.insert(unique).second)
        unique = id + "-" + std::to_string(++suffix);
    ++suffix;
    return unique;
}

std::string UniqueMemberIdByScan(const std::vector<std::string>& taken, const std::string& id) {
    const auto isTaken = [&taken](const std::string& candidate) {
        return std::find(taken.begin(), taken.end(), candidate) != taken.end();
    };
    if (!isTaken(id))
        return id;
    std::string unique;
    for (int n = 2; unique.empty() || isTaken(unique); ++n)
        unique = id + "-" + std::to_string(n);
    return unique;
}
