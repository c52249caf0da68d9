#pragma once

#include "geometry/EllipseCells.h"
#include "geometry/FPoint.h"
#include "geometry/GridMap.h"
#include "geometry/Rgn.h"
#include "preferences/PreferenceSpec.h"

#include <string>
#include <utility>
#include <vector>

/// Everything a member's preferred-to region depends on.
struct SPreferredRgnInput {
    CFPoint ideal;
    CFPoint statusQuo;
    CGridMap map;
    /// The member's settings; the EUM model stores the salience and complementarity it derives.
    PreferenceSpec* spec = nullptr;
    /// The benefit-of-the-doubt radii (the spread of the member's ratings).
    std::pair<double, double> spread{0.0, 0.0};
    int rational = 0;
    /// The member's label, shown in failure messages.
    std::string label;
    /// How ellipses become cells: 0 the exact ellipse, N >= 3 its inscribed N-gon.
    int prefVertices = 0;
};

/// The member's region of cells preferred to its status quo under its preference model and
/// rationality settings; no region when the preference type is unknown.
CRgn BuildPreferredRgn(const SPreferredRgnInput& input);

/// Sets what a preference type derives from the positions: the expected-utility type takes the
/// ratio of the ideal point's distances from the status quo along the axes as its salience,
/// without complementarity; other types keep their settings.
void DeriveTypeSettings(int prefType, PreferenceSpec& spec, const CFPoint& ideal,
                        const CFPoint& statusQuo);

/// The plain region of one preference type for an ideal point and a status quo (EUM derives
/// its salience into `spec`); no region for an unknown type.
CRgn BuildTypeRgn(int prefType, const CFPoint& ideal, const CFPoint& statusQuo,
                  PreferenceSpec& spec, const CGridMap& map, const std::string& label,
                  int prefVertices = 0);

/// The trade-off ellipse about the ideal point through the status quo: its semi-axes l along
/// its own x axis and salience * l along its y axis, turned by atan(complementarity).
SCellEllipse TradeOffEllipse(const CFPoint& ideal, const CFPoint& statusQuo, double salience,
                             double complementarity);
/// The cosine and sine of the trade-off ellipse's turn, atan(complementarity).
struct STradeOffTurn {
    double cosTurn = 1.0;
    double sinTurn = 0.0;
};
STradeOffTurn TradeOffTurn(double complementarity);
/// The ratio of the trade-off ellipse's axes: the salience, 1 for none.
inline double TradeOffAxisRatio(double salience) {
    return salience == 0.0 ? 1.0 : salience;
}
/// The same ellipse from a turn found once for many status quos (inline: it is found for every
/// member at every trial status quo of a map).
inline SCellEllipse TradeOffEllipse(const CFPoint& ideal, const CFPoint& statusQuo, double salience,
                                    const STradeOffTurn& turn) {
    const double s = TradeOffAxisRatio(salience);
    const double c = turn.cosTurn, sn = turn.sinTurn;
    const double dx = statusQuo.x - ideal.x, dy = statusQuo.y - ideal.y;
    const double qx = dx * c - dy * sn;
    const double qy = dx * sn + dy * c;
    const double l = std::sqrt((qy / s) * (qy / s) + qx * qx);
    return {ideal, l, s * l, c, sn};
}
/// The trade-off ellipse of the same shape with the semi-axis along its own x axis 1, which
/// every ellipse of the member is a multiple of.
SCellEllipse TradeOffUnitEllipse(const CFPoint& ideal, double salience, const STradeOffTurn& turn);
/// The ellipse's inscribed n-gon, its first corner on the ellipse's own x axis (the classic
/// outline has 40 corners).
std::vector<CFPoint> TradeOffOutline(const SCellEllipse& ellipse, int vertices);
/// The region of the trade-off ellipse: with `vertices` 0 the cells whose centres lie inside
/// the exact ellipse, otherwise the inscribed polygon of that many corners (winding fill).
CRgn TradeOffRgn(const CFPoint& ideal, const CFPoint& statusQuo, double salience,
                 double complementarity, const CGridMap& map, int vertices = 0);
/// The diamond about the ideal point through the status quo (alternate fill).
CRgn CityBlockRgn(const CFPoint& ideal, const CFPoint& statusQuo, const CGridMap& map);
/// The cells of the axis-parallel rectangle about the ideal point through the status quo, held
/// to the map's region window (left <= right, top <= bottom; no cell when either is equal).
SIntRect IndependentCells(const CFPoint& ideal, const CFPoint& statusQuo, const CGridMap& map);
/// The region of those cells.
CRgn IndependentRgn(const CFPoint& ideal, const CFPoint& statusQuo, const CGridMap& map);
/// The 2 x 2-cell square at the ideal point's cell (absolute and abstaining members).
CRgn SquareRgn(const CFPoint& ideal, const CGridMap& map);
/// The part of the chart window on the ideal point's side of the line through the status quo
/// perpendicular to ideal point - status quo.
CRgn DirectionalRgn(const CFPoint& ideal, const CFPoint& statusQuo, const CGridMap& map);
/// The cells whose unified utility reaches that of a point next to the status quo.
CRgn UnifiedRgn(const CFPoint& ideal, const CFPoint& statusQuo, const PreferenceSpec& spec,
                const CGridMap& map);

/// Blurs a region by the member's rationality model: regions for sampled ideal points and
/// status quos combined by the model's inner and outer modes. Models other than 1 to 5 leave
/// the region as it is.
void ApplyRationalityBlur(CRgn& rgn, const SPreferredRgnInput& input);

/// Shows a failure about a member's region: the fixed text followed by the member's label.
void ReportMemberFailure(const std::string& text, const std::string& label);
