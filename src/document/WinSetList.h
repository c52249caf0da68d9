#pragma once

#include "geometry/MappedRegion.h"

#include <memory>
#include <string>
#include <vector>

/// The document's list of saved win sets, with the combinations the list editor makes.
class CWinSetList {
public:
    /// Appends a copy of a win set ("Add to List").
    void Add(const CMappedRegion& winSet);
    /// Destroys every entry ("Free List").
    void Free() { m_entries.clear(); }
    size_t Size() const { return m_entries.size(); }
    const CMappedRegion& At(size_t index) const { return *m_entries.at(index).region; }
    /// The editor's line for an entry: its 1-based number, and for a combination a tab and the
    /// description in parentheses ("4\t( 1 or 2 or 3 )").
    std::string Label(size_t index) const;
    /// Combines the selected entries (0-based, at least two) into a new entry: a copy of the
    /// first combined in turn with each further one by RGN_OR ("or"), RGN_AND ("and"),
    /// RGN_XOR ("X") or RGN_DIFF ("-"). Returns false (nothing added) for a bad selection.
    bool Combine(const std::vector<size_t>& selected, int mode);
    /// Deletes the selected entries.
    void Delete(std::vector<size_t> selected);

private:
    struct SEntry {
        std::unique_ptr<CMappedRegion> region;
        std::string description;
    };
    std::vector<SEntry> m_entries;
};
