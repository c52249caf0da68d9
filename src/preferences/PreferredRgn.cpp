#include "preferences/PreferredRgn.h"

#include "geometry/CellRuns.h"
#include "geometry/RgnHelpers.h"
#include "platform/Platform.h"

#include <algorithm>
#include <cmath>
#include <new>

namespace {

/// Builds a region, reporting an allocation failure with the builder's message.
template <typename Build>
CRgn Guarded(const char* failureText, const std::string& label, Build build) {
    try {
        return build();
    } catch (const std::bad_alloc&) {
        ReportMemberFailure(failureText, label);
        return CRgn();
    }
}

CRgn Polygon(const std::vector<CFPoint>& points, const CGridMap& map, int fillMode) {
    CRgn rgn;
    rgn.CreatePolygonRgn(MapToCells(points, map), fillMode, RegionWindow(map));
    return rgn;
}

} // namespace

void ReportMemberFailure(const std::string& text, const std::string& label) {
    MessageBoxOk(text + " " + label);
}

SCellEllipse TradeOffEllipse(const CFPoint& ideal, const CFPoint& statusQuo, double salience,
                             double complementarity) {
    return TradeOffEllipse(ideal, statusQuo, salience, TradeOffTurn(complementarity));
}

STradeOffTurn TradeOffTurn(double complementarity) {
    const double phi = std::atan(complementarity);
    return {std::cos(phi), std::sin(phi)};
}

SCellEllipse TradeOffUnitEllipse(const CFPoint& ideal, double salience, const STradeOffTurn& turn) {
    return {ideal, 1.0, TradeOffAxisRatio(salience), turn.cosTurn, turn.sinTurn};
}

std::vector<CFPoint> TradeOffOutline(const SCellEllipse& e, int vertices) {
    const double step = 6.283185307179586 / vertices;
    const double c = e.cosTurn, sn = e.sinTurn;
    std::vector<CFPoint> points;
    points.reserve(static_cast<size_t>(std::max(vertices, 0)));
    double t = 0.0;
    for (int k = 0; k < vertices; ++k, t += step) {
        const double lx = e.semiX * std::cos(t);
        const double ly = e.semiY * std::sin(t);
        points.emplace_back(e.centre.x + ly * sn + lx * c, e.centre.y + ly * c - lx * sn);
    }
    return points;
}

CRgn TradeOffRgn(const CFPoint& ideal, const CFPoint& statusQuo, double salience,
                 double complementarity, const CGridMap& map, int vertices) {
    const SCellEllipse ellipse = TradeOffEllipse(ideal, statusQuo, salience, complementarity);
    if (vertices <= 0)
        return EllipseCellRgn(ellipse, map);
    return Polygon(TradeOffOutline(ellipse, vertices), map, WINDING);
}

CRgn CityBlockRgn(const CFPoint& ideal, const CFPoint& statusQuo, const CGridMap& map) {
    const double r = std::fabs(statusQuo.x - ideal.x) + std::fabs(statusQuo.y - ideal.y);
    return Polygon({CFPoint(ideal.x - r, ideal.y), CFPoint(ideal.x, ideal.y + r),
                    CFPoint(ideal.x + r, ideal.y), CFPoint(ideal.x, ideal.y - r)},
                   map, ALTERNATE);
}

SIntRect IndependentCells(const CFPoint& ideal, const CFPoint& statusQuo, const CGridMap& map) {
    const double dx = std::fabs(statusQuo.x - ideal.x);
    const double dy = std::fabs(statusQuo.y - ideal.y);
    const QPoint corner = map.WorldToCell(CFPoint(ideal.x - dx, ideal.y + dy));
    const int width = Nearest(2.0 * dx * map.ScaleX());
    const int height = Nearest(2.0 * dy * map.ScaleY());
    // Edges are held to the region window (in 64 bits, as the sum may pass the int range).
    const SIntRect w = RegionWindow(map);
    const auto held = [](long long v, int low, int high) {
        return static_cast<int>(std::clamp<long long>(v, low, high));
    };
    const long long x0 = corner.x(), y0 = corner.y();
    const long long x1 = x0 + width, y1 = y0 + height;
    return {held(std::min(x0, x1), w.left, w.right), held(std::min(y0, y1), w.top, w.bottom),
            held(std::max(x0, x1), w.left, w.right), held(std::max(y0, y1), w.top, w.bottom)};
}

CRgn IndependentRgn(const CFPoint& ideal, const CFPoint& statusQuo, const CGridMap& map) {
    CRgn rgn;
    rgn.CreateRectRgnIndirect(IndependentCells(ideal, statusQuo, map));
    return rgn;
}

CRgn SquareRgn(const CFPoint& ideal, const CGridMap& map) {
    const QPoint cell = map.WorldToCell(ideal);
    CRgn rgn;
    rgn.CreateRectRgn(cell.x(), cell.y(), cell.x() + 2, cell.y() + 2);
    return rgn;
}

void DeriveTypeSettings(int prefType, PreferenceSpec& spec, const CFPoint& ideal,
                        const CFPoint& statusQuo) {
    if (prefType != PREF_EUM)
        return;
    const double dy = std::fabs(ideal.y - statusQuo.y);
    spec.complementarity = 0.0;
    spec.salience = std::fabs(ideal.x - statusQuo.x) / (dy == 0.0 ? 1e-7 : dy);
}

CRgn BuildTypeRgn(int prefType, const CFPoint& ideal, const CFPoint& statusQuo,
                  PreferenceSpec& spec, const CGridMap& map, const std::string& label,
                  int prefVertices) {
    switch (prefType) {
    case PREF_EUM:
        DeriveTypeSettings(prefType, spec, ideal, statusQuo);
        [[fallthrough]];
    case PREF_TRADEOFF:
        return Guarded("memory exception allocating elliptical region; player:", label, [&] {
            return TradeOffRgn(ideal, statusQuo, spec.salience, spec.complementarity, map,
                               prefVertices);
        });
    case PREF_CITYBLOCK:
        return Guarded("memory exception allocating city block region; player:", label,
                       [&] { return CityBlockRgn(ideal, statusQuo, map); });
    case PREF_INDEPENDENT:
        return Guarded("memory exception allocating independent region; player:", label,
                       [&] { return IndependentRgn(ideal, statusQuo, map); });
    case PREF_ABSOLUTE:
    case PREF_ABSTAIN:
        return SquareRgn(ideal, map);
    case PREF_DIRECTIONAL:
        return Guarded("memory exception allocating directional region; player:", label,
                       [&] { return DirectionalRgn(ideal, statusQuo, map); });
    case PREF_UNIFIED:
        return UnifiedRgn(ideal, statusQuo, spec, map);
    default:
        ReportMemberFailure("Failure to create region for player:", label);
        return CRgn();
    }
}

CRgn BuildPreferredRgn(const SPreferredRgnInput& input) {
    PreferenceSpec& spec = *input.spec;
    CRgn rgn = BuildTypeRgn(spec.prefType, input.ideal, input.statusQuo, spec, input.map,
                            input.label, input.prefVertices);
    if (!rgn.IsValid())
        return rgn;
    if (IsEmptyRgn(rgn))
        CreatePointMarker(rgn, input.map.WorldToCell(input.ideal));
    if (!input.rational)
        return rgn;
    const auto [h, v] = input.spread;
    const double dx = input.ideal.x - input.statusQuo.x, dy = input.ideal.y - input.statusQuo.y;
    if (dx * dx + dy * dy > h * h + v * v) {
        ApplyRationalityBlur(rgn, input);
    } else if (spec.prefType != PREF_ABSTAIN) {
        // The member gives the status quo the benefit of the doubt: it prefers only points
        // within its own spread.
        const CFPoint doubt(input.ideal.x + std::sqrt(h * h + v * v), input.ideal.y);
        rgn = TradeOffRgn(input.ideal, doubt, spec.salience, spec.complementarity, input.map,
                          input.prefVertices);
    }
    return rgn;
}
