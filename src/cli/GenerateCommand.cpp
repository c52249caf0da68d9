#include "cli/CliCommand.h"
#include "cli/CommonOptions.h"
#include "cli/Interrupt.h"
#include "cli/LogOption.h"
#include "document/DocumentLog.h"
#include "document/QueltaDoc.h"
#include "document/ScenarioFile.h"
#include "document/ScenarioGenerators.h"
#include "platform/TextUtil.h"

#include <QCommandLineParser>

#include <algorithm>
#include <cstdio>
#include <optional>

namespace {

const char* const kUsage =
    "generate whiteboard|polygon|bargain|montecarlo [--radius R] [--members N] [--type T] "
    "[--seed S] [--distribution uniform|normal] [--mean H,V] [--spread H,V] [--draws N] "
    "[--settings FILE] [--name NAME] [--config FILE] [--log FILE] -o OUT";

int UsageError(const std::string& text) {
    std::fprintf(stderr, "quelta-cli generate: %s\n", text.c_str());
    return EXIT_USAGE;
}

/// The preference model name of --type: a generator's model name in any letter case, or its
/// type code 1 to 4.
std::optional<std::string> ModelName(const QString& text) {
    for (const char* name : {"Tradeoff", "City Block", "Directional", "Unified"}) {
        const int code = GeneratorPreferenceType(name, 0);
        if (EqualsNoCase(text.toStdString(), name) || text == QString::number(code) ||
            (code == 4 && text.compare("cityblock", Qt::CaseInsensitive) == 0))
            return std::string(name);
    }
    return std::nullopt;
}

std::optional<std::pair<double, double>> Pair(const QString& text) {
    const QStringList parts = text.split(',');
    bool ok1 = false, ok2 = false;
    if (parts.size() != 2)
        return std::nullopt;
    const double a = parts[0].trimmed().toDouble(&ok1), b = parts[1].trimmed().toDouble(&ok2);
    return ok1 && ok2 ? std::optional(std::make_pair(a, b)) : std::nullopt;
}

/// Reads an integer option; false (with a message) when it is set but not a whole number.
bool IntOption(const QCommandLineParser& parser, const char* name, int& value) {
    if (!parser.isSet(name))
        return true;
    bool ok = false;
    const int parsed = parser.value(name).toInt(&ok);
    if (ok)
        value = parsed;
    else
        UsageError(std::string("--") + name + " takes a whole number");
    return ok;
}

int GeneratePolygon(const QCommandLineParser& parser, CQueltaDoc& doc) {
    SRegularPolygonSettings settings;
    if (parser.isSet("radius")) {
        bool ok = false;
        settings.radius = parser.value("radius").toDouble(&ok);
        if (!ok)
            return UsageError("--radius takes a number");
    }
    if (!IntOption(parser, "members", settings.members))
        return EXIT_USAGE;
    if (parser.isSet("type"))
        settings.preferenceModel = ModelName(parser.value("type")).value_or("?");
    return NewRegularPolygon(doc, settings) ? EXIT_OK : EXIT_USAGE;
}

int MonteCarloOptions(const QCommandLineParser& parser, SMonteCarloSettings& s) {
    if (parser.isSet("settings"))
        s = ReadMonteCarloSettings(parser.value("settings").toStdString());
    if (!IntOption(parser, "members", s.members) || !IntOption(parser, "seed", s.seed))
        return EXIT_USAGE;
    if (parser.isSet("type")) {
        const std::optional<std::string> name = ModelName(parser.value("type"));
        if (!name)
            return UsageError("--type takes Tradeoff, City Block, Directional or Unified");
        s.preferenceModel = *name;
    }
    s.prefType = GeneratorPreferenceType(s.preferenceModel, s.prefType);
    if (parser.isSet("distribution")) {
        const QString value = parser.value("distribution");
        if (value != "uniform" && value != "normal")
            return UsageError("--distribution takes uniform or normal");
        s.distributionH = s.distributionV = value == "normal" ? MC_NORMAL : MC_UNIFORM;
    }
    for (const char* name : {"mean", "spread"}) {
        if (!parser.isSet(name))
            continue;
        const auto pair = Pair(parser.value(name));
        if (!pair)
            return UsageError(std::string("--") + name + " takes H,V");
        const bool mean = name == std::string("mean");
        (mean ? s.meanH : s.stdDevH) = pair->first;
        (mean ? s.meanV : s.stdDevV) = pair->second;
    }
    return EXIT_OK;
}

int GenerateMonteCarlo(const QCommandLineParser& parser, CQueltaDoc& doc) {
    SMonteCarloSettings settings;
    if (const int result = MonteCarloOptions(parser, settings); result != EXIT_OK)
        return result;
    // A bound on the candidate points keeps a distribution far outside the box from drawing
    // for ever; a thousand candidates per member is plenty for any sensible setting.
    std::int64_t draws = std::max<std::int64_t>(1000000, 1000LL * settings.members);
    if (parser.isSet("draws")) {
        bool ok = false;
        draws = parser.value("draws").toLongLong(&ok);
        if (!ok || draws < 1)
            return UsageError("--draws takes a positive whole number");
    }
    const std::string name = parser.value("name").toStdString();
    switch (NewMonteCarlo(doc, name.empty() ? "MonteCarlo" : name, settings, draws)) {
    case EMonteCarloResult::Generated:
        return EXIT_OK;
    case EMonteCarloResult::Refused:
        return EXIT_USAGE;
    case EMonteCarloResult::Cancelled:
        std::fprintf(stderr, "quelta-cli generate: interrupted; nothing was written\n");
        return EXIT_FAILED;
    default:
        return EXIT_FAILED;
    }
}

int Generate(const QString& kind, const QCommandLineParser& parser, CQueltaDoc& doc) {
    const std::string name = parser.value("name").toStdString();
    if (kind == "whiteboard")
        return NewWhiteboard(doc, name.empty() ? "Whiteboard" : name) ? EXIT_OK : EXIT_FAILED;
    if (kind == "polygon")
        return GeneratePolygon(parser, doc);
    if (kind == "bargain")
        return NewBargain(doc) ? EXIT_OK : EXIT_FAILED;
    return GenerateMonteCarlo(parser, doc);
}

void AddGenerateOptions(QCommandLineParser& parser) {
    parser.addPositionalArgument("KIND", "whiteboard, polygon, bargain or montecarlo");
    parser.addOptions({
        {{"o", "output"}, "scenario file to write (standard format)", "OUT"},
        {"radius", "polygon: radial distance, 0 to 100", "R"},
        {"members", "polygon: 3 to 1000 members; montecarlo: members to draw", "N"},
        {"type", "preference model: Tradeoff, City Block, Directional or Unified", "T"},
        {"seed", "montecarlo: generator state (0 or below restarts the sequence)", "S"},
        {"distribution", "montecarlo: uniform or normal on both axes", "uniform|normal"},
        {"mean", "montecarlo: means of the normal distribution", "H,V"},
        {"spread", "montecarlo: standard deviations of the normal distribution", "H,V"},
        {"draws", "montecarlo: most candidate points to draw", "N"},
        {"settings", "montecarlo: settings file to start from (ten lines)", "FILE"},
        {"name", "scenario name", "NAME"},
        {"config", "configuration file (default: quelta.cfg in the current directory)", "FILE"},
    });
    AddLogOption(parser);
}

int RunGenerate(const QStringList& arguments) {
    QCommandLineParser parser;
    AddGenerateOptions(parser);
    const QStringList kinds = {"whiteboard", "polygon", "bargain", "montecarlo"};
    if (!parser.parse(arguments) || parser.positionalArguments().size() != 1 ||
        !kinds.contains(parser.positionalArguments().front()) || !parser.isSet("o")) {
        std::fprintf(stderr, "usage: quelta-cli %s\n", kUsage);
        return EXIT_USAGE;
    }
    // Ctrl-C stops a long draw where it polls for Cancel, with nothing written.
    CInterruptiblePlatform platform(Platform());
    CScopedPlatform scope(platform);
    const CInterruptHandler interrupt;
    CQueltaDoc doc;
    if (const int result = ReadConfigOption(parser, doc); result != EXIT_OK)
        return result;
    if (const int result = ApplyLogOption(parser, doc); result != EXIT_OK)
        return result;
    if (const int result = Generate(parser.positionalArguments().front(), parser, doc);
        result != EXIT_OK)
        return result;
    doc.SetPathName(parser.value("o").toStdString());
    if (!WriteScenarioFile(doc))
        return EXIT_FAILED;
    LogRunEntry(doc, "Output", parser.value("o").toStdString());
    return EXIT_OK;
}

const CCliCommandRegistration generate({"generate", kUsage, RunGenerate, false,
                                        AddGenerateOptions});

} // namespace
