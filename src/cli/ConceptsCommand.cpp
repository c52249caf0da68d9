#include "cli/CliCommand.h"
#include "cli/CliOutput.h"
#include "cli/CommonOptions.h"
#include "cli/TerminalPlatform.h"
#include "database/DatabaseConnection.h"
#include "document/DocumentLog.h"
#include "document/QueltaDoc.h"
#include "report/ConceptGroups.h"
#include "report/ConceptKeys.h"

#include <QCommandLineParser>

#include <cstdio>

namespace {

/// The groups of --only; false (with a message) when it names an unknown group.
bool OnlyGroups(const QCommandLineParser& parser, std::vector<std::string>& only) {
    if (!parser.isSet("only"))
        return true;
    for (const QString& name : NameList(parser.value("only"))) {
        if (!IsConceptGroup(name.toStdString())) {
            std::string groups;
            for (const std::string& group : ConceptGroupNames())
                groups += (groups.empty() ? "" : ", ") + group;
            PrintCliError("unknown group '" + name.toStdString() + "' in --only (the groups are " +
                          groups + ")");
            return false;
        }
        only.push_back(name.toStdString());
    }
    return true;
}

/// How the reports are printed.
enum class EFormat { Text, Json, JsonLines, Csv };

/// Prints the reports of the scenarios as they come: text blocks (led by "file: " when there
/// are several), one JSON array (with a single scenario, its object alone), JSON lines, or one
/// long CSV table.
class CReportPrinter {
public:
    CReportPrinter(EFormat format, bool single) : m_format(format), m_single(single) {}
    ~CReportPrinter() {
        if (m_format == EFormat::Json && !m_single)
            std::fputs(m_count == 0 ? "[]\n" : "\n]\n", stdout);
    }
    CReportPrinter(const CReportPrinter&) = delete;
    CReportPrinter& operator=(const CReportPrinter&) = delete;

    /// Prints one scenario's report, led by the key "file" naming where it came from.
    void Print(const std::string& file, const CConceptReport& report) {
        CConceptReport row;
        row.Add("file", file);
        row.Append(report);
        switch (m_format) {
        case EFormat::Text:
            // With several scenarios each block is led by the file it came from.
            std::fputs((m_single ? report : row).Text().c_str(), stdout);
            break;
        case EFormat::Json:
            std::fputs(m_single ? (row.Json() + "\n").c_str()
                                : ((m_count ? ",\n" : "[\n") + row.Json(4)).c_str(),
                       stdout);
            break;
        case EFormat::JsonLines:
            std::fputs((row.JsonLine() + "\n").c_str(), stdout);
            break;
        case EFormat::Csv:
            std::fputs(((m_count ? "" : kConceptCsvHeader) + report.CsvRows(file)).c_str(), stdout);
            break;
        }
        std::fflush(stdout);
        ++m_count;
    }

private:
    EFormat m_format;
    bool m_single;
    int m_count = 0;
};

/// The report of a scenario that could not be read: only the error.
CConceptReport LoadFailure(const std::string& message) {
    CConceptReport report;
    report.Add("error", message);
    return report;
}

/// Where a scenario came from: its file, or the database connection (without its password).
std::string SourceName(const QCommandLineParser& parser, const std::string& path) {
    return parser.isSet("db") ? DataSourceName(parser.value("db").toStdString()) : path;
}

const char* const kUsage = "concepts FILE... [--only LIST] [--json | --jsonl | --csv] [--keys] "
                           "[common options]";

EFormat FormatOf(const QCommandLineParser& parser) {
    if (parser.isSet("csv"))
        return EFormat::Csv;
    if (parser.isSet("jsonl"))
        return EFormat::JsonLines;
    return parser.isSet("json") ? EFormat::Json : EFormat::Text;
}

void AddConceptOptions(QCommandLineParser& parser) {
    parser.addPositionalArgument("FILE", "scenario files (standard or XY format)", "FILE...");
    parser.addOption({"only", "comma list of groups to compute", "LIST"});
    parser.addOption({"json", "print one JSON object (with several files, an array of them)"});
    parser.addOption({"jsonl", "print one JSON object per scenario on one line, with its file"});
    parser.addOption({"csv", "print one long table: file,key,index,value"});
    parser.addOption({"keys", "print the key dictionary (Markdown) and stop"});
    AddCommonOptions(parser);
}

int RunConcepts(const QStringList& arguments) {
    QCommandLineParser parser;
    AddConceptOptions(parser);
    const bool parsed = parser.parse(arguments);
    if (parsed && parser.isSet("keys")) {
        std::fputs(ConceptKeysMarkdown().c_str(), stdout);
        return EXIT_OK;
    }
    const QStringList sources = parsed ? ScenarioSources(parser) : QStringList();
    if (sources.isEmpty() ||
        parser.isSet("json") + parser.isSet("jsonl") + parser.isSet("csv") > 1) {
        std::fprintf(stderr, "usage: quelta-cli %s\n", kUsage);
        return EXIT_USAGE;
    }
    std::vector<std::string> only;
    if (!OnlyGroups(parser, only))
        return EXIT_USAGE;
    // One document reads every file in turn, as the desktop opens one scenario after another.
    CQueltaDoc doc;
    CReportPrinter printer(FormatOf(parser), sources.size() == 1);
    int failed = 0;
    for (const QString& file : sources) {
        const std::string source = SourceName(parser, file.toStdString());
        CCliMessages messages;
        if (const int loaded = LoadScenarioWithOptions(parser, file.toStdString(), doc);
            loaded != EXIT_OK) {
            if (loaded == EXIT_USAGE)
                return loaded;
            if (FormatOf(parser) != EFormat::Text)
                printer.Print(source, LoadFailure(messages.Last()));
            ++failed;
            continue;
        }
        const SConceptResults results = ComputeConceptResults(doc, only);
        for (const SConceptFailure& failure : results.failures)
            PrintCliError("CONCEPT: " + source + ": " + failure.group + ": " + failure.message);
        failed += results.failures.empty() ? 0 : 1;
        printer.Print(source, results.report);
        LogResults(doc, results.report.Text());
    }
    if (failed > 0 && sources.size() > 1)
        PrintCliError(std::to_string(failed) + " of " + std::to_string(sources.size()) +
                      " scenarios failed");
    return failed > 0 ? EXIT_FAILED : EXIT_OK;
}

const CCliCommandRegistration concepts({"concepts", kUsage, RunConcepts, false, AddConceptOptions});

} // namespace
