#pragma once

#include "geometry/EllipseCells.h"

#include <cstdint>
#include <utility>
#include <vector>

/// The quick rows of many ellipses swept down a band of rows in order, one row at a time. An
/// ellipse joins the sweep at its first row and leaves it after its last, so a row's pass takes
/// only the ellipses that reach it. Each row gives every ellipse that reaches it as a half-open
/// range of columns counted from the left edge of the columns swept, cut to them; a row holding
/// no cell of the ellipse gives the empty range 0 .. 0.
class CEllipseRowSweep {
public:
    /// The ellipses a row's pass takes side by side.
    static constexpr std::size_t kLanes = 8;

    /// Starts over with no ellipse over the columns left .. right - 1 and the rows top ..
    /// bottom - 1.
    void Start(int left, int right, int top, int bottom);
    /// Adds an ellipse with a tag that the rows report it by, and a weight they carry with it.
    void Add(const SQuickEllipseRows& rows, int tag, std::int64_t weight = 0);

    /// Finds the columns of row y of every ellipse reaching it; `rowY` is the issue-space y of
    /// the row's cells. The rows of the band are asked for from the top down, each once at
    /// most (rows may be left out); a row asked again or outside the band gives no entry.
    void Row(int y, double rowY);
    /// Gives the entries of the last row, instead of their columns, every column that a point
    /// of the row's line within an ellipse, or near enough to it that rounding could have put
    /// it inside, lies in or on the left edge of: the column of the floor of its position. The
    /// columns are cut to the swept ones; an ellipse whose quick form cannot tell gives them
    /// all.
    void WidenRow(double rowY);
    /// The ellipses reaching the last row, in an order of their own.
    std::size_t Size() const { return m_shown; }
    int Tag(std::size_t k) const { return m_tag[k]; }
    /// The columns from .. to - 1 of entry k, offsets from the left edge (0 and 0 for none).
    int From(std::size_t k) const { return m_from[k]; }
    int To(std::size_t k) const { return m_to[k]; }
    /// The same for every entry at once, for loops that take them side by side.
    const int* Tags() const { return m_tag.data(); }
    const std::int32_t* Froms() const { return m_from.data(); }
    const std::int32_t* Tos() const { return m_to.data(); }
    const std::int32_t* Certainties() const { return m_certain.data(); }
    /// The weights the entries were added with.
    const std::int64_t* Weights() const { return m_weight.data(); }
    /// Whether entry k's columns are certain; otherwise its row has to be taken exactly.
    bool Certain(std::size_t k) const { return m_certain[k] != 0; }
    /// The offsets from .. to - 1 of the columns lo .. hi cut to the swept ones, as the quick
    /// rows' (0 and 0 for none).
    std::pair<int, int> Cut(int lo, int hi) const;

private:
    /// One ellipse added: its quick rows, its tag, the next ellipse joining (and leaving) at
    /// the same row, and its place in the sweep while it is in it.
    struct SAdded {
        SQuickEllipseRows rows;
        int tag = 0;
        std::int64_t weight = 0;
        int nextJoining = -1;
        int nextLeaving = -1;
        std::size_t slot = 0;
    };

    /// n rounded up to whole blocks of lanes.
    static std::size_t Blocks(std::size_t n) { return (n + kLanes - 1) / kLanes * kLanes; }
    void Join(int e);
    void Leave(int e);
    void JoinAt(int row);
    void LeaveAfter(int row);

    int m_left = 0;
    int m_right = 0;
    int m_top = 0;
    int m_bottom = 0;
    std::vector<SAdded> m_added;
    /// The first ellipse joining at each row of the band, and the first leaving after it.
    std::vector<int> m_joining, m_leaving;
    /// The first row of the band whose ellipses have not joined, and the row whose ellipses
    /// leave at the next row (none: -1).
    int m_next = 0;
    int m_pending = -1;
    /// The ellipses in the sweep, their quick forms side by side, and how many of them the
    /// last row gave.
    std::size_t m_count = 0;
    std::size_t m_shown = 0;
    std::vector<double> m_usable, m_centreY, m_base, m_slope, m_t0, m_t1, m_tolerance;
    std::vector<int> m_tag, m_entry;
    std::vector<std::int64_t> m_weight;
    std::vector<std::int32_t> m_from, m_to, m_certain;
};
