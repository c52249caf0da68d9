#include "views/ChartFixture.h"
#include "views/ChartRenderer.h"

#include <QFile>
#include <QPainter>

#include "model/FormatNumber.h"
#include "model/Member.h"
#include "preferences/Yolk.h"
#include "thermograph/ThermographGrid.h"

#include <algorithm>
#include <cmath>

namespace {

class ChartLegendTest : public CChartFixture {
protected:
    /// The texts of the legend blocks of the next painting, by block title.
    std::vector<std::string> BlockTexts(const std::string& title) {
        chart.Update(doc);
        CChartRenderer renderer(chart, doc);
        renderer.Prepare();
        for (const CLegendBlock& block : renderer.LegendBlocks())
            if (block.Title() == title)
                return block.Texts();
        return {};
    }
    std::string LogText() {
        QFile file(dir.filePath("quelta.log"));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll().toStdString();
    }
};

TEST_F(ChartLegendTest, SvgCarriesTheLegendTextsAsText) {
    LoadExample("triangle.txt");
    doc.Config().flagWinSet = 1;
    doc.Config().flagYolk = 1;
    const QString svg = Svg();
    for (const char* text : {">SYMBOL<", ">LINES AND SHAPES<", ">decision rule = 0.500<",
                             ">status quo (50, 50)<", ">proposal (50, 50)<", ">win set<",
                             ">yolk center = 50, 42.327<", ">yolk radius = 17.327<"})
        EXPECT_TRUE(svg.contains(text)) << text;
    EXPECT_TRUE(svg.contains("<path")) << "regions are paths";
}

TEST_F(ChartLegendTest, EntriesFollowTheShownConceptsInOrder) {
    LoadExample("triangle.txt");
    EXPECT_TRUE(BlockTexts("LINES AND SHAPES").empty()) << "no concept, no block";
    doc.Config().flagParetoSet = 1;
    doc.Config().flagCore = 1;
    doc.Config().flagWinSet = 1;
    doc.Config().flagSchattschneiderSet = 1;
    const std::vector<std::string> texts = BlockTexts("LINES AND SHAPES");
    const std::vector<std::string> expected = {"LINES AND SHAPES",
                                               "decision rule = 0.500",
                                               "core",
                                               "core area = 0",
                                               "win set",
                                               texts.size() > 5 ? texts[5] : "",
                                               texts.size() > 6 ? texts[6] : "",
                                               "pareto set",
                                               "pareto set area = 1552.500",
                                               "Schattschnieder set"};
    EXPECT_EQ(texts, expected);
    ASSERT_GT(texts.size(), 6u);
    EXPECT_EQ(texts[5].rfind("win set area = ", 0), 0u);
    EXPECT_EQ(texts[6], "win set radius = 50");
}

TEST_F(ChartLegendTest, EmptyYolkIsSaidOnceInTheLegendAndTheLog) {
    LoadText(MembersScenario({{40, 40}}, {60, 60}, {50, 50}));
    ASSERT_EQ(doc.Log().Open(dir.filePath("quelta.log").toStdString()), ELogOpen::Opened);
    doc.Log().SetLogging(true);
    doc.Config().flagYolk = 1;
    const std::vector<std::string> texts = BlockTexts("LINES AND SHAPES");
    EXPECT_EQ(texts.back(), "yolk is empty");
    BlockTexts("LINES AND SHAPES");
    const std::string log = LogText();
    EXPECT_NE(log.find("yolk is empty\n"), std::string::npos) << log;
    EXPECT_EQ(log.find("yolk is empty"), log.rfind("yolk is empty")) << "only when it changes";
}

TEST_F(ChartLegendTest, ChangedValuesGoToTheLog) {
    LoadExample("triangle.txt");
    ASSERT_EQ(doc.Log().Open(dir.filePath("quelta.log").toStdString()), ELogOpen::Opened);
    doc.Log().SetLogging(true);
    doc.Config().flagWinSet = 1;
    BlockTexts("LINES AND SHAPES");
    doc.SetStatusQuo(CFPoint(45, 55));
    BlockTexts("LINES AND SHAPES");
    BlockTexts("LINES AND SHAPES");
    const std::string log = LogText();
    std::size_t lines = 0;
    for (std::size_t at = log.find("win set area = "); at != std::string::npos;
         at = log.find("win set area = ", at + 1))
        ++lines;
    EXPECT_EQ(lines, 2u) << log;
}

TEST_F(ChartLegendTest, SymbolBlockListsOnlyShownPoints) {
    LoadExample("triangle.txt");
    doc.Config().flagPlayerAbstain = 0;
    doc.Config().flagCopeland = 1;
    const std::vector<std::string> texts = BlockTexts("SYMBOL");
    ASSERT_EQ(texts.size(), 5u);
    EXPECT_EQ(texts[1], "member");
    EXPECT_EQ(texts[2], "status quo (50, 50)");
    EXPECT_EQ(texts[4].rfind("Copeland = ", 0), 0u);
    chart.Layout().SetLegendShown(false);
    EXPECT_TRUE(BlockTexts("SYMBOL").empty()) << "legend switched off";
}

TEST_F(ChartLegendTest, SymbolsAreListedOnlyWhenTheChartDrawsThem) {
    LoadExample("triangle.txt");
    doc.Config().flagYolk = 1;
    std::vector<std::string> texts = BlockTexts("SYMBOL");
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "abstainer"), 0) << "nobody abstains";
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "Tovey"),
              doc.Game().GetYolk().extraPoints.empty() ? 0 : 1);
    doc.Game().Members()[0]->SetPrefType(7);
    doc.Game().SetMembers(&doc.Header().currentCommittee->Members());
    texts = BlockTexts("SYMBOL");
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "abstainer"), 1);
    doc.Config().flagCoalition = 1;
    doc.SetProposal(CFPoint(50.0, 50.0));
    texts = BlockTexts("SYMBOL");
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "coalition"), 0)
        << "a proposal on the status quo has no coalition to mark";
}

TEST_F(ChartLegendTest, LegendTextsStayInTheirFramesWhenPaintedScaled) {
    LoadExample("triangle.txt");
    doc.Config().flagWinSet = 1;
    doc.Config().flagParetoSet = 1;
    doc.Config().flagYolk = 1;
    doc.Config().lfLegend.height = 17;
    chart.Update(doc);
    for (const double size : {900.0, 1733.0, 3100.0}) {
        QImage page(QSize(static_cast<int>(size), static_cast<int>(size)), QImage::Format_RGB32);
        page.fill(Qt::white);
        CChartRenderer renderer(chart, doc);
        QPainter painter(&page);
        renderer.PaintInto(painter, QRectF(0, 0, size, size));
        painter.end();
        const QRect extent = renderer.Extent();
        const double scale = std::min(size / extent.width(), size / extent.height());
        // Right of each block's frame the page stays white: no text ran through it.
        for (const QRect& block : renderer.LegendBlockRects()) {
            const int x =
                static_cast<int>(std::ceil((block.right() + 1 - extent.left()) * scale)) + 2;
            const int top = static_cast<int>((block.top() - extent.top()) * scale);
            const int bottom = static_cast<int>((block.bottom() - extent.top()) * scale);
            for (int y = std::max(top, 0); y < std::min(bottom, page.height()); ++y)
                for (int dx = 0; dx < 6 && x + dx < page.width(); ++dx)
                    ASSERT_EQ(page.pixel(x + dx, y), qRgb(255, 255, 255))
                        << "scale " << scale << " at " << x + dx << ", " << y;
        }
    }
}

TEST_F(ChartLegendTest, BelowTheFrameTheBlocksStandInRowsNoWiderThanAsked) {
    LoadExample("triangle.txt");
    doc.Config().flagWinSet = 1;
    doc.Config().flagYolk = 1;
    doc.Config().flagStats = 1;
    chart.Update(doc);
    CChartRenderer renderer(chart, doc);
    renderer.Prepare();
    const std::vector<QRect> column = renderer.LegendBlockRects();
    ASSERT_EQ(column.size(), 3u);
    const QRect frame = renderer.FrameRect();
    const auto tops = [&](int rowWidth) {
        chart.Layout().SetLegendBelow(rowWidth);
        renderer.Prepare();
        std::vector<int> result;
        for (const QRect& block : renderer.LegendBlockRects())
            result.push_back(block.top());
        return result;
    };
    const std::vector<int> oneRow = tops(2000);
    const std::vector<QRect> row = renderer.LegendBlockRects();
    EXPECT_GT(row[0].top(), frame.bottom()) << "below the frame's texts";
    const int plotLeft = chart.Layout().PlotPixels().left();
    EXPECT_EQ(row[0].left(), plotLeft) << "in line with the plot";
    for (std::size_t i = 1; i < row.size(); ++i) {
        EXPECT_EQ(row[i].top(), row[0].top());
        EXPECT_GT(row[i].left(), row[i - 1].right()) << "side by side";
        EXPECT_EQ(row[i].size(), column[i].size());
    }
    EXPECT_EQ(renderer.LegendAreaAt(2000), renderer.LegendRect()) << "measured where drawn";
    EXPECT_EQ(renderer.Extent(), frame.united(renderer.LegendRect()));

    const int twoFit = row[1].right() + 1 - row[0].left();
    const std::vector<int> twoRows = tops(twoFit);
    EXPECT_EQ(twoRows[1], twoRows[0]);
    EXPECT_GT(twoRows[2], renderer.LegendBlockRects()[0].bottom()) << "the third starts a row";
    EXPECT_LE(renderer.LegendRect().width(), twoFit);
    const std::vector<int> narrow = tops(1);
    EXPECT_LT(narrow[0], narrow[1]) << "a block wider than a row has one of its own";
    EXPECT_LT(narrow[1], narrow[2]);
    EXPECT_EQ(renderer.LegendBlockRects()[2].left(), plotLeft);

    chart.Layout().SetLegendBelow(std::nullopt);
    renderer.Prepare();
    EXPECT_EQ(renderer.LegendBlockRects(), column) << "beside the plot as before";
}

TEST_F(ChartLegendTest, TheThermographShowsItsModeAndColourBarWithTheMapsRange) {
    LoadText(
        MembersScenario({{25, 30}, {70, 20}, {60, 75}, {35, 65}, {50, 45}}, {50, 50}, {50, 50}));
    doc.Config().szChart = {60, 60};
    doc.UpdateGridMap();
    doc.Config().flagThermo = 1;
    doc.Config().typeThermo = THERMO_MEMBERS;
    std::vector<std::string> texts = BlockTexts("THERMOGRAPH");
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[1], "Distance from Members");
    const SThermographGrid& grid = doc.Thermograph().Grid();
    EXPECT_EQ(texts[2], FormatNumber(grid.smallest));
    EXPECT_EQ(texts[3], FormatNumber(grid.largest));
    EXPECT_LT(grid.smallest, grid.largest);
    EXPECT_TRUE(Svg().contains(QString::fromStdString(">" + texts[3] + "<")))
        << "the exports carry the bar's values";
    doc.Config().flagThermo = 0;
    EXPECT_TRUE(BlockTexts("THERMOGRAPH").empty());
}

} // namespace
