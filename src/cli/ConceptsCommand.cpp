#include "cli/CliCommand.h"
#include "cli/CommonOptions.h"
#include "document/QueltaDoc.h"
#include "report/ConceptGroups.h"

#include <QCommandLineParser>

#include <algorithm>
#include <cstdio>

namespace {

/// The comma list of --only; false (with a message) when it names an unknown group.
bool OnlyGroups(const QCommandLineParser& parser, QStringList& only) {
    if (!parser.isSet("only"))
        return true;
    only = parser.value("only").split(',', Qt::SkipEmptyParts);
    for (const QString& name : only)
        if (std::find(ConceptGroupNames().begin(), ConceptGroupNames().end(), name.toStdString()) ==
            ConceptGroupNames().end()) {
            std::fprintf(stderr, "quelta-cli: unknown group '%s'\n",
                         name.toLocal8Bit().constData());
            return false;
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
    QStringList only;
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
        const CConceptReport report = ComputeConcepts(doc, only, failed);
        if (parser.isSet("jsonl"))
            std::fputs(report.JsonLine(path).c_str(), stdout);
        else
            std::fputs((parser.isSet("json") ? report.Json() : report.Text()).c_str(), stdout);
    }
    return failed ? EXIT_FAILED : EXIT_OK;
}

const CCliCommandRegistration concepts({"concepts", kUsage, RunConcepts});

} // namespace
