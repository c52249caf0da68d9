#pragma once

#include "geometry/GridMap.h"
#include "geometry/Rgn.h"

#include <QPoint>
#include <QRect>

#include <optional>
#include <vector>

/// A rectangular grid of values that becomes a region by thresholding. Row i stands for grid
/// row top + i, column j for grid column left + j of the device rectangle it was made for; the
/// regions it yields lie in (column, row) coordinates until the caller moves them.
class CRegion {
public:
    CRegion() = default;
    /// A zero-filled grid; raises std::bad_alloc when it cannot be had.
    CRegion(int rows, int columns) { Allocate(rows, columns); }
    virtual ~CRegion() = default;
    CRegion(const CRegion&) = default;
    CRegion& operator=(const CRegion&) = default;

    /// Replaces the grid by a zero-filled one (negative sizes count as 0); raises
    /// std::bad_alloc when it cannot be had.
    void Allocate(int rows, int columns);

    int Rows() const { return m_rows; }
    int Columns() const { return m_columns; }
    double* Row(int row) { return m_values.data() + Offset(row, 0); }
    const double* Row(int row) const { return m_values.data() + Offset(row, 0); }
    double& At(int row, int column) { return m_values[Offset(row, column)]; }
    double At(int row, int column) const { return m_values[Offset(row, column)]; }

    /// The cells whose value is at least the threshold, taken in runs along each row; a run
    /// never takes the row's last column. Always a region (an empty one when nothing
    /// qualifies); `count` receives the number of cells taken. The start cell, where the
    /// region is anchored, adds no cell.
    CRgn GetRgn(double threshold, const QPoint& start, long long& count) const;
    /// As above without a start cell; no region when no cell qualifies.
    CRgn GetRgn(double threshold) const;
    /// The cells whose value is at most the threshold; no region when no cell qualifies.
    CRgn GetRgnAtMost(double threshold) const;

    /// The least value of the grid (0 for an empty grid).
    double GetMinValue() const;
    /// The greatest value of the grid (0 for an empty grid).
    double GetMaxValue() const;
    /// The rows and columns spanned by the cells whose value is at least the threshold, as
    /// (first column, first row, last column + 1, last row + 1); none when no cell qualifies.
    std::optional<SIntRect> GetBounds(double threshold) const;

private:
    std::size_t Offset(int row, int column) const {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(m_columns) +
               static_cast<std::size_t>(column);
    }
    template <class Qualifies>
    CRgn Threshold(Qualifies qualifies, bool alwaysCreate, long long* count) const;
    template <class Qualifies>
    void ScanRuns(Qualifies qualifies, std::vector<QRect>& rects, bool& found,
                  long long& count) const;

    int m_rows = 0;
    int m_columns = 0;
    std::vector<double> m_values;
};
