#pragma once

#include <string>
#include <vector>

/// One key of the concept report as the key dictionary describes it.
struct SConceptKey {
    /// The key; "<ID>" stands for a member's ID in keys printed once per member.
    std::string key;
    /// The group of --only that prints it; empty for keys printed with every group.
    std::string group;
    /// The form of its value in JSON.
    std::string form;
    /// What it means.
    std::string meaning;
};

/// Every key `concepts` prints, in the order it prints them.
const std::vector<SConceptKey>& ConceptKeys();

/// The dictionary entry a printed key belongs to; null when there is none.
const SConceptKey* FindConceptKey(const std::string& key);

/// The key dictionary as a Markdown page, made from ConceptKeys().
std::string ConceptKeysMarkdown();
