#include "cli/CliCommand.h"
#include "cli/CliOutput.h"
#include "cli/CommonOptions.h"
#include "cli/LogOption.h"
#include "document/DocumentLog.h"
#include "document/QueltaDoc.h"
#include "platform/TextUtil.h"
#include "report/RegionFeatures.h"

#include <QCommandLineParser>
#include <QJsonDocument>

#include <cstdio>

namespace {

const char* const kUsage =
    "regions FILE [--geojson] [--only LIST] [-o OUT.geojson] [common options]";

int Usage() {
    std::fprintf(stderr, "usage: quelta-cli %s\n", kUsage);
    return EXIT_USAGE;
}

/// The set concepts of --only; false (with a message) when it names something else.
bool OnlySetConcepts(const QCommandLineParser& parser, std::vector<std::string>& only) {
    for (const QString& name : NameList(parser.value("only"))) {
        if (!FindSetConcept(name.toStdString())) {
            PrintCliError("--only: '" + name.toStdString() +
                          "' is no set concept (winset, pareto, core, heart, heartexact, "
                          "uncovered, banks)");
            return false;
        }
        only.push_back(name.toStdString());
    }
    return true;
}

void AddRegionsOptions(QCommandLineParser& parser) {
    parser.addPositionalArgument("FILE", "scenario file (standard or XY format)");
    parser.addOption({"geojson", "write a GeoJSON FeatureCollection (the only format)"});
    parser.addOption({"only", "comma list of set concepts (default: those shown)", "LIST"});
    parser.addOption({{"o", "output"}, "write the GeoJSON here instead of stdout", "OUT"});
    AddCommonOptions(parser);
}

/// A region as the log lists it: its concept and area, or its error.
std::string RegionSummary(const SConceptRegion& region) {
    if (!region.error.empty())
        return region.name + ": " + region.error;
    return region.name + ", area " + Format("%.10g", region.area) +
           (region.complete ? "" : ", may reach beyond the chart");
}

int RunRegions(const QStringList& arguments) {
    QCommandLineParser parser;
    AddRegionsOptions(parser);
    const QStringList sources = parser.parse(arguments) ? ScenarioSources(parser) : QStringList();
    std::vector<std::string> only;
    if (sources.size() != 1)
        return Usage();
    if (!OnlySetConcepts(parser, only))
        return EXIT_USAGE;
    CQueltaDoc doc;
    if (const int loaded = LoadScenarioWithOptions(parser, sources.front().toStdString(), doc);
        loaded != EXIT_OK)
        return loaded;
    std::vector<SConceptRegion> regions;
    bool failed = false;
    for (const SSetConcept* setConcept : ChosenSetConcepts(doc, only)) {
        regions.push_back(ComputeConceptRegion(doc, *setConcept));
        if (!regions.back().error.empty()) {
            PrintCliError(setConcept->group + ": " + regions.back().error);
            failed = true;
        }
    }
    const QByteArray json =
        QJsonDocument(RegionFeatureCollection(regions)).toJson(QJsonDocument::Compact) + "\n";
    if (!WriteCliOutput(parser.value("output"), json.toStdString()))
        return EXIT_FAILED;
    for (const SConceptRegion& region : regions)
        LogRunEntry(doc, "Region", RegionSummary(region));
    LogRunEntry(doc, "Output", OutputName(parser.value("output")));
    return failed ? EXIT_FAILED : EXIT_OK;
}

const CCliCommandRegistration regions({"regions", kUsage, RunRegions, false, AddRegionsOptions});

} // namespace
