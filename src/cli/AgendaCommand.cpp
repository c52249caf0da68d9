#include "cli/CliCommand.h"
#include "cli/CommonOptions.h"
#include "cli/Interrupt.h"
#include "document/Agenda.h"
#include "document/DocumentLog.h"
#include "document/QueltaDoc.h"
#include "platform/TextUtil.h"
#include "script/ScriptInterrupt.h"

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>

#include <cstdio>

namespace {

const char* const kUsage = "agenda FILE --iterations N [--json] [common options]";

/// The path as printed: one "h v" line per status quo, or one JSON array of [h, v] points.
std::string PathText(const std::vector<CFPoint>& path, bool json) {
    std::string text;
    if (!json) {
        for (const CFPoint& point : path)
            text += Format("%.10g %.10g", point.x, point.y) + "\n";
        return text;
    }
    QJsonArray points;
    for (const CFPoint& point : path)
        points.append(QJsonArray{point.x, point.y});
    return QJsonDocument(points).toJson(QJsonDocument::Compact).append('\n').toStdString();
}

void AddAgendaOptions(QCommandLineParser& parser) {
    parser.addPositionalArgument("FILE", "scenario file (standard or XY format)");
    parser.addOption({"iterations", "number of proposals to put to the vote, 1 to 100000", "N"});
    parser.addOption({"json", "print the path as one JSON array of [h, v] points"});
    AddCommonOptions(parser);
}

int RunAgendaCommand(const QStringList& arguments) {
    QCommandLineParser parser;
    AddAgendaOptions(parser);
    bool numeric = false;
    const int iterations = parser.parse(arguments) ? parser.value("iterations").toInt(&numeric) : 0;
    const QStringList sources = ScenarioSources(parser);
    if (sources.size() != 1 || !numeric) {
        std::fprintf(stderr, "usage: quelta-cli %s\n(N is a whole number)\n", kUsage);
        return EXIT_USAGE;
    }
    if (iterations < 1 || iterations > kMaxAgendaIterations) {
        std::fprintf(stderr, "quelta-cli: --iterations takes a whole number from 1 to %d\n",
                     kMaxAgendaIterations);
        return EXIT_USAGE;
    }
    CInterruptiblePlatform platform(Platform());
    CScopedPlatform scope(platform);
    const CInterruptHandler interrupt;
    CQueltaDoc doc;
    const std::string path = sources.front().toStdString();
    if (const int result = LoadScenarioWithOptions(parser, path, doc); result != EXIT_OK)
        return result;
    const std::vector<CFPoint> agenda = RunAgenda(doc, SAgendaSettings{iterations});
    const std::string text = PathText(agenda, parser.isSet("json"));
    std::fputs(text.c_str(), stdout);
    LogResults(doc, text);
    if (ScriptInterruptRequested()) {
        std::fprintf(stderr, "quelta-cli: interrupted after %zu of %d iterations\n",
                     agenda.empty() ? 0 : agenda.size() - 1, iterations);
        return EXIT_FAILED;
    }
    return EXIT_OK;
}

const CCliCommandRegistration agenda({"agenda", kUsage, RunAgendaCommand, false, AddAgendaOptions});

} // namespace
