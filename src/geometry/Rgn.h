#pragma once

#include "geometry/GridMap.h"

#include <QPoint>
#include <QRect>
#include <QRegion>

#include <optional>
#include <vector>

/// Polygon fill rules: alternate (even-odd) and winding (non-zero winding number).
enum { ALTERNATE = 1, WINDING = 2 };

/// Combine modes: intersection, union, exclusive-or, difference, copy of the first source.
enum { RGN_AND = 1, RGN_OR = 2, RGN_XOR = 3, RGN_DIFF = 4, RGN_COPY = 5 };

/// Region types: no region (error), empty, one rectangle, several rectangles.
enum { RGN_ERROR = 0, NULLREGION = 1, SIMPLEREGION = 2, COMPLEXREGION = 3 };

/// An affine transform of cell coordinates: x' = m11 x + m21 y + dx, y' = m12 x + m22 y + dy.
struct SXForm {
    double m11 = 1.0;
    double m12 = 0.0;
    double m21 = 0.0;
    double m22 = 1.0;
    double dx = 0.0;
    double dy = 0.0;
};

/// A set of integer grid cells, or no region at all. Cell (x, y) lies in the rectangle
/// (left, top, right, bottom) when left <= x < right and top <= y < bottom.
class CRgn {
public:
    /// An object holding no region.
    CRgn() = default;

    /// Makes this the rectangle's cells; (x, y, x, y) gives an empty region.
    void CreateRectRgn(int left, int top, int right, int bottom);
    void CreateRectRgnIndirect(const SIntRect& rect);
    /// Makes this the cells of the ellipse inscribed in the bounding box.
    void CreateEllipticRgn(int left, int top, int right, int bottom);
    /// Makes this the cells inside the polygon under the fill mode (ALTERNATE or WINDING).
    void CreatePolygonRgn(const std::vector<QPoint>& points, int fillMode);
    /// As above, keeping only the cells of the window (left <= x < right, top <= y < bottom);
    /// an outline reaching past the window is cut before it is scan-converted.
    void CreatePolygonRgn(const std::vector<QPoint>& points, int fillMode, const SIntRect& window);
    /// Sets this to source1 op source2 and returns the resulting region type. Either source may
    /// be this object; RGN_COPY ignores source2. RGN_ERROR when a needed source holds nothing.
    int CombineRgn(const CRgn& source1, const CRgn& source2, int mode);
    /// Copies another region into this one (RGN_COPY).
    int CopyRgn(const CRgn& source) { return CombineRgn(source, source, RGN_COPY); }
    /// The bounding rectangle (through `box`, may be null) and the region type.
    int GetRgnBox(SIntRect* box) const;
    /// Whether the cell lies in the region.
    bool PtInRegion(int x, int y) const;
    /// Whether both hold the same cells (false when either holds no region).
    bool EqualRgn(const CRgn& other) const;
    /// Moves every cell by (dx, dy); returns the region type.
    int OffsetRgn(int dx, int dy);
    /// The region's non-overlapping rectangles; empty when there are none or no region.
    std::vector<SIntRect> GetRegionData() const;
    /// Makes this the region whose rectangles are `rects` transformed by `xform`.
    void ExtCreateRegion(const SXForm& xform, const std::vector<SIntRect>& rects);

    /// Whether the object holds a region (it may be empty).
    bool IsValid() const { return m_region.has_value(); }
    /// Whether the object holds no cells (true also when it holds no region).
    bool IsEmpty() const { return !m_region || m_region->isEmpty(); }
    /// Releases the region; the object then holds none.
    void DeleteObject() { m_region.reset(); }
    /// The number of cells in the region.
    long long CellCount() const;
    /// The platform region (empty when none is held), for drawing.
    QRegion ToQRegion() const { return m_region.value_or(QRegion()); }
    /// Makes this the given platform region.
    void FromQRegion(const QRegion& region) { m_region = region; }

private:
    std::optional<QRegion> m_region;
};

/// The region type of a platform region: empty, one rectangle or several.
int RegionType(const QRegion& region);
