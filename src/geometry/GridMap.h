#pragma once

#include "geometry/FPoint.h"

#include <QPoint>
#include <QRect>

/// A rectangle of doubles given by its four edges (world or device coordinates).
struct SEdges {
    double left = 0.0;
    double right = 0.0;
    double top = 0.0;
    double bottom = 0.0;
    bool operator==(const SEdges&) const = default;
};

/// An integer rectangle given by its edges (left, top, right, bottom), cells half-open.
struct SIntRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const SIntRect&) const = default;
};

/// The mapping between issue-space coordinates and the integer cells of the chart's grid.
class CGridMap {
public:
    /// A fresh map sends every point to cell (0, 0).
    CGridMap() = default;

    /// Sets the map from a world rectangle and a device rectangle of doubles.
    void Set(const SEdges& world, const SEdges& device);
    /// Sets the map from a world rectangle and the chart's integer device rectangle.
    void Set(const SEdges& world, const SIntRect& device);

    /// The grid cell of an issue-space point.
    QPoint WorldToCell(const CFPoint& point) const;
    /// The row of the cells at issue-space height y, WorldToCell's y alone.
    int WorldToRow(double y) const {
        return Nearest((y - m_worldOrigin.y) * m_signY * m_scaleY + m_deviceOffset.y +
                       m_deviceOrigin.y);
    }
    /// The issue-space point of a grid cell (no rounding).
    CFPoint CellToWorld(int cx, int cy) const {
        return CFPoint(
            (cx - m_deviceOrigin.x - m_deviceOffset.x) * m_signX * m_unitX + m_worldOrigin.x,
            (cy - m_deviceOrigin.y - m_deviceOffset.y) * m_signY * m_unitY + m_worldOrigin.y);
    }
    CFPoint CellToWorld(const QPoint& cell) const { return CellToWorld(cell.x(), cell.y()); }
    /// The device window as integers (left, top, right, bottom).
    SIntRect DeviceRect() const;
    /// The issue-space rectangle of a rectangle of cells.
    SEdges CellRectToWorld(const SIntRect& cells) const;

    double UnitX() const { return m_unitX; }
    double UnitY() const { return m_unitY; }
    double ScaleX() const { return m_scaleX; }
    double ScaleY() const { return m_scaleY; }
    double SignY() const { return m_signY; }
    const SEdges& WorldWindow() const { return m_world; }
    const SEdges& DeviceWindow() const { return m_device; }
    /// The issue-space area of one cell.
    double CellArea() const { return m_unitX * m_unitY; }

    bool operator==(const CGridMap&) const = default;

private:
    void SetScales(double worldWidth, double worldHeight, double deviceWidth, double deviceHeight);

    CFPoint m_worldOrigin;
    CFPoint m_deviceOrigin;
    CFPoint m_deviceOffset;
    SEdges m_world;
    SEdges m_device;
    double m_scaleX = 0.0;
    double m_scaleY = 0.0;
    double m_unitX = 0.0;
    double m_unitY = 0.0;
    double m_signX = 1.0;
    double m_signY = 1.0;
};
