#include "cli/CliCommand.h"
#include "cli/CommonOptions.h"
#include "document/QueltaDoc.h"
#include "report/ConceptGroups.h"

#include <QCommandLineParser>

#include <cstdio>

namespace {

/// The groups of --only; false (with a message) when it names an unknown group.
bool OnlyGroups(const QCommandLineParser& parser, std::vector<std::string>& only) {
    if (!parser.isSet("only"))
        return true;
    for (const QString& name : parser.value("only").split(',', Qt::SkipEmptyParts)) {
        if (!IsConceptGroup(name.toStdString())) {
            std::fprintf(stderr, "quelta-cli: unknown group '%s'\n",
                         name.toLocal8Bit().constData());
            return false;
        }
        only.push_back(name.toStdString());
    }
    return true;
}

const char* const kUsage = "concepts FILE... [--only LIST] [--json | --jsonl] [common options]";

int RunConcepts(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.addPositionalArgument("FILE", "scenario files (standard or XY format)", "FILE...");
    parser.addOption({"only", "comma list of groups to compute", "LIST"});
    parser.addOption({"json", "print one JSON object per scenario"});
    parser.addOption({"jsonl", "print one JSON object per scenario on one line, with its file"});
    AddCommonOptions(parser);
    const QStringList sources = parser.parse(arguments) ? ScenarioSources(parser) : QStringList();
    if (sources.isEmpty()) {
        std::fprintf(stderr, "usage: quelta-cli %s\n", kUsage);
        return EXIT_USAGE;
    }
    std::vector<std::string> only;
    if (!OnlyGroups(parser, only))
        return EXIT_USAGE;
    // One document reads every file in turn, as the desktop opens one scenario after another.
    CQueltaDoc doc;
    bool failed = false;
    for (const QString& file : sources) {
        const std::string path = file.toStdString();
        if (const int loaded = LoadScenarioWithOptions(parser, path, doc); loaded != EXIT_OK) {
            if (loaded == EXIT_USAGE)
                return loaded;
            failed = true;
            continue;
        }
        const SConceptResults results = ComputeConceptResults(doc, only);
        for (const SConceptFailure& failure : results.failures)
            std::fprintf(stderr, "quelta-cli: %s: %s\n", failure.group.c_str(),
                         failure.message.c_str());
        failed = failed || !results.failures.empty();
        const CConceptReport& report = results.report;
        if (parser.isSet("jsonl"))
            std::fputs(report.JsonLine(path).c_str(), stdout);
        else
            std::fputs((parser.isSet("json") ? report.Json() : report.Text()).c_str(), stdout);
    }
    return failed ? EXIT_FAILED : EXIT_OK;
}

const CCliCommandRegistration concepts({"concepts", kUsage, RunConcepts});

} // namespace
