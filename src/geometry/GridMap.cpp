#include "geometry/GridMap.h"

#include <cmath>

namespace {

/// A zero extent would divide by zero; it is taken as a tiny one instead.
double NonZero(double extent) {
    return extent == 0.0 ? 1e-7 : extent;
}

} // namespace

void CGridMap::SetScales(double worldWidth, double worldHeight, double deviceWidth,
                         double deviceHeight) {
    worldWidth = NonZero(worldWidth);
    worldHeight = NonZero(worldHeight);
    deviceWidth = NonZero(deviceWidth);
    deviceHeight = NonZero(deviceHeight);
    m_scaleX = std::fabs(deviceWidth / worldWidth);
    m_scaleY = std::fabs(deviceHeight / worldHeight);
    m_unitX = std::fabs(worldWidth / deviceWidth);
    m_unitY = std::fabs(worldHeight / deviceHeight);
}

void CGridMap::Set(const SEdges& world, const SEdges& device) {
    m_world = world;
    m_device = device;
    SetScales(world.right - world.left, world.top - world.bottom, device.right - device.left - 1.0,
              device.top - device.bottom - 1.0);
    m_worldOrigin = CFPoint(world.left, world.bottom);
    m_signX = 1.0;
    m_deviceOffset = CFPoint();
    if (device.top > device.bottom) {
        m_deviceOrigin = CFPoint(device.left, device.bottom);
        m_signY = 1.0;
    } else {
        m_deviceOrigin = CFPoint(device.left, device.top);
        m_signY = -1.0;
        m_deviceOffset.y = std::fabs(device.top - device.bottom);
    }
}

void CGridMap::Set(const SEdges& world, const SIntRect& device) {
    m_world = world;
    const double height = std::fabs(static_cast<double>(device.top) - device.bottom);
    m_device.left = device.left;
    m_device.right = device.right;
    m_device.top = std::max(device.top, device.bottom);
    m_device.bottom = std::min(device.top, device.bottom);
    SetScales(world.right - world.left, world.top - world.bottom,
              static_cast<double>(device.right) - device.left, height);
    m_worldOrigin = CFPoint(world.left, world.bottom);
    m_signX = 1.0;
    m_deviceOffset = CFPoint();
    if (device.bottom < device.top) {
        m_deviceOrigin = CFPoint(device.left, device.bottom);
        m_signY = 1.0;
    } else {
        m_deviceOrigin = CFPoint(device.left, device.top);
        m_signY = -1.0;
        m_deviceOffset.y = height;
    }
}

QPoint CGridMap::WorldToCell(const CFPoint& point) const {
    const double cx =
        (point.x - m_worldOrigin.x) * m_scaleX * m_signX + m_deviceOffset.x + m_deviceOrigin.x;
    return QPoint(Nearest(cx), WorldToRow(point.y));
}

SIntRect CGridMap::DeviceRect() const {
    if (m_signY < 0)
        return {Nearest(m_device.left), Nearest(m_device.bottom), Nearest(m_device.right),
                Nearest(m_device.top)};
    return {Nearest(m_device.left), Nearest(m_device.top), Nearest(m_device.right),
            Nearest(m_device.bottom)};
}

SEdges CGridMap::CellRectToWorld(const SIntRect& cells) const {
    const int rows = std::abs(cells.bottom - cells.top);
    const CFPoint leftEdge = CellToWorld(cells.left, m_signY < 0 ? cells.bottom : cells.top);
    SEdges world;
    world.left = leftEdge.x;
    world.right = leftEdge.x + (cells.right - cells.left) * m_unitX;
    world.bottom = leftEdge.y;
    world.top = leftEdge.y + rows * m_unitY;
    return world;
}
