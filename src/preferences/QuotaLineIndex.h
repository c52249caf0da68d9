#pragma once

#include "geometry/FLine.h"

#include <cstdint>
#include <unordered_map>
#include <vector>

/// The lines listed so far, filed by direction and intercept, so that a new line is compared
/// only with the few listed lines that could coincide with it (same direction and intercept
/// within 1e-8), never with the whole list.
class CQuotaLineIndex {
public:
    /// Lists the line unless a listed line coincides with it; true when it was listed.
    bool Insert(const CFLineSeg& segment);
    /// Lists the line without looking for a coincident one (for a list known to hold none).
    void File(const CFLineSeg& segment);
    /// Whether a listed line coincides with the segment's line.
    bool Contains(const CFLineSeg& segment) const;

private:
    struct SCell {
        std::int64_t direction;
        std::int64_t intercept;
    };
    static SCell CellOf(const CFLineSeg& segment);
    static std::uint64_t Hash(std::int64_t direction, std::int64_t intercept);

    std::vector<CFLineSeg> m_lines;
    std::unordered_map<std::uint64_t, std::vector<std::size_t>> m_cells;
};
