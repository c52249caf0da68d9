#include "report/ConceptGroups.h"

#include "document/QueltaDoc.h"
#include "document/ScenarioFile.h"
#include "platform/HeadlessPlatform.h"

#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

/// Reads a scenario in the XY format (one "name h v" line per member) from a temporary file.
void ReadMembers(CQueltaDoc& doc, const QByteArray& lines) {
    QTemporaryDir dir;
    QFile file(dir.filePath("members.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(lines);
    file.close();
    ASSERT_TRUE(ReadScenarioFile(doc, file.fileName().toStdString()));
}

TEST(ConceptResultsTest, LinesAndObjectHoldTheSameKeysInTheGroupOrder) {
    CHeadlessPlatform platform;
    CScopedPlatform scope(platform);
    CQueltaDoc doc;
    ASSERT_TRUE(ReadScenarioFile(doc, QUELTA_EXAMPLES "/triangle.txt"));
    const SConceptResults results = ComputeConceptResults(doc, {"pareto", "vote"});
    EXPECT_TRUE(results.failures.empty());
    const std::vector<std::string> lines = results.report.Lines();
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(lines[0], "scenario.name: Three-member committee on a triangle");
    EXPECT_EQ(lines[2], "vote.rule: 0.5") << "vote comes before pareto whatever the order asked";
    EXPECT_EQ(lines.back().rfind("pareto.bbox: ", 0), 0u);
    const QJsonObject object = results.report.Object();
    EXPECT_EQ(static_cast<size_t>(object.size()), lines.size());
    EXPECT_EQ(object["statusquo"].toArray(), (QJsonArray{50.0, 50.0}));
    EXPECT_EQ(object["members.count"].toDouble(), 3.0);
    EXPECT_FALSE(object.contains("error"));
    EXPECT_TRUE(IsConceptGroup("heartexact"));
    EXPECT_FALSE(IsConceptGroup("error"));
}

TEST(ConceptResultsTest, AFailedGroupIsNamedAndTheOthersStillRun) {
    CHeadlessPlatform platform;
    CScopedPlatform scope(platform);
    CQueltaDoc doc;
    // A member this far out leaves the chart's cells without a finite size: every group that
    // maps the chart fails, the others still give their values.
    ReadMembers(doc, "A 1e300 20\nB 80 70\nC 5 5\n");
    const SConceptResults results = ComputeConceptResults(doc);
    ASSERT_EQ(results.failures.size(), 7u);
    EXPECT_EQ(results.failures[1].group, "pareto");
    EXPECT_EQ(results.failures[1].message, "gave values that are not numbers");
    const QJsonObject object = results.report.Object();
    EXPECT_TRUE(object["error"].toString().startsWith(
        "winset: gave values that are not numbers; pareto: gave values that are not numbers; "));
    EXPECT_FALSE(object.contains("pareto.area"));
    EXPECT_TRUE(std::any_of(results.failures.begin(), results.failures.end(),
                            [](const auto& failure) { return failure.group == "uncovered"; }))
        << "a body on one line far out: its uncovered set maps the chart as the heart does";
    EXPECT_TRUE(object.contains("histogram.v")) << "the groups after the failed one ran";
    const std::vector<std::string> texts = platform.MessageTexts();
    EXPECT_TRUE(std::none_of(texts.begin(), texts.end(), [](const std::string& text) {
        return text.find("not numbers") != std::string::npos;
    })) << "the failure is kept in the results, not shown";
}

} // namespace
