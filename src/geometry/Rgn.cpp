#include "geometry/Rgn.h"

#include <QPointF>
#include <QPolygon>

#include <algorithm>
#include <cmath>

namespace {

QRect ToQRect(int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top)
        return QRect();
    return QRect(left, top, right - left, bottom - top);
}

int RoundCoordinate(double value) {
    return static_cast<int>(std::lround(value));
}

/// The platform's polygon scan conversion fails on outlines spanning about 100 000 cells or more,
/// so outlines are cut to this window, far beyond any chart, before they are converted.
constexpr int kSafeCoordinate = 40000;

/// One pass of polygon clipping against the half-plane where `inside` holds.
template <typename Inside, typename Cross>
std::vector<QPointF> ClipPass(const std::vector<QPointF>& points, Inside inside, Cross cross) {
    std::vector<QPointF> kept;
    for (size_t i = 0; i < points.size(); ++i) {
        const QPointF& from = points[i == 0 ? points.size() - 1 : i - 1];
        const QPointF& to = points[i];
        if (inside(to)) {
            if (!inside(from))
                kept.push_back(cross(from, to));
            kept.push_back(to);
        } else if (inside(from)) {
            kept.push_back(cross(from, to));
        }
    }
    return kept;
}

/// The bounds an outline is cut to: cells left <= x <= right, top <= y <= bottom.
struct SClipBounds {
    double left, top, right, bottom;
};

/// The outline cut to the bounds; unchanged when it lies inside already. Cutting keeps the
/// winding number of every cell inside the bounds.
std::vector<QPoint> ClipOutline(const std::vector<QPoint>& points, const SClipBounds& b) {
    const auto outside = [&b](const QPoint& p) {
        return p.x() < b.left || p.x() > b.right || p.y() < b.top || p.y() > b.bottom;
    };
    if (std::none_of(points.begin(), points.end(), outside))
        return points;
    std::vector<QPointF> clipped(points.begin(), points.end());
    const auto atX = [](const QPointF& a, const QPointF& c, double x) {
        return QPointF(x, a.y() + (c.y() - a.y()) * (x - a.x()) / (c.x() - a.x()));
    };
    const auto atY = [](const QPointF& a, const QPointF& c, double y) {
        return QPointF(a.x() + (c.x() - a.x()) * (y - a.y()) / (c.y() - a.y()), y);
    };
    clipped = ClipPass(
        clipped, [&](const QPointF& p) { return p.x() >= b.left; },
        [&](const QPointF& a, const QPointF& c) { return atX(a, c, b.left); });
    clipped = ClipPass(
        clipped, [&](const QPointF& p) { return p.y() >= b.top; },
        [&](const QPointF& a, const QPointF& c) { return atY(a, c, b.top); });
    clipped = ClipPass(
        clipped, [&](const QPointF& p) { return p.x() <= b.right; },
        [&](const QPointF& a, const QPointF& c) { return atX(a, c, b.right); });
    clipped = ClipPass(
        clipped, [&](const QPointF& p) { return p.y() <= b.bottom; },
        [&](const QPointF& a, const QPointF& c) { return atY(a, c, b.bottom); });
    std::vector<QPoint> result;
    result.reserve(clipped.size());
    for (const QPointF& p : clipped)
        result.emplace_back(RoundCoordinate(p.x()), RoundCoordinate(p.y()));
    return result;
}

QRegion PolygonRegion(const std::vector<QPoint>& points, int fillMode) {
    if (points.size() < 3)
        return QRegion();
    const QPolygon polygon(QList<QPoint>(points.begin(), points.end()));
    return QRegion(polygon, fillMode == ALTERNATE ? Qt::OddEvenFill : Qt::WindingFill);
}

} // namespace

int RegionType(const QRegion& region) {
    if (region.isEmpty())
        return NULLREGION;
    return region.rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

void CRgn::CreateRectRgn(int left, int top, int right, int bottom) {
    // Edges given in either order describe the same rectangle.
    if (right < left)
        std::swap(left, right);
    if (bottom < top)
        std::swap(top, bottom);
    m_region = QRegion(ToQRect(left, top, right, bottom));
}

void CRgn::CreateRectRgnIndirect(const SIntRect& rect) {
    CreateRectRgn(rect.left, rect.top, rect.right, rect.bottom);
}

void CRgn::CreateEllipticRgn(int left, int top, int right, int bottom) {
    if (right < left)
        std::swap(left, right);
    if (bottom < top)
        std::swap(top, bottom);
    const QRect box = ToQRect(left, top, right, bottom);
    m_region = box.isEmpty() ? QRegion() : QRegion(box, QRegion::Ellipse);
}

void CRgn::CreatePolygonRgn(const std::vector<QPoint>& points, int fillMode) {
    constexpr double limit = kSafeCoordinate;
    m_region = points.size() < 3
                   ? QRegion()
                   : PolygonRegion(ClipOutline(points, {-limit, -limit, limit, limit}), fillMode);
}

void CRgn::CreatePolygonRgn(const std::vector<QPoint>& points, int fillMode,
                            const SIntRect& window) {
    const QRect keep = ToQRect(window.left, window.top, window.right, window.bottom);
    if (points.size() < 3 || keep.isEmpty()) {
        m_region = QRegion();
        return;
    }
    // Cut one cell outside the window, so that no edge of the cut lies on a kept cell, then
    // keep the window's cells.
    const SClipBounds bounds{window.left - 1.0, window.top - 1.0, window.right + 1.0,
                             window.bottom + 1.0};
    m_region = PolygonRegion(ClipOutline(points, bounds), fillMode).intersected(keep);
}

int CRgn::CombineRgn(const CRgn& source1, const CRgn& source2, int mode) {
    if (!source1.m_region || (mode != RGN_COPY && !source2.m_region))
        return RGN_ERROR;
    const QRegion& a = *source1.m_region;
    QRegion result;
    switch (mode) {
    case RGN_AND:
        result = a.intersected(*source2.m_region);
        break;
    case RGN_OR:
        result = a.united(*source2.m_region);
        break;
    case RGN_XOR:
        result = a.xored(*source2.m_region);
        break;
    case RGN_DIFF:
        result = a.subtracted(*source2.m_region);
        break;
    case RGN_COPY:
        result = a;
        break;
    default:
        return RGN_ERROR;
    }
    m_region = std::move(result);
    return RegionType(*m_region);
}

int CRgn::GetRgnBox(SIntRect* box) const {
    if (!m_region)
        return RGN_ERROR;
    if (box) {
        const QRect bounds = m_region->boundingRect();
        *box = m_region->isEmpty()
                   ? SIntRect{}
                   : SIntRect{bounds.left(), bounds.top(), bounds.right() + 1, bounds.bottom() + 1};
    }
    return RegionType(*m_region);
}

bool CRgn::PtInRegion(int x, int y) const {
    return m_region && m_region->contains(QPoint(x, y));
}

bool CRgn::EqualRgn(const CRgn& other) const {
    // The platform compares its rectangle lists, which may band the same cells differently.
    return m_region && other.m_region && m_region->xored(*other.m_region).isEmpty();
}

int CRgn::OffsetRgn(int dx, int dy) {
    if (!m_region)
        return RGN_ERROR;
    m_region->translate(dx, dy);
    return RegionType(*m_region);
}

std::vector<SIntRect> CRgn::GetRegionData() const {
    std::vector<SIntRect> rects;
    if (!m_region)
        return rects;
    rects.reserve(static_cast<size_t>(m_region->rectCount()));
    for (const QRect& rect : *m_region)
        rects.push_back({rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1});
    return rects;
}

void CRgn::ExtCreateRegion(const SXForm& xform, const std::vector<SIntRect>& rects) {
    const auto map = [&xform](double x, double y) {
        return QPoint(RoundCoordinate(xform.m11 * x + xform.m21 * y + xform.dx),
                      RoundCoordinate(xform.m12 * x + xform.m22 * y + xform.dy));
    };
    const bool axisAligned = xform.m12 == 0.0 && xform.m21 == 0.0;
    QRegion result;
    for (const SIntRect& rect : rects) {
        const QPoint a = map(rect.left, rect.top);
        const QPoint c = map(rect.right, rect.bottom);
        if (axisAligned) {
            result += ToQRect(std::min(a.x(), c.x()), std::min(a.y(), c.y()),
                              std::max(a.x(), c.x()), std::max(a.y(), c.y()));
        } else {
            const QPolygon corners({a, map(rect.right, rect.top), c, map(rect.left, rect.bottom)});
            result += QRegion(corners, Qt::WindingFill);
        }
    }
    m_region = std::move(result);
}

long long CRgn::CellCount() const {
    long long count = 0;
    if (m_region)
        for (const QRect& rect : *m_region)
            count += static_cast<long long>(rect.width()) * rect.height();
    return count;
}
