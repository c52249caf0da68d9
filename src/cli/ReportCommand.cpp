#include "cli/CliCommand.h"
#include "cli/CommonOptions.h"
#include "cli/LogOption.h"
#include "document/DocumentLog.h"
#include "document/QueltaDoc.h"
#include "document/ReportFile.h"

#include <QCommandLineParser>

#include <cstdio>

namespace {

const char* const kUsage = "report FILE... [-o OUT] [--jsonl] [common options]";

void AddReportOptions(QCommandLineParser& parser) {
    parser.addPositionalArgument("FILE", "scenario files (standard or XY format)", "FILE...");
    parser.addOption({{"o", "output"}, "write the report to OUT instead of stdout", "OUT"});
    parser.addOption({"jsonl", "print one JSON object per scenario, one per line"});
    AddCommonOptions(parser);
}

int RunReport(const QStringList& arguments) {
    QCommandLineParser parser;
    AddReportOptions(parser);
    const QStringList files = parser.parse(arguments) ? ScenarioSources(parser) : QStringList();
    if (files.isEmpty() || (parser.isSet("o") && (files.size() != 1 || parser.isSet("jsonl")))) {
        std::fprintf(stderr, "usage: quelta-cli %s\n(-o takes one FILE and no --jsonl)\n", kUsage);
        return EXIT_USAGE;
    }
    // One document reads every file in turn, as the desktop opens one scenario after another.
    CQueltaDoc doc;
    int result = EXIT_OK;
    for (const QString& file : files) {
        const std::string path = file.toStdString();
        if (const int loaded = LoadScenarioWithOptions(parser, path, doc); loaded != EXIT_OK) {
            if (loaded == EXIT_USAGE)
                return loaded;
            result = EXIT_FAILED;
            continue;
        }
        if (parser.isSet("o")) {
            if (!WriteReport(doc, parser.value("o").toStdString())) {
                result = EXIT_FAILED;
                continue;
            }
        } else {
            const std::vector<SReportLine> lines = ReportLines(doc);
            std::fputs(
                (parser.isSet("jsonl") ? ReportJson(lines, path) : ReportText(lines)).c_str(),
                stdout);
        }
        LogRunEntry(doc, "Report", OutputName(parser.value("o")));
    }
    return result;
}

const CCliCommandRegistration report({"report", kUsage, RunReport, false, AddReportOptions});

} // namespace
