#pragma once

#include "geometry/EllipseCells.h"

#include <vector>

/// The quick rows of many ellipses laid out side by side, so that one row's crossings of all of
/// them are found in one pass: first the roots of every ellipse, then the columns where they
/// are certain.
class CEllipseRowBatch {
public:
    void Clear();
    void Add(const SQuickEllipseRows& rows);
    std::size_t Size() const { return m_rows.size(); }

    /// Finds the columns of row y of every ellipse, cut to the columns windowLeft ..
    /// windowRight - 1 (the region window's, or any narrower); `rowY` is the issue-space y of
    /// the row's cells.
    void Row(int y, double rowY, int windowLeft, int windowRight);
    /// The columns lo .. hi of ellipse k in the last row (lo > hi for none).
    int Lo(std::size_t k) const { return static_cast<int>(m_lo[k]); }
    int Hi(std::size_t k) const { return static_cast<int>(m_hi[k]); }
    /// Whether ellipse k's columns are certain; otherwise its row has to be taken exactly.
    bool Certain(std::size_t k) const { return m_certain[k] != 0.0; }

private:
    std::vector<SQuickEllipseRows> m_rows;
    /// The rows' quick forms side by side, `usable` as 1 or 0 and the rows as numbers.
    std::vector<double> m_top, m_bottom, m_usable, m_centreY, m_base, m_slope, m_t0, m_t1,
        m_tolerance;
    std::vector<double> m_lo, m_hi, m_certain;
};
