#include "cli/CliCommand.h"
#include "cli/CommonOptions.h"
#include "cli/LogOption.h"
#include "document/DocumentLog.h"
#include "document/QueltaDoc.h"
#include "views/ChartExport.h"
#include "views/ChartModel.h"
#include "views/ChartShow.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <cstdio>
#include <optional>
#include <vector>

namespace {

/// Switches exactly the listed displays on and every other named display off; false (with a
/// message) for an unknown name.
bool ApplyShowList(const QString& list, DisplayConfig& config) {
    std::vector<std::string> names;
    for (const QString& name : NameList(list))
        names.push_back(name.toStdString());
    const std::string unknown = ApplyChartShowList(names, config);
    if (unknown.empty())
        return true;
    std::string displays;
    for (const auto& [name, flag] : ChartShowNames())
        displays += (displays.empty() ? "" : ", ") + std::string(name);
    std::fprintf(stderr, "quelta-cli: unknown display '%s' in --show (the displays are %s)\n",
                 unknown.c_str(), displays.c_str());
    return false;
}

const char* const kUsage = "render FILE -o OUT.{bmp,png,svg,pdf} [--show LIST] [--legend 0|1] "
                           "[--size WxH{mm,in} | --dpi N] [common options]";

int Usage() {
    std::fprintf(stderr, "usage: quelta-cli %s\n", kUsage);
    return EXIT_USAGE;
}

/// The physical size of --size or --dpi for a figure of the given format; nothing (with a
/// message) for a bad value, both options, or a bitmap.
std::optional<SFigureSize> FigureOption(const QCommandLineParser& parser, const QString& suffix) {
    if (!parser.isSet("size") && !parser.isSet("dpi"))
        return SFigureSize{};
    std::string error;
    std::optional<SFigureSize> figure;
    if (parser.isSet("size") && parser.isSet("dpi"))
        error = "give --size or --dpi, not both";
    else if (suffix != "svg" && suffix != "pdf")
        error = "--size and --dpi apply to .svg and .pdf figures";
    else if (parser.isSet("size"))
        figure = ParseFigureSize(parser.value("size").toStdString(), error);
    else
        figure = ParseFigureDpi(parser.value("dpi").toStdString(), error);
    if (!figure)
        std::fprintf(stderr, "quelta-cli: %s\n", error.c_str());
    return figure;
}

void AddRenderOptions(QCommandLineParser& parser) {
    parser.addPositionalArgument("FILE", "scenario file (standard or XY format)");
    parser.addOption({{"o", "output"}, "the image to write (.bmp, .png, .svg or .pdf)", "OUT"});
    parser.addOption({"show", "comma list of displays to switch on (all others off)", "LIST"});
    parser.addOption({"legend", "draw the legend (1, the default) or not (0)", "0|1"});
    parser.addOption({"size", "the figure's size on paper (SVG, PDF)", "WxH{mm,in}"});
    parser.addOption({"dpi", "the figure's resolution on paper (SVG, PDF)", "N"});
    AddCommonOptions(parser);
}

int RunRender(const QStringList& arguments) {
    QCommandLineParser parser;
    AddRenderOptions(parser);
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
    const std::optional<SFigureSize> figure = FigureOption(parser, suffix);
    if (!figure)
        return EXIT_USAGE;
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
    if (!ExportChart(chart, doc, parser.value("o").toStdString(), error, *figure)) {
        std::fprintf(stderr, "quelta-cli: %s\n", error.c_str());
        return EXIT_FAILED;
    }
    LogRunEntry(doc, "Output", parser.value("o").toStdString());
    return EXIT_OK;
}

const CCliCommandRegistration render({"render", kUsage, RunRender, true, AddRenderOptions});

} // namespace
