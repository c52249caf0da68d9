#pragma once

#include <QPoint>

#include <vector>

/// The kinds of shape a script can draw on the chart.
enum class EScriptShape { Point, Line, Ellipse, Rectangle };

/// One shape a script drew, held in the chart pixels its issue-space points had when it was
/// drawn, so it stays where it was put when the scale changes later.
struct SScriptShape {
    EScriptShape kind = EScriptShape::Point;
    QPoint from;
    QPoint to; ///< the second corner or end; equal to `from` for a point
    bool operator==(const SScriptShape&) const = default;
};

/// The shapes scripts drew, in drawing order.
using CScriptShapeList = std::vector<SScriptShape>;
