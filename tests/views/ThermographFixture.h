#pragma once

#include "document/ChartThermograph.h"
#include "views/ChartFixture.h"
#include "views/ThermographLayer.h"

#include <utility>

/// While alive, new custom maps are written beside their documents, as in the desktop.
struct SDistributionFilesWritten {
    SDistributionFilesWritten() { SetDistributionFilesWritten(true); }
    ~SDistributionFilesWritten() { SetDistributionFilesWritten(false); }
    SDistributionFilesWritten(const SDistributionFilesWritten&) = delete;
    SDistributionFilesWritten& operator=(const SDistributionFilesWritten&) = delete;
};

/// Five trade-off members on a small chart with only the thermograph shown, read from a file in
/// the fixture's folder, so that a custom distribution file lands beside it.
class CThermographFixture : public CChartFixture {
protected:
    void OpenFiveMembers(std::pair<double, double> statusQuo, int columns, int rows) {
        LoadText(MembersScenario({{25, 30}, {70, 20}, {60, 75}, {35, 65}, {50, 45}}, statusQuo,
                                 {50, 50}));
        ShowNothing();
        doc.Config().szChart = {columns, rows};
        doc.UpdateGridMap();
        doc.Config().flagThermo = 1;
        chart.Layout().SetLegendShown(false);
    }
    /// The thermograph layer's picture of the plot once the chart has taken the document.
    QImage Picture() {
        chart.Update(doc);
        return chart.Thermograph().Picture(doc, chart.Layout());
    }
};
