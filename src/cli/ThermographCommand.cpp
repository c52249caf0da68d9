#include "cli/CliCommand.h"
#include "cli/CliOutput.h"
#include "cli/CommonOptions.h"
#include "cli/LogOption.h"
#include "cli/TerminalPlatform.h"
#include "document/DocumentLog.h"
#include "document/QueltaDoc.h"
#include "thermograph/CustomDistribution.h"
#include "thermograph/Thermograph.h"

#include <QCommandLineParser>

#include <cmath>
#include <cstdio>
#include <unistd.h>

namespace {

constexpr const char* kUsage = "thermograph FILE --mode "
                               "area|radius|bod|custom|total|decision|marginal|members|quotalines "
                               "[-o OUT.csv] [--threads N] [common options]";

/// The mode names of the command line with their thermograph modes.
constexpr std::pair<const char*, int> kModes[] = {
    {"area", THERMO_AREA},         {"radius", THERMO_RADIUS},   {"bod", THERMO_BOD},
    {"custom", THERMO_CUSTOM},     {"total", THERMO_TOTAL},     {"decision", THERMO_DECISION},
    {"marginal", THERMO_MARGINAL}, {"members", THERMO_MEMBERS}, {"quotalines", THERMO_QUOTALINES},
};

/// Shows the progress texts on one terminal line of stderr; otherwise the terminal platform.
class CTerminalProgress : public CTerminalPlatform {
public:
    CTerminalProgress() : m_terminal(isatty(fileno(stderr)) != 0) {}
    ~CTerminalProgress() override {
        if (m_shown)
            std::fputc('\n', stderr);
    }
    void SetStatusText(int pane, const std::string& text) override {
        if (!m_terminal || pane != 1)
            return;
        std::fprintf(stderr, "\r%-40s", text.c_str());
        m_shown = true;
    }

private:
    bool m_terminal;
    bool m_shown = false;
};

/// What a map holds, for the log: its mode and its pixels, or the distribution's levels.
std::string MapSummary(const SThermographGrid& grid, const QString& mode) {
    if (mode == "custom")
        return "custom, " + std::to_string(grid.levels.size()) + " levels";
    return mode.toStdString() + ", " + std::to_string(grid.Columns()) + " x " +
           std::to_string(grid.Rows()) + " pixels";
}

int ModeOf(const QString& name) {
    for (const auto& [text, mode] : kModes)
        if (name == QLatin1String(text))
            return mode;
    return 0;
}

/// The text of a pixel's location under the win-set value maps.
const char* LocationText(signed char location) {
    return location > 0 ? "uncovered" : location < 0 ? "pareto" : "none";
}

/// The map as CSV: one row per pixel with its cell, its issue-space point, where it lies
/// (win-set value maps only) and its value (as a magnitude, empty where none was computed).
std::string GridCsv(const SThermographGrid& grid, const CGridMap& map) {
    std::string text = "column,row,h,v,location,value\n";
    char line[192];
    for (int row = 0; row < grid.Rows(); ++row) {
        for (int column = 0; column < grid.Columns(); ++column) {
            const int x = grid.pixels.left + column, y = grid.pixels.top + row;
            const CFPoint p = map.CellToWorld(x, y);
            const size_t index = static_cast<size_t>(row) * grid.Columns() + column;
            const signed char location = grid.location.empty() ? 1 : grid.location[index];
            const double value = location == 0 ? 0.0 : std::fabs(grid.At(column, row));
            int length = std::snprintf(line, sizeof line, "%d,%d,%.10g,%.10g,%s,", x, y, p.x, p.y,
                                       grid.location.empty() ? "" : LocationText(location));
            if (location != 0)
                length += std::snprintf(line + length, sizeof line - length, "%.10g",
                                        grid.location.empty() ? grid.At(column, row) : value);
            text.append(line, static_cast<size_t>(length));
            text += '\n';
        }
    }
    return text;
}

void AddThermographOptions(QCommandLineParser& parser) {
    parser.addPositionalArgument("FILE", "scenario file (standard or XY format)");
    parser.addOption({"mode", "the thermograph mode", "MODE"});
    parser.addOption({{"o", "output"}, "write the CSV (or the distribution) here", "OUT"});
    parser.addOption({"threads", "worker threads (0: one per core)", "N", "0"});
    AddCommonOptions(parser);
}

int RunThermograph(const QStringList& arguments) {
    QCommandLineParser parser;
    AddThermographOptions(parser);
    bool threadsOk = false;
    const int mode = parser.parse(arguments) ? ModeOf(parser.value("mode")) : 0;
    const int threads = parser.value("threads").toInt(&threadsOk);
    const QStringList sources = ScenarioSources(parser);
    if (mode == 0 || !threadsOk || threads < 0 || sources.size() != 1) {
        if (parser.isSet("mode") && mode == 0)
            std::fprintf(stderr, "quelta-cli: unknown mode '%s' in --mode\n",
                         parser.value("mode").toLocal8Bit().constData());
        std::fprintf(stderr, "usage: quelta-cli %s\n", kUsage);
        return EXIT_USAGE;
    }
    CTerminalProgress progress;
    CScopedPlatform scope(progress);
    CQueltaDoc doc;
    if (const int loaded = LoadScenarioWithOptions(parser, sources.front().toStdString(), doc);
        loaded != EXIT_OK)
        return loaded;
    const DisplayConfig& config = doc.Config();
    const SThermographSettings settings{config.nUncoveredSet, config.bExcludeYolk,
                                        config.bUncoveredSetBJS, threads};
    CThermograph thermograph;
    const bool done = mode == THERMO_CUSTOM
                          ? MapCustomDistribution(thermograph, doc.Game(), settings)
                          : thermograph.MapThermographValues(doc.Game(), mode, settings);
    if (!done)
        return EXIT_FAILED;
    const std::string text = mode == THERMO_CUSTOM
                                 ? CustomDistributionText(thermograph.Grid().levels)
                                 : GridCsv(thermograph.Grid(), doc.Game().GridMap());
    if (!WriteCliOutput(parser.value("output"), text))
        return EXIT_FAILED;
    LogRunEntry(doc, "Thermograph", MapSummary(thermograph.Grid(), parser.value("mode")));
    LogRunEntry(doc, "Output", OutputName(parser.value("output")));
    return EXIT_OK;
}

const CCliCommandRegistration thermograph({"thermograph", kUsage, RunThermograph, false,
                                           AddThermographOptions});

} // namespace
