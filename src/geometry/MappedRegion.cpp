#include "geometry/MappedRegion.h"

#include "geometry/RgnHelpers.h"

CMappedRegion::CMappedRegion() {
    CreatePointMarker(m_rgn, QPoint(0, 0));
}

CMappedRegion::CMappedRegion(const CRegion& grid, double threshold, const CGridMap& map,
                             const CFPoint& reference)
    : m_map(map), m_reference(reference) {
    const QPoint start = m_map.WorldToCell(reference);
    long long count = 0;
    m_rgn = grid.GetRgn(threshold, start, count);
    const SIntRect device = m_map.DeviceRect();
    m_rgn.OffsetRgn(device.left, device.top);
    m_area = static_cast<double>(count) * m_map.UnitX() * m_map.UnitY();
}

CMappedRegion::CMappedRegion(const CGridMap& map, const CFPoint& reference, const CRgn& rgn)
    : m_map(map), m_reference(reference) {
    CreatePointMarker(m_rgn, QPoint(0, 0));
    m_rgn.CopyRgn(rgn);
    UpdateArea();
}

void CMappedRegion::Assign(const CMappedRegion& other) {
    if (this == &other)
        return;
    m_map = other.m_map;
    m_reference = other.m_reference;
    m_area = other.m_area;
    if (!m_rgn.IsValid())
        CreatePointMarker(m_rgn, QPoint(0, 0));
    m_rgn.CopyRgn(other.m_rgn);
}

std::unique_ptr<CMappedRegion> CMappedRegion::Clone() const {
    auto clone = std::make_unique<CMappedRegion>();
    clone->Assign(*this);
    return clone;
}

void CMappedRegion::Reset() {
    m_map = CGridMap();
    m_reference = CFPoint();
    m_area = 0.0;
    CreatePointMarker(m_rgn, QPoint(0, 0));
}

CFRect CMappedRegion::GetWorldBox() const {
    SIntRect box;
    if (IsEmptyRgn(m_rgn) || m_rgn.GetRgnBox(&box) == RGN_ERROR)
        return CFRect();
    return CFRect(m_map.CellRectToWorld(box));
}

CFPoint CMappedRegion::GetRandomPoint() const {
    return m_map.CellToWorld(RandomCellInRgn(m_rgn));
}

bool CMappedRegion::PtInRegion(const CFPoint& point) const {
    const QPoint cell = m_map.WorldToCell(point);
    return m_rgn.PtInRegion(cell.x(), cell.y());
}

int CMappedRegion::CopyRgn(CRgn& target) const {
    target.CreateRectRgn(0, 0, 1, 1);
    return target.CopyRgn(m_rgn);
}

int CMappedRegion::CombineRgn(const CRgn& other, int mode) {
    const int type = m_rgn.CombineRgn(m_rgn, other, mode);
    UpdateArea();
    return type;
}

void CMappedRegion::UpdateArea() {
    m_area = RgnArea(m_rgn, m_map);
}
