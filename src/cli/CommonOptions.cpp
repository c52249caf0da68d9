#include "cli/CommonOptions.h"

#include "cli/CliCommand.h"
#include "cli/LogOption.h"
#include "database/DatabaseSource.h"
#include "database/StoredScenario.h"
#include "document/QueltaDoc.h"
#include "document/ScenarioFile.h"
#include "document/ScenarioGenerators.h"
#include "document/ScenarioOptions.h"
#include "geometry/GeoAlloc.h"
#include "model/InputLimits.h"
#include "platform/TextUtil.h"
#include "preferences/PreferenceSpec.h"

#include <QFileInfo>

#include <cmath>
#include <cstdio>
#include <optional>

namespace {

int UsageError(const std::string& text) {
    std::fprintf(stderr, "quelta-cli: %s\n", text.c_str());
    return EXIT_USAGE;
}

/// A finite number; nothing for any other text ("nan" and "inf" included).
std::optional<double> FiniteNumber(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

/// Two finite numbers separated by a comma, e.g. "40,55".
std::optional<std::pair<double, double>> NumberPair(const QString& text) {
    const QStringList parts = text.split(',');
    if (parts.size() != 2)
        return std::nullopt;
    const auto a = FiniteNumber(parts[0]);
    const auto b = FiniteNumber(parts[1]);
    if (!a || !b)
        return std::nullopt;
    return std::make_pair(*a, *b);
}

/// Two whole numbers separated by an x, e.g. "400x300".
std::optional<SSizeSpec> IntegerPair(const QString& text) {
    const QStringList parts = text.split('x');
    bool ok1 = false, ok2 = false;
    if (parts.size() != 2)
        return std::nullopt;
    const int a = parts[0].trimmed().toInt(&ok1);
    const int b = parts[1].trimmed().toInt(&ok2);
    if (!ok1 || !ok2)
        return std::nullopt;
    return SSizeSpec{a, b};
}

/// Sets one key of the configuration block (or the default model name) and applies it as its
/// command would; refuses unknown keys and values the computations cannot work with, whose
/// message it returns.
std::optional<std::string> SetConfigValue(CQueltaDoc& doc, const QString& assignment) {
    const qsizetype equals = assignment.indexOf('=');
    const std::string key = equals > 0 ? assignment.left(equals).toStdString() : std::string();
    const std::string problem =
        ApplyConfigSetting(doc, key, assignment.mid(equals + 1).toStdString());
    if (problem.empty())
        return std::nullopt;
    if (problem == kUnknownSetting)
        return "unknown setting in --set " + assignment.toStdString();
    return "--set " + assignment.toStdString() + ": " + problem;
}

int ApplyConfigOptions(const QCommandLineParser& parser, CQueltaDoc& doc) {
    for (const QString& assignment : parser.values("set"))
        if (const auto problem = SetConfigValue(doc, assignment))
            return UsageError(*problem);
    if (parser.isSet("chart")) {
        const auto size = IntegerPair(parser.value("chart"));
        if (!size || !ChartSizeUsable(doc.Config(), *size))
            return UsageError("--chart takes WIDTHxHEIGHT, whole numbers of pixels from 6 to "
                              "20000 each, at most " +
                              std::to_string(GeoAllocationLimit()) + " grid cells in all");
        doc.Config().szChart = *size;
    }
    if (parser.isSet("zoom")) {
        const auto zoom = FiniteNumber(parser.value("zoom"));
        if (!zoom || !ChartZoomUsable(*zoom))
            return UsageError("--zoom takes a number from 0.000001 to 1000000");
        doc.SetZoom(*zoom);
    }
    doc.UpdateGridMap();
    return EXIT_OK;
}

int ApplyGameOptions(const QCommandLineParser& parser, CQueltaDoc& doc) {
    for (const char* name : {"sq", "proposal"}) {
        if (!parser.isSet(name))
            continue;
        const auto point = NumberPair(parser.value(name));
        if (!point || !PointUsable(point->first, point->second))
            return UsageError(std::string("--") + name +
                              " takes H,V, two numbers from -1e15 to 1e15");
        const CFPoint p(point->first, point->second);
        name == std::string("sq") ? doc.SetStatusQuo(p) : doc.SetProposal(p);
    }
    if (parser.isSet("rule")) {
        const auto rule = FiniteNumber(parser.value("rule"));
        if (!rule || !(*rule >= kSmallestVoteRule && *rule <= kLargestVoteRule))
            return UsageError("--rule takes a fraction from 0 to 1");
        // Adding zero turns -0 into 0, so the rule is never printed or stored as -0.
        doc.SetVoteRule(*rule + 0.0);
    }
    if (parser.isSet("plurality")) {
        const QString value = parser.value("plurality");
        if (value != "absolute" && value != "relative")
            return UsageError("--plurality takes absolute or relative");
        doc.SetAbsolutePlurality(value == "absolute" ? 1 : 0);
    }
    if (parser.isSet("weighted")) {
        const QString value = parser.value("weighted");
        if (value != "0" && value != "1")
            return UsageError("--weighted takes 0 or 1");
        doc.Config().flagVoteWt = value.toInt();
        doc.Game().SetWeightedVoting(value.toInt());
    }
    return EXIT_OK;
}

/// The house of --house: UH (upper) or LH (lower), any letter case.
int HouseOption(const QString& value) {
    if (value.compare("UH", Qt::CaseInsensitive) == 0)
        return HOUSE_UPPER;
    if (value.compare("LH", Qt::CaseInsensitive) == 0)
        return HOUSE_LOWER;
    return HOUSE_NONE;
}

int SelectFromOptions(const QCommandLineParser& parser, CQueltaDoc& doc) {
    const int house = HouseOption(parser.value("house"));
    const QStringList scales = parser.value("scales").split(',');
    if (!parser.isSet("house") || !parser.isSet("committee") || !parser.isSet("scales"))
        return UsageError("--db needs --scenario NAME, or --house UH|LH, --committee ID and "
                          "--scales H,V");
    if (house == HOUSE_NONE)
        return UsageError("--house takes UH or LH");
    if (scales.size() != 2 || scales[0].isEmpty() || scales[1].isEmpty())
        return UsageError("--scales takes two rating scale IDs, H,V");
    return SelectScenario(doc, house, parser.value("committee").toStdString(),
                          scales[0].toStdString(), scales[1].toStdString())
               ? EXIT_OK
               : EXIT_FAILED;
}

} // namespace

int ReadConfigOption(const QCommandLineParser& parser, CQueltaDoc& doc) {
    if (!parser.isSet("config"))
        return EXIT_OK;
    const QString config = parser.value("config");
    if (!QFileInfo(config).isFile() || !QFileInfo(config).isReadable()) {
        std::fprintf(stderr, "quelta-cli: cannot read the configuration file %s\n",
                     config.toLocal8Bit().constData());
        return EXIT_FAILED;
    }
    doc.SetConfigPath(config.toStdString());
    return EXIT_OK;
}

QStringList NameList(const QString& value) {
    QStringList names;
    for (const QString& name : value.split(','))
        if (!name.trimmed().isEmpty())
            names << name.trimmed();
    return names;
}

void AddDatabaseOptions(QCommandLineParser& parser, bool addScenario) {
    if (addScenario)
        parser.addOption({"scenario", "with --db: the stored scenario to open", "NAME"});
    parser.addOptions({
        {"db", "read the scenario from a database (.sqlite/.db file or ODBC connection)", "CONN"},
        {"house", "with --db: the house, UH or LH", "UH|LH"},
        {"committee", "with --db: the committee ID", "ID"},
        {"scales", "with --db: the horizontal and vertical rating scale IDs", "H,V"},
    });
}

QStringList ScenarioSources(const QCommandLineParser& parser) {
    const QStringList files = parser.positionalArguments();
    if (!parser.isSet("db"))
        return files;
    return files.isEmpty() ? QStringList{QString()} : QStringList();
}

int LoadDatabaseScenario(const QCommandLineParser& parser, const std::string& connection,
                         CQueltaDoc& doc, bool scenarioIsTarget) {
    const bool chosen =
        parser.isSet("house") || parser.isSet("committee") || parser.isSet("scales");
    const bool named = parser.isSet("scenario") && !(scenarioIsTarget && chosen);
    if (named && chosen)
        return UsageError("--scenario takes the place of --house, --committee and --scales");
    if (!named && !(parser.isSet("house") && parser.isSet("committee") && parser.isSet("scales")))
        return SelectFromOptions(parser, doc);
    if (!OpenDatabase(doc, connection))
        return EXIT_FAILED;
    if (named)
        return OpenScenario(doc, parser.value("scenario").toStdString()) ? EXIT_OK : EXIT_FAILED;
    return SelectFromOptions(parser, doc);
}

void AddCommonOptions(QCommandLineParser& parser, bool addScenario) {
    parser.addOptions({
        {"chart", "chart size in pixels (default: the configured size)", "WxH"},
        {"zoom", "zoom factor (1 shows the whole scale range)", "Z"},
        {"config", "configuration file (default: quelta.cfg in the current directory)", "FILE"},
        {"set", "set a key of the configuration block (repeatable)", "KEY=VALUE"},
        {"sq", "move the status quo", "H,V"},
        {"proposal", "move the proposal", "H,V"},
        {"rule", "vote rule: the fraction of the votes a win needs, 0 to 1", "F"},
        {"plurality", "absolute or relative plurality", "absolute|relative"},
        {"weighted", "weighted voting off or on", "0|1"},
    });
    AddDatabaseOptions(parser, addScenario);
    AddLogOption(parser);
}

namespace {

/// Reads the scenario from a database when `connection` is given, else from the file at `path`,
/// else starts a whiteboard; then applies the common options in the order a user expects.
int LoadWithOptions(const QCommandLineParser& parser, const std::string* path,
                    const std::string* connection, bool scenarioIsTarget, CQueltaDoc& doc) {
    if (const int result = ReadConfigOption(parser, doc); result != EXIT_OK)
        return result;
    if (const int result = ApplyLogOption(parser, doc); result != EXIT_OK)
        return result;
    if (connection) {
        const int result = LoadDatabaseScenario(parser, *connection, doc, scenarioIsTarget);
        if (result != EXIT_OK)
            return result;
    } else if (path ? !ReadScenarioFile(doc, *path) : !NewWhiteboard(doc)) {
        return EXIT_FAILED;
    }
    if (const int result = ApplyConfigOptions(parser, doc); result != EXIT_OK)
        return result;
    return ApplyGameOptions(parser, doc);
}

} // namespace

int LoadScenarioWithOptions(const QCommandLineParser& parser, const std::string& path,
                            CQueltaDoc& doc) {
    return StartScenarioWithOptions(parser, &path, doc);
}

int StartScenarioWithOptions(const QCommandLineParser& parser, const std::string* path,
                             CQueltaDoc& doc) {
    if (!parser.isSet("db"))
        return LoadWithOptions(parser, path, nullptr, false, doc);
    const std::string connection = parser.value("db").toStdString();
    return LoadWithOptions(parser, nullptr, &connection, false, doc);
}

int LoadDatabaseScenarioWithOptions(const QCommandLineParser& parser, const std::string& connection,
                                    CQueltaDoc& doc, bool scenarioIsTarget) {
    return LoadWithOptions(parser, nullptr, &connection, scenarioIsTarget, doc);
}
