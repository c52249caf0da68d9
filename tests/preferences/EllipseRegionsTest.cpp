#include "GameFixture.h"
#include "RandomBody.h"
#include "geometry/RgnHelpers.h"
#include "preferences/PreferredRgn.h"
#include "preferences/VoteGrid.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

/// The classic trade-off region, written out here as it has always been built: 40 corners at
/// accumulated steps of pi/20, each rounded to its cell, filled by the winding rule.
CRgn ClassicTradeOffRgn(const CFPoint& ideal, const CFPoint& statusQuo, double salience,
                        double complementarity, const CGridMap& map) {
    const double phi = std::atan(complementarity);
    const double s = salience == 0.0 ? 1.0 : salience;
    const double c = std::cos(phi), sn = std::sin(phi);
    const double dx = statusQuo.x - ideal.x, dy = statusQuo.y - ideal.y;
    const double qx = dx * c - dy * sn, qy = dx * sn + dy * c;
    const double l = std::sqrt((qy / s) * (qy / s) + qx * qx);
    std::vector<QPoint> cells;
    double t = 0.0;
    for (int k = 0; k < 40; ++k, t += 0.15707963267948966) {
        const double lx = l * std::cos(t), ly = s * l * std::sin(t);
        cells.push_back(
            map.WorldToCell(CFPoint(ideal.x + ly * sn + lx * c, ideal.y + ly * c - lx * sn)));
    }
    CRgn rgn;
    rgn.CreatePolygonRgn(cells, WINDING);
    if (rgn.IsEmpty())
        CreatePointMarker(rgn, map.WorldToCell(ideal));
    return rgn;
}

bool SameCells(const CRgn& a, const CRgn& b) {
    CRgn difference;
    return difference.CombineRgn(a, b, RGN_XOR) == NULLREGION;
}

/// Random salience and complementarity for every trade-off member of the body.
void TurnAndStretch(CGameFixture& f) {
    for (const auto& member : f.owned) {
        if (member->PrefType() != PREF_TRADEOFF || CRand::Next() % 2)
            continue;
        member->SetSalience(SRandomBody::Uniform(0.2, 4.0));
        member->SetComplementarity(SRandomBody::Uniform(-2.0, 2.0));
    }
    f.Refresh();
}

/// How many trade-off members a test compared, and how many of them were turned or stretched:
/// random bodies may hold few of them, so the tests say how many they saw.
struct SChecked {
    int members = 0;
    int turned = 0;

    void Count(const PreferenceSpec& spec) {
        ++members;
        turned += spec.salience != 1.0 || spec.complementarity != 0.0;
    }
    void ExpectEnough(int leastMembers, int leastTurned) const {
        EXPECT_GE(members, leastMembers) << "trade-off members compared";
        EXPECT_GE(turned, leastTurned) << "of them turned or stretched";
    }
};

} // namespace

TEST(EllipseRegionsTest, FortyCornersGiveTheClassicRegionsCellForCell) {
    CRand::Seed(2024);
    SChecked checked;
    for (int trial = 0; trial < 12; ++trial) {
        CGameFixture f(trial % 2 ? 400 : 250);
        const SRandomBody body = SRandomBody::Make(f, 3 + trial * 7);
        TurnAndStretch(f);
        f.game.SetPrefVertices(40);
        SCOPED_TRACE(body.name);
        for (const auto& m : f.owned) {
            if (m->PrefType() != PREF_TRADEOFF)
                continue;
            const PreferenceSpec& spec = m->Preference();
            const CRgn classic = ClassicTradeOffRgn(m->IdealPoint(), m->StatusQuo(), spec.salience,
                                                    spec.complementarity, m->GridMap());
            EXPECT_TRUE(SameCells(m->PreferredRgn(), classic)) << m->MemberID();
            checked.Count(spec);
        }
    }
    checked.ExpectEnough(40, 18);
}

TEST(EllipseRegionsTest, ExactRegionsHoldTheCellsInsideTheTrueEllipse) {
    CRand::Seed(77);
    SChecked checked;
    for (int trial = 0; trial < 8; ++trial) {
        CGameFixture f(200);
        const SRandomBody body = SRandomBody::Make(f, 5 + trial * 3);
        TurnAndStretch(f);
        SCOPED_TRACE(body.name);
        const CGridMap& map = f.game.GridMap();
        for (const auto& m : f.owned) {
            if (m->PrefType() != PREF_TRADEOFF)
                continue;
            const PreferenceSpec& spec = m->Preference();
            const double phi = std::atan(spec.complementarity);
            const double s = spec.salience == 0.0 ? 1.0 : spec.salience;
            // The member prefers the points closer to it than the status quo in its own
            // stretched and turned metric.
            const auto metric = [&](const CFPoint& p) {
                const double dx = p.x - m->IdealPoint().x, dy = p.y - m->IdealPoint().y;
                const double u = dx * std::cos(phi) - dy * std::sin(phi);
                const double w = (dx * std::sin(phi) + dy * std::cos(phi)) / s;
                return u * u + w * w;
            };
            const double limit = metric(m->StatusQuo());
            int wrong = 0;
            const SIntRect plot = OrderedDeviceRect(map);
            for (int y = plot.top; y < plot.bottom; y += 2)
                for (int x = plot.left; x < plot.right; x += 2) {
                    const double value = metric(map.CellToWorld(x, y));
                    if (std::fabs(value - limit) > 1e-9 * (1 + limit) &&
                        (value < limit) != m->PreferredRgn().PtInRegion(x, y))
                        ++wrong;
                }
            EXPECT_EQ(wrong, 0) << m->MemberID();
            checked.Count(spec);
        }
    }
    checked.ExpectEnough(12, 5);
}

TEST(EllipseRegionsTest, ThinAndTurnedEllipsesHaveTheirArea) {
    const CGridMap map = ChartGridMap(SEdges{0, 100, 100, 0}, 400, 400, 1.0);
    // Salience 10: semi-axes l = 3 across and 30 along the vertical, about 500 cells of
    // boundary; the count misses the area by a few of them.
    const CFPoint ideal(50.03, 50.07);
    const CRgn thin = TradeOffRgn(ideal, CFPoint(53.03, 50.07), 10.0, 0.0, map);
    EXPECT_NEAR(RgnArea(thin, map), M_PI * 3 * 30, 1.5);
    // Turned by 45 degrees, through the same status quo: in the ellipse's own axes the status
    // quo lies at (3 cos 45, 3 sin 45), so l^2 = 4.5 + 4.5 / 100.
    const CRgn turned = TradeOffRgn(ideal, CFPoint(53.03, 50.07), 10.0, 1.0, map);
    EXPECT_NEAR(RgnArea(turned, map), M_PI * 10 * 4.545, 1.5);
    // A member whose status quo lies on its ideal point prefers nothing; the builder gives an
    // empty region for the point marker to replace.
    EXPECT_TRUE(TradeOffRgn(CFPoint(50, 50), CFPoint(50, 50), 1.0, 0.0, map).IsEmpty());
    // Few corners cut more off: a triangle holds less than the square, which holds less than
    // the ellipse.
    const double three = RgnArea(TradeOffRgn(CFPoint(50, 50), CFPoint(60, 50), 1, 0, map, 3), map);
    const double four = RgnArea(TradeOffRgn(CFPoint(50, 50), CFPoint(60, 50), 1, 0, map, 4), map);
    // Polygons take the cells of their left and upper edges: half a boundary's width more.
    EXPECT_NEAR(three, 0.75 * std::sqrt(3.0) * 100, 6.0);
    EXPECT_NEAR(four, 200, 6.0);
    EXPECT_LT(three, four);
    EXPECT_LT(four, RgnArea(TradeOffRgn(CFPoint(50, 50), CFPoint(60, 50), 1, 0, map), map));
}

TEST(EllipseRegionsTest, TheSettingReachesEveryMemberAndItsBlur) {
    CGameFixture f;
    f.game.SetStatusQuo(CFPoint(50, 50));
    CMember& plain = f.Add(20, 30);
    CMember& blurred = f.Add(70, 60);
    PreferenceSpec spec = blurred.Preference();
    spec.modelType = 5;
    spec.idealPoint = SSamplingSpec{0, 1, 0, 6, 2.0, 1, 0, 1};
    blurred.SetPreferenceSpec(spec);
    blurred.SetRational(1);
    const long long exactPlain = plain.PreferredRgn().CellCount();
    const long long exactBlurred = blurred.PreferredRgn().CellCount();
    f.game.SetPrefVertices(6);
    EXPECT_EQ(plain.PrefVertices(), 6);
    EXPECT_LT(plain.PreferredRgn().CellCount(), exactPlain * 0.85) << "a hexagon";
    EXPECT_LT(blurred.PreferredRgn().CellCount(), exactBlurred * 0.9) << "hexagon samples";
    f.game.SetPrefVertices(0);
    EXPECT_EQ(plain.PreferredRgn().CellCount(), exactPlain);
    EXPECT_EQ(blurred.PreferredRgn().CellCount(), exactBlurred);
    // A member that joins later takes the game's setting.
    f.game.SetPrefVertices(40);
    CMember& late = f.Add(40, 40);
    EXPECT_EQ(late.PrefVertices(), 40);
}

TEST(EllipseRegionsTest, FarMembersAndHighZoomsKeepTheChartsCells) {
    // Whatever the distance or the zoom, the chart's cells are those of the whole shapes.
    for (const double zoom : {1.0, 100.0, 1000.0}) {
        SCOPED_TRACE("zoom " + std::to_string(zoom));
        CGameFixture f;
        f.game.SetGridMap(ChartGridMap(SEdges{0, 100, 100, 0}, 200, 200, zoom));
        f.game.SetStatusQuo(CFPoint(50.001, 49.998));
        CMember& far = f.Add(1e10, 10);
        CMember& near = f.Add(10, 20);
        CMember& diamond = f.Add(60, 45, PREF_CITYBLOCK);
        const CGridMap& map = f.game.GridMap();
        const SIntRect plot = OrderedDeviceRect(map);
        for (const CMember* m : {&far, &near}) {
            const SCellEllipse e = TradeOffEllipse(m->IdealPoint(), m->StatusQuo(), 1, 0);
            int wrong = 0;
            for (int y = plot.top; y < plot.bottom; ++y)
                for (int x = plot.left; x < plot.right; ++x)
                    wrong += m->PreferredRgn().PtInRegion(x, y) != CellInEllipse(e, map, x, y);
            EXPECT_EQ(wrong, 0) << m->MemberID();
        }
        // The diamond's corners lie up to 30 000 cells out: the whole outline is still within
        // what the platform converts, and the cut one agrees with it on the chart.
        if (zoom <= 100.0) {
            const double r = std::fabs(60 - 50.001) + std::fabs(45 - 49.998);
            CRgn whole;
            whole.CreatePolygonRgn(MapToCells({CFPoint(60 - r, 45), CFPoint(60, 45 + r),
                                               CFPoint(60 + r, 45), CFPoint(60, 45 - r)},
                                              map),
                                   ALTERNATE);
            int differing = 0;
            for (int y = plot.top; y < plot.bottom; ++y)
                for (int x = plot.left; x < plot.right; ++x)
                    differing += whole.PtInRegion(x, y) != diamond.PreferredRgn().PtInRegion(x, y);
            EXPECT_LE(differing, 2);
        }
        SIntRect box;
        far.PreferredRgn().GetRgnBox(&box);
        EXPECT_LE(box.right - box.left, 1000) << "the region keeps the chart's surroundings only";
    }
}
