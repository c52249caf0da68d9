#pragma once

#include "geometry/FPoint.h"
#include "geometry/FRect.h"
#include "geometry/GridMap.h"
#include "geometry/Region.h"
#include "geometry/Rgn.h"

#include <memory>

/// A region of grid cells with the map it was made under, the reference point (the status
/// quo it was computed for) and its issue-space area.
class CMappedRegion {
public:
    /// All-zero map, reference point at the origin, the point marker of cell (0, 0), area 0.
    CMappedRegion();
    /// The cells of the value grid that reach the threshold, placed on the map's grid.
    CMappedRegion(const CRegion& grid, double threshold, const CGridMap& map,
                  const CFPoint& reference);
    /// A copy of an existing region under a map.
    CMappedRegion(const CGridMap& map, const CFPoint& reference, const CRgn& rgn);

    /// Takes map, point, area and region from another mapped region.
    void Assign(const CMappedRegion& other);
    /// A new mapped region equal to this one.
    std::unique_ptr<CMappedRegion> Clone() const;
    /// Back to the default state.
    void Reset();

    double GetArea() const { return m_area; }
    const CGridMap& GetMap() const { return m_map; }
    const CFPoint& GetReference() const { return m_reference; }
    const CRgn& GetRgn() const { return m_rgn; }

    /// The issue-space rectangle of the region's bounding box (all zero when empty).
    CFRect GetWorldBox() const;
    /// The issue-space point of a random cell of the region.
    CFPoint GetRandomPoint() const;
    /// Whether the cell of an issue-space point belongs to the region.
    bool PtInRegion(const CFPoint& point) const;
    /// Puts a copy of the region into `target`; returns the region type.
    int CopyRgn(CRgn& target) const;
    /// Combines the region with another (RGN_AND, RGN_OR, RGN_XOR, RGN_DIFF) and brings the
    /// area up to date; returns the region type.
    int CombineRgn(const CRgn& other, int mode);

private:
    void UpdateArea();

    CGridMap m_map;
    CFPoint m_reference;
    CRgn m_rgn;
    double m_area = 0.0;
};
