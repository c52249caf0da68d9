#include "views/ChartHitTest.h"
#include "model/Member.h"
#include "views/ChartFixture.h"
#include "views/ChartRenderer.h"
#include "views/LabelLayer.h"

namespace {

class ChartHitTestTest : public CChartFixture {};

TEST_F(ChartHitTestTest, PressOrderProposalStatusQuoMemberLabelPlotLegend) {
    LoadExample("triangle.txt");
    doc.SetStatusQuo(CFPoint(30, 60));
    doc.SetProposal(CFPoint(70, 60));
    doc.Config().flagNames = 1;
    chart.Update(doc);
    CChartRenderer renderer(chart, doc);
    renderer.Prepare();
    const QRect legend = renderer.LegendRect();
    const CChartLayout& layout = chart.Layout();
    const CMember* top = doc.Game().Members()[2];
    const QRect label = chart.Names().LabelRect(doc, layout, *top);
    const struct {
        const char* name;
        QPoint pixel;
        EChartHit kind;
    } cases[] = {
        {"proposal centre", layout.ToChart(CFPoint(70, 60)), EChartHit::Proposal},
        {"status quo, top-left corner of its 5x5 box",
         layout.ToChart(CFPoint(30, 60)) - QPoint(2, 2), EChartHit::StatusQuo},
        {"status quo box excludes its right edge", layout.ToChart(CFPoint(30, 60)) + QPoint(3, 0),
         EChartHit::Plot},
        {"member", layout.ToChart(top->IdealPoint()), EChartHit::Member},
        {"member's label", label.center(), EChartHit::Label},
        {"empty plot", layout.ToChart(CFPoint(90, 90)), EChartHit::Plot},
        {"legend", legend.center(), EChartHit::Legend},
        {"margin", QPoint(5, 5), EChartHit::None},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HitTest(doc, chart, legend, c.pixel).kind, c.kind) << c.name;
    EXPECT_EQ(HitTest(doc, chart, legend, label.center()).member, top);

    doc.Config().flagStatusQuo = 0;
    chart.Update(doc);
    EXPECT_EQ(HitTest(doc, chart, legend, layout.ToChart(CFPoint(30, 60))).kind,
              EChartHit::StatusQuo)
        << "a hidden status quo still starts a drag";
}

TEST_F(ChartHitTestTest, DraggedLabelKeepsItsPlaceBesideTheMember) {
    LoadExample("triangle.txt");
    doc.Config().flagNames = 1;
    chart.Update(doc);
    CMember& left = *doc.Game().Members()[0];
    chart.Names().PlaceLabel(doc, chart.Layout(), left, QPoint(100, 100));
    EXPECT_EQ(chart.Names().LabelRect(doc, chart.Layout(), left).topLeft(), QPoint(100, 100));
    doc.SetMemberIdealPoint(left.MemberID(), CFPoint(30, 35));
    chart.Update(doc);
    EXPECT_EQ(chart.Names().LabelRect(doc, chart.Layout(), left).topLeft(), QPoint(140, 60))
        << "moved with its member";
    EXPECT_EQ(MemberLabelText(doc.Config(), left), "Left");
    doc.Config().flagLabelVote = 1;
    EXPECT_EQ(MemberLabelText(doc.Config(), left), "Left 1");
}

} // namespace
