#pragma once

#include "document/QueltaDoc.h"
#include "document/ScenarioFile.h"
#include "platform/HeadlessPlatform.h"
#include "views/ChartExport.h"
#include "views/ChartModel.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

/// The text of a standard scenario file with trade-off members at the points (IDs "XX0", ...,
/// last names "M0", ...) on two 0..100 scales.
inline std::string MembersScenario(const std::vector<std::pair<double, double>>& members,
                                   std::pair<double, double> statusQuo,
                                   std::pair<double, double> proposal) {
    std::string text = "GAME PARAMETERS BEGIN\nScenario\tTest\nGroup\tCommittee\tC1\n"
                       "Dimension\tEconomic\tECON\t0\t100\nDimension\tSocial\tSOC\t0\t100\n"
                       "Decision Rule\treserved\t0.5\nPlurality\tAbsolute\t1\n";
    text += "Status Quo\treserved\treserved\t" + std::to_string(statusQuo.first) + "\t" +
            std::to_string(statusQuo.second) + "\n";
    text += "Proposal\treserved\treserved\t" + std::to_string(proposal.first) + "\t" +
            std::to_string(proposal.second) + "\n";
    for (std::size_t i = 0; i < members.size(); ++i)
        text += "Player\tM" + std::to_string(i) + "\tXX" + std::to_string(i) + "\t" +
                std::to_string(members[i].first) + "\t" + std::to_string(members[i].second) +
                "\t1\t0\t0\n";
    return text + "GAME PARAMETERS END\n";
}

/// A document read from a scenario, its chart model, and helpers to render and inspect it.
class CChartFixture : public ::testing::Test {
protected:
    void SetUp() override { doc.SetConfigPath(dir.filePath("none.cfg").toStdString()); }

    /// Reads a shipped example.
    void LoadExample(const std::string& name) {
        ASSERT_TRUE(ReadScenarioFile(doc, std::string(QUELTA_EXAMPLES) + "/" + name)) << name;
    }
    /// Writes a scenario text to a file and reads it.
    void LoadText(const std::string& text) {
        const QString path = dir.filePath("scenario.txt");
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.c_str());
        file.close();
        ASSERT_TRUE(ReadScenarioFile(doc, path.toStdString()));
    }
    /// Switches every display off, the points included.
    void ShowNothing() {
        DisplayConfig& c = doc.Config();
        for (int DisplayConfig::*flag :
             {&DisplayConfig::flagPlayer, &DisplayConfig::flagPlayerAbstain,
              &DisplayConfig::flagStatusQuo, &DisplayConfig::flagProposal,
              &DisplayConfig::flagTovey, &DisplayConfig::flagCopeland})
            c.*flag = 0;
    }
    QImage Render() {
        chart.Update(doc);
        QImage image = RenderChartImage(chart, doc);
        EXPECT_FALSE(image.isNull());
        return image;
    }
    /// The chart exported as SVG text.
    QString Svg() {
        chart.Update(doc);
        std::string error;
        const QString path = dir.filePath("chart.svg");
        EXPECT_TRUE(ExportChart(chart, doc, path.toStdString(), error)) << error;
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return QString::fromUtf8(file.readAll());
    }
    /// The number of pixels of one colour within an area of the image.
    static long long CountColor(const QImage& image, QRgb color, const QRect& area) {
        long long count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                count += (image.pixel(x, y) & 0xFFFFFF) == (color & 0xFFFFFF);
        return count;
    }
    /// The bounding box of the pixels of one colour (empty when there are none).
    static QRect ColorBox(const QImage& image, QRgb color) {
        QRect box;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if ((image.pixel(x, y) & 0xFFFFFF) == (color & 0xFFFFFF))
                    box = box.united(QRect(x, y, 1, 1));
        return box;
    }

    QTemporaryDir dir;
    CRecordingPlatform platform;
    CScopedPlatform scope{platform};
    CQueltaDoc doc;
    CChartModel chart;
};
