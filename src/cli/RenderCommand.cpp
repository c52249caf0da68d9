#include "cli/CliCommand.h"
#include "cli/CommonOptions.h"
#include "document/QueltaDoc.h"
#include "views/ChartExport.h"
#include "views/ChartModel.h"
#include "views/ChartShow.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <cstdio>
#include <vector>

namespace {

/// Switches exactly the listed displays on and every other named display off; false (with a
/// message) for an unknown name.
bool ApplyShowList(const QString& list, DisplayConfig& config) {
    std::vector<std::string> names;
    for (const QString& name : list.split(',', Qt::SkipEmptyParts))
        names.push_back(name.trimmed().toStdString());
    const std::string unknown = ApplyChartShowList(names, config);
    if (unknown.empty())
        return true;
    std::fprintf(stderr, "quelta-cli: unknown display '%s' in --show\n", unknown.c_str());
    return false;
}

int Usage() {
    std::fprintf(stderr, "usage: quelta-cli render FILE -o OUT.{bmp,png,svg,pdf} [--show LIST] "
                         "[--legend 0|1] [common options]\n");
    return EXIT_USAGE;
}

int RunRender(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.addPositionalArgument("FILE", "scenario file (standard or XY format)");
    parser.addOption({{"o", "output"}, "the image to write (.bmp, .png, .svg or .pdf)", "OUT"});
    parser.addOption({"show", "comma list of displays to switch on (all others off)", "LIST"});
    parser.addOption({"legend", "draw the legend (1, the default) or not (0)", "0|1"});
    AddCommonOptions(parser);
    const QStringList sources = parser.parse(arguments) ? ScenarioSources(parser) : QStringList();
    if (sources.size() != 1 || !parser.isSet("o"))
        return Usage();
    const QString suffix = QFileInfo(parser.value("o")).suffix().toLower();
    if (!QStringList{"bmp", "png", "svg", "pdf"}.contains(suffix)) {
        std::fprintf(stderr, "quelta-cli: %s: the output must end in .bmp, .png, .svg or .pdf\n",
                     parser.value("o").toLocal8Bit().constData());
        return Usage();
    }
    const QString legend = parser.value("legend");
    if (parser.isSet("legend") && legend != "0" && legend != "1")
        return Usage();
    CQueltaDoc doc;
    if (const int result = LoadScenarioWithOptions(parser, sources.front().toStdString(), doc);
        result != EXIT_OK)
        return result;
    if (parser.isSet("show") && !ApplyShowList(parser.value("show"), doc.Config()))
        return EXIT_USAGE;
    CChartModel chart;
    chart.Update(doc);
    chart.Layout().SetLegendShown(legend != "0");
    std::string error;
    if (!ExportChart(chart, doc, parser.value("o").toStdString(), error)) {
        std::fprintf(stderr, "quelta-cli: %s\n", error.c_str());
        return EXIT_FAILED;
    }
    return EXIT_OK;
}

const CCliCommandRegistration render(
    {"render", "render FILE -o OUT.{bmp,png,svg,pdf} [--show LIST] [--legend 0|1] [common options]",
     RunRender, true});

} // namespace
