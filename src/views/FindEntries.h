#pragma once

#include "views/InputForm.h"

#include <string>
#include <vector>

/// What the find-member dialog compares the typed text with.
enum class EFindKey { Name, Affiliation, Committee };

/// The positions of the form's list entries that hold the text, compared without regard to
/// case anywhere in the field. A committee entry matches by the committee's name or ID
/// (whatever the key); a member entry by its last, first or middle name or its label (Name),
/// its affiliation (Affiliation) or the name or ID of a committee it sits on (Committee). An
/// empty text matches every entry.
std::vector<int> FindListEntries(const std::vector<SFormListEntry>& entries,
                                 const std::string& text, EFindKey key);
