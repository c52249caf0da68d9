#include "cli/CommonOptions.h"

#include "cli/CliCommand.h"
#include "document/QueltaDoc.h"
#include "document/ScenarioFile.h"

#include <QFileInfo>

#include <cstdio>
#include <optional>

namespace {

int UsageError(const std::string& text) {
    std::fprintf(stderr, "quelta-cli: %s\n", text.c_str());
    return EXIT_USAGE;
}

/// Two numbers separated by `separator`, e.g. "400x300" or "40,55".
std::optional<std::pair<double, double>> NumberPair(const QString& text, QChar separator) {
    const QStringList parts = text.split(separator);
    bool ok1 = false, ok2 = false;
    if (parts.size() != 2)
        return std::nullopt;
    const double a = parts[0].trimmed().toDouble(&ok1);
    const double b = parts[1].trimmed().toDouble(&ok2);
    if (!ok1 || !ok2)
        return std::nullopt;
    return std::make_pair(a, b);
}

int ApplyConfigOptions(const QCommandLineParser& parser, CQueltaDoc& doc) {
    for (const QString& assignment : parser.values("set")) {
        const qsizetype equals = assignment.indexOf('=');
        if (equals <= 0 || !doc.Config().SetValue(assignment.left(equals).toStdString(),
                                                  assignment.mid(equals + 1).toStdString()))
            return UsageError("unknown setting in --set " + assignment.toStdString());
    }
    if (parser.isSet("chart")) {
        const auto size = NumberPair(parser.value("chart"), 'x');
        if (!size || size->first < 6 || size->second < 6 || size->first > 20000 ||
            size->second > 20000)
            return UsageError("--chart takes WIDTHxHEIGHT, each 6 to 20000 pixels");
        doc.Config().szChart = {static_cast<int>(size->first), static_cast<int>(size->second)};
    }
    if (parser.isSet("zoom")) {
        bool ok = false;
        const double zoom = parser.value("zoom").toDouble(&ok);
        if (!ok || !(zoom > 0.0))
            return UsageError("--zoom takes a positive number");
        doc.SetZoom(zoom);
    }
    doc.UpdateGridMap();
    return EXIT_OK;
}

int ApplyGameOptions(const QCommandLineParser& parser, CQueltaDoc& doc) {
    for (const char* name : {"sq", "proposal"}) {
        if (!parser.isSet(name))
            continue;
        const auto point = NumberPair(parser.value(name), ',');
        if (!point)
            return UsageError(std::string("--") + name + " takes H,V");
        const CFPoint p(point->first, point->second);
        name == std::string("sq") ? doc.SetStatusQuo(p) : doc.SetProposal(p);
    }
    if (parser.isSet("rule")) {
        bool ok = false;
        const double rule = parser.value("rule").toDouble(&ok);
        if (!ok)
            return UsageError("--rule takes a fraction from 0 to 1");
        doc.SetVoteRule(rule);
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

} // namespace

void AddCommonOptions(QCommandLineParser& parser) {
    parser.addOptions({
        {"chart", "chart size in pixels (default: the configured size)", "WxH"},
        {"zoom", "zoom factor (1 shows the whole scale range)", "Z"},
        {"config", "configuration file (default: quelta.cfg in the current directory)", "FILE"},
        {"set", "set a key of the configuration block (repeatable)", "KEY=VALUE"},
        {"sq", "move the status quo", "H,V"},
        {"proposal", "move the proposal", "H,V"},
        {"rule", "vote rule fraction", "F"},
        {"plurality", "absolute or relative plurality", "absolute|relative"},
        {"weighted", "weighted voting off or on", "0|1"},
    });
}

int LoadScenarioWithOptions(const QCommandLineParser& parser, const std::string& path,
                            CQueltaDoc& doc) {
    if (parser.isSet("config")) {
        const QString config = parser.value("config");
        if (!QFileInfo(config).isFile() || !QFileInfo(config).isReadable()) {
            std::fprintf(stderr, "quelta-cli: cannot read the configuration file %s\n",
                         config.toLocal8Bit().constData());
            return EXIT_FAILED;
        }
        doc.SetConfigPath(config.toStdString());
    }
    if (!ReadScenarioFile(doc, path))
        return EXIT_FAILED;
    if (const int result = ApplyConfigOptions(parser, doc); result != EXIT_OK)
        return result;
    return ApplyGameOptions(parser, doc);
}
