#include "preferences/PreferredRgn.h"

#include "geometry/RgnHelpers.h"
#include "platform/Platform.h"

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
    rgn.CreatePolygonRgn(MapToCells(points, map), fillMode);
    return rgn;
}

} // namespace

void ReportMemberFailure(const std::string& text, const std::string& label) {
    MessageBoxOk(text + " " + label);
}

CRgn TradeOffRgn(const CFPoint& ideal, const CFPoint& statusQuo, double salience,
                 double complementarity, const CGridMap& map) {
    const double phi = std::atan(complementarity);
    const double s = salience == 0.0 ? 1.0 : salience;
    const double c = std::cos(phi), sn = std::sin(phi);
    const double dx = statusQuo.x - ideal.x, dy = statusQuo.y - ideal.y;
    const double qx = dx * c - dy * sn;
    const double qy = dx * sn + dy * c;
    const double l = std::sqrt((qy / s) * (qy / s) + qx * qx);
    std::vector<CFPoint> points;
    points.reserve(40);
    double t = 0.0;
    for (int k = 0; k < 40; ++k, t += 0.15707963267948966) {
        const double lx = l * std::cos(t);
        const double ly = s * l * std::sin(t);
        points.emplace_back(ideal.x + ly * sn + lx * c, ideal.y + ly * c - lx * sn);
    }
    return Polygon(points, map, WINDING);
}

CRgn CityBlockRgn(const CFPoint& ideal, const CFPoint& statusQuo, const CGridMap& map) {
    const double r = std::fabs(statusQuo.x - ideal.x) + std::fabs(statusQuo.y - ideal.y);
    return Polygon({CFPoint(ideal.x - r, ideal.y), CFPoint(ideal.x, ideal.y + r),
                    CFPoint(ideal.x + r, ideal.y), CFPoint(ideal.x, ideal.y - r)},
                   map, ALTERNATE);
}

CRgn IndependentRgn(const CFPoint& ideal, const CFPoint& statusQuo, const CGridMap& map) {
    const double dx = std::fabs(statusQuo.x - ideal.x);
    const double dy = std::fabs(statusQuo.y - ideal.y);
    const QPoint corner = map.WorldToCell(CFPoint(ideal.x - dx, ideal.y + dy));
    const int width = Nearest(2.0 * dx * map.ScaleX());
    const int height = Nearest(2.0 * dy * map.ScaleY());
    CRgn rgn;
    rgn.CreateRectRgn(corner.x(), corner.y(), corner.x() + width, corner.y() + height);
    return rgn;
}

CRgn SquareRgn(const CFPoint& ideal, const CGridMap& map) {
    const QPoint cell = map.WorldToCell(ideal);
    CRgn rgn;
    rgn.CreateRectRgn(cell.x(), cell.y(), cell.x() + 2, cell.y() + 2);
    return rgn;
}

CRgn BuildTypeRgn(int prefType, const CFPoint& ideal, const CFPoint& statusQuo,
                  PreferenceSpec& spec, const CGridMap& map, const std::string& label) {
    switch (prefType) {
    case PREF_EUM: {
        const double dy = std::fabs(ideal.y - statusQuo.y);
        spec.complementarity = 0.0;
        spec.salience = std::fabs(ideal.x - statusQuo.x) / (dy == 0.0 ? 1e-7 : dy);
        [[fallthrough]];
    }
    case PREF_TRADEOFF:
        return Guarded("memory exception allocating elliptical region; player:", label, [&] {
            return TradeOffRgn(ideal, statusQuo, spec.salience, spec.complementarity, map);
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
    CRgn rgn =
        BuildTypeRgn(spec.prefType, input.ideal, input.statusQuo, spec, input.map, input.label);
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
        rgn = TradeOffRgn(input.ideal, doubt, spec.salience, spec.complementarity, input.map);
    }
    return rgn;
}
