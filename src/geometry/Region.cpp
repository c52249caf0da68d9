#include "geometry/Region.h"

#include "geometry/GeoAlloc.h"
#include "platform/Platform.h"

#include <algorithm>
#include <new>

namespace {

/// Whether the runs of a row cover the same columns as the rectangles of the band above.
bool SameSpans(const std::vector<QRect>& rects, std::size_t bandStart,
               const std::vector<QRect>& row) {
    if (rects.size() - bandStart != row.size())
        return false;
    for (std::size_t k = 0; k < row.size(); ++k)
        if (rects[bandStart + k].left() != row[k].left() ||
            rects[bandStart + k].right() != row[k].right())
            return false;
    return true;
}

/// Appends the runs of one row. A run ends at the first cell that does not qualify or at the
/// row's last column, which is never itself taken.
template <class Qualifies>
void RowRuns(const double* values, int columns, int row, Qualifies qualifies,
             std::vector<QRect>& runs, bool& found) {
    bool inRun = false;
    int start = 0;
    for (int j = 0; j < columns; ++j) {
        const bool qualifying = qualifies(values[j]);
        found = found || qualifying;
        if (!inRun) {
            if (qualifying) {
                inRun = true;
                start = j;
            }
            continue;
        }
        if (!qualifying || j == columns - 1) {
            runs.emplace_back(start, row, j - start, 1);
            inRun = false;
        }
    }
}

} // namespace

void CRegion::Allocate(int rows, int columns) {
    rows = std::max(rows, 0);
    columns = std::max(columns, 0);
    const std::size_t cells = static_cast<std::size_t>(rows) * static_cast<std::size_t>(columns);
    CheckGeoAllocation(cells);
    std::vector<double> values(cells, 0.0);
    m_values.swap(values);
    m_rows = rows;
    m_columns = columns;
}

template <class Qualifies>
void CRegion::ScanRuns(Qualifies qualifies, std::vector<QRect>& rects, bool& found,
                       long long& count) const {
    // Rows with the same runs as the row above extend its band instead of adding rectangles,
    // which is the form the platform keeps its regions in.
    std::vector<QRect> runs;
    std::size_t bandStart = 0;
    int bandEnd = -1;
    for (int i = 0; i < m_rows; ++i) {
        runs.clear();
        RowRuns(Row(i), m_columns, i, qualifies, runs, found);
        if (runs.empty())
            continue;
        if (bandEnd == i && SameSpans(rects, bandStart, runs)) {
            for (std::size_t k = bandStart; k < rects.size(); ++k)
                rects[k].setBottom(i);
        } else {
            CheckGeoAllocation(rects.size() + runs.size());
            bandStart = rects.size();
            rects.insert(rects.end(), runs.begin(), runs.end());
        }
        for (const QRect& run : runs)
            count += run.width();
        bandEnd = i + 1;
    }
}

template <class Qualifies>
CRgn CRegion::Threshold(Qualifies qualifies, bool alwaysCreate, long long* count) const {
    std::vector<QRect> rects;
    bool found = false;
    long long cells = 0;
    try {
        ScanRuns(qualifies, rects, found, cells);
    } catch (const std::bad_alloc&) {
        // The rectangles gathered before the failure still make a region.
        MessageBoxOk("CRegion::GetRgn - memory exception creating region");
    }
    if (count)
        *count = cells;
    CRgn rgn;
    if (alwaysCreate || found) {
        QRegion region;
        region.setRects(rects.data(), static_cast<int>(rects.size()));
        rgn.FromQRegion(region);
    }
    return rgn;
}

CRgn CRegion::GetRgn(double threshold, const QPoint& /*start*/, long long& count) const {
    return Threshold([threshold](double v) { return v >= threshold; }, true, &count);
}

CRgn CRegion::GetRgn(double threshold) const {
    return Threshold([threshold](double v) { return v >= threshold; }, false, nullptr);
}

CRgn CRegion::GetRgnAtMost(double threshold) const {
    return Threshold([threshold](double v) { return v <= threshold; }, false, nullptr);
}

double CRegion::GetMinValue() const {
    return m_values.empty() ? 0.0 : *std::min_element(m_values.begin(), m_values.end());
}

double CRegion::GetMaxValue() const {
    return m_values.empty() ? 0.0 : *std::max_element(m_values.begin(), m_values.end());
}

std::optional<SIntRect> CRegion::GetBounds(double threshold) const {
    std::optional<SIntRect> bounds;
    for (int i = 0; i < m_rows; ++i) {
        const double* values = Row(i);
        for (int j = 0; j < m_columns; ++j) {
            if (!(values[j] >= threshold))
                continue;
            if (!bounds) {
                bounds = SIntRect{j, i, j + 1, i + 1};
                continue;
            }
            bounds->left = std::min(bounds->left, j);
            bounds->right = std::max(bounds->right, j + 1);
            bounds->bottom = i + 1;
        }
    }
    return bounds;
}
