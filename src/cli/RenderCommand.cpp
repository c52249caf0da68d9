#include "cli/CliCommand.h"
#include "cli/CommonOptions.h"
#include "document/QueltaDoc.h"
#include "views/ChartExport.h"
#include "views/ChartModel.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <cstdio>
#include <utility>
#include <vector>

namespace {

/// The display names `--show` takes, with the display switch each one turns on.
const std::vector<std::pair<const char*, int DisplayConfig::*>>& ShowNames() {
    using C = DisplayConfig;
    static const std::vector<std::pair<const char*, int C::*>> names = {
        {"winset", &C::flagWinSet},
        {"quotalines", &C::flagQuotaLine},
        {"qualified", &C::flagQuotaLineQualified},
        {"petals", &C::flagPetal},
        {"spokes", &C::flagSpoke},
        {"cardioid", &C::flagCardioid},
        {"yolk", &C::flagYolk},
        {"yolktriangle", &C::flagYolkTri},
        {"pareto", &C::flagParetoSet},
        {"core", &C::flagCore},
        {"heart", &C::flagHeart},
        {"uncovered", &C::flagUncoveredSet},
        {"banks", &C::flagBanksSet},
        {"copeland", &C::flagCopeland},
        {"trimedian", &C::flagTriMedianSet},
        {"schattschneider", &C::flagSchattschneiderSet},
        {"indifference", &C::flagIndiffCurve},
        {"coalition", &C::flagCoalition},
        {"names", &C::flagNames},
        {"grid", &C::flagGrid},
        {"powerindex", &C::flagPowerIndex},
        {"thermograph", &C::flagThermo},
        {"histogram", &C::flagHist},
        {"statistics", &C::flagStats},
        {"budget", &C::flagBudgetLine},
        {"candidates", &C::flagCandidates},
    };
    return names;
}

/// Switches exactly the listed displays on and every other named display off; false (with a
/// message) for an unknown name.
bool ApplyShowList(const QString& list, DisplayConfig& config) {
    const QStringList wanted = list.split(',', Qt::SkipEmptyParts);
    for (const QString& name : wanted) {
        bool known = false;
        for (const auto& [display, flag] : ShowNames())
            known = known || name.trimmed() == display;
        if (!known) {
            std::fprintf(stderr, "quelta-cli: unknown display '%s' in --show\n",
                         name.toLocal8Bit().constData());
            return false;
        }
    }
    for (const auto& [display, flag] : ShowNames())
        config.*flag = 0;
    for (const QString& name : wanted)
        for (const auto& [display, flag] : ShowNames())
            if (name.trimmed() == display)
                config.*flag = 1;
    return true;
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
    if (const int result = LoadScenarioWithOptions(
            parser, sources.front().toStdString(), doc);
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
