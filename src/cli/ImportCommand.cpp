#include "cli/CliCommand.h"
#include "cli/CliOutput.h"
#include "cli/LogOption.h"
#include "document/DocumentLog.h"
#include "document/QueltaDoc.h"
#include "import/ImportFlow.h"

#include <QCommandLineParser>

#include <cstdio>

namespace {

const char* const kUsage =
    "import voteview FILE --congress N --chamber House|Senate [--scores nominate|nokken-poole] "
    "(-o OUT.txt | --db CONN) [--log FILE] | import csv FILE --h COL --v COL [--id COL] [--name "
    "COL] "
    "[--party COL] [--weight COL] (-o OUT.txt | --db CONN) [--log FILE]";

int Usage(const std::string& problem) {
    if (!problem.empty())
        PrintCliError(problem);
    std::fprintf(stderr, "usage: quelta-cli %s\n", kUsage);
    return EXIT_USAGE;
}

/// The roll-call options; empty, or the usage problem.
std::string RollCallOptions(const QCommandLineParser& parser, SRollCallOptions& options) {
    bool ok = false;
    options.congress = parser.value("congress").toInt(&ok);
    if (!ok || options.congress < 1)
        return "--congress takes the number of a Congress, 1 or more";
    const QString chamber = parser.value("chamber");
    if (chamber.compare("House", Qt::CaseInsensitive) != 0 &&
        chamber.compare("Senate", Qt::CaseInsensitive) != 0)
        return "--chamber takes House or Senate";
    options.chamber = chamber.compare("House", Qt::CaseInsensitive) == 0 ? "House" : "Senate";
    const QString scores = parser.value("scores");
    if (scores != "nominate" && scores != "nokken-poole")
        return "--scores takes nominate or nokken-poole";
    options.nokkenPoole = scores == "nokken-poole";
    return {};
}

/// The columns of a table of the user's own; empty, or the usage problem.
std::string CsvColumns(const QCommandLineParser& parser, SCsvColumns& columns) {
    if (!parser.isSet("h") || !parser.isSet("v"))
        return "import csv needs --h COL and --v COL";
    columns = {parser.value("h").toStdString(),     parser.value("v").toStdString(),
               parser.value("id").toStdString(),    parser.value("name").toStdString(),
               parser.value("party").toStdString(), parser.value("weight").toStdString()};
    return {};
}

void AddImportOptions(QCommandLineParser& parser) {
    parser.addPositionalArgument("KIND", "voteview or csv");
    parser.addPositionalArgument("FILE", "the file to import");
    parser.addOptions({
        {"congress", "voteview: the Congress", "N"},
        {"chamber", "voteview: House or Senate", "CHAMBER"},
        {"scores", "voteview: nominate or nokken-poole", "SCORES", "nominate"},
        {"h", "csv: the column of the horizontal position", "COL"},
        {"v", "csv: the column of the vertical position", "COL"},
        {"id", "csv: the column of the member IDs", "COL"},
        {"name", "csv: the column of the names", "COL"},
        {"party", "csv: the column of the parties", "COL"},
        {"weight", "csv: the column of the vote weights", "COL"},
        {{"o", "output"}, "write the scenario file OUT", "OUT"},
        {"db", "fill the legislature database CONN", "CONN"},
    });
    AddLogOption(parser);
}

int RunImportCommand(const QStringList& arguments) {
    QCommandLineParser parser;
    AddImportOptions(parser);
    if (!parser.parse(arguments))
        return Usage(parser.errorText().toStdString());
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 2 || (positional[0] != "voteview" && positional[0] != "csv"))
        return Usage({});
    if (parser.isSet("output") == parser.isSet("db"))
        return Usage("import writes either a scenario file (-o) or a database (--db)");
    SImportRequest request;
    request.rollCall = positional[0] == "voteview";
    request.file = positional[1].toStdString();
    request.scenarioFile = parser.value("output").toStdString();
    request.connection = parser.value("db").toStdString();
    const std::string problem = request.rollCall ? RollCallOptions(parser, request.rollCallOptions)
                                                 : CsvColumns(parser, request.csvColumns);
    if (!problem.empty())
        return Usage(problem);
    // The journal of the run; the import itself reads and writes no scenario document.
    CQueltaDoc journal;
    if (const int result = ApplyLogOption(parser, journal); result != EXIT_OK)
        return result;
    const SImportOutcome outcome = RunImport(request);
    if (!outcome.ok) {
        std::string error = outcome.error;
        if (!error.empty() && error.back() == '.')
            error.pop_back();
        PrintCliError("IMPORT: " + error + "; nothing was written");
        return EXIT_FAILED;
    }
    if (!outcome.leftOut.empty())
        PrintCliError(request.file + ": " + outcome.leftOut);
    std::printf("%s\n", outcome.summary.c_str());
    LogRunEntry(journal, "Result", outcome.summary);
    if (!outcome.leftOut.empty())
        LogRunEntry(journal, "Left out", outcome.leftOut);
    return EXIT_OK;
}

const CCliCommandRegistration import({"import", kUsage, RunImportCommand, false, AddImportOptions});

} // namespace
