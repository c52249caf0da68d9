#include "views/ChartFixture.h"
#include "views/ChartRenderer.h"

#include <QFile>

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
                             ">yolk center = 50, 42.327<", ">yolk radius = 17.327<", ">Tovey<"})
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

} // namespace
