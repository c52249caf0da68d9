#pragma once

#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

/// The member IDs given out while a scenario is read, so that a repeated ID is renamed in
/// constant time however many members share it.
class CMemberIds {
public:
    /// The ID a new member gets: `id` itself, or, when an earlier member has it already, the
    /// first of id-2, id-3, ... that is free. The ID returned counts as taken from then on.
    std::string Claim(const std::string& id);

private:
    std::unordered_set<std::string> m_taken;
    /// For each repeated ID, the suffix from which the next free one is searched: every smaller
    /// suffix was taken when it was last searched, and taken IDs stay taken.
    std::unordered_map<std::string, int> m_nextSuffix;
};

/// The same renaming by scanning every ID taken so far (the reference the index is checked
/// against; quadratic in the number of members sharing an ID).
std::string UniqueMemberIdByScan(const std::vector<std::string>& taken, const std::string& id);
