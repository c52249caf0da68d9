#include "cli/CliCommand.h"
#include "cli/CommonOptions.h"
#include "cli/LogOption.h"
#include "database/DatabaseConnection.h"
#include "database/DatabaseImport.h"
#include "database/DatabaseSource.h"
#include "database/StoredScenario.h"
#include "document/DocumentLog.h"
#include "document/QueltaDoc.h"
#include "document/ScenarioFile.h"
#include "model/FormatNumber.h"
#include "platform/TextUtil.h"
#include "views/InputForm.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace {

const char* const kUsage =
    "db init OUT.sqlite|CONN | db list CONN [--json] | db save CONN --scenario NAME [FILE] "
    "[--house UH|LH --committee ID --scales H,V] [common options] | "
    "db import FILE CONN [--scenario NAME] [--house UH|LH]";

int Usage() {
    std::fprintf(stderr, "usage: quelta-cli %s\n", kUsage);
    return EXIT_USAGE;
}

void PrintHouse(const char* code, const SHouse& house) {
    std::printf("%s\t%s\t%s\t%zu members\n", code, house.label.c_str(), house.membersLabel.c_str(),
                house.members.size());
    if (house.committees.empty())
        std::printf("  no committees\n");
    for (const auto& committee : house.committees)
        std::printf("  %s\t%s\n", committee->CommitteeID().c_str(),
                    CInputForm::CommitteeEntryText(*committee).c_str());
}

QJsonObject HouseJson(const char* code, const SHouse& house) {
    QJsonArray committees;
    for (const auto& committee : house.committees)
        committees.append(QJsonObject{{"id", QString::fromStdString(committee->CommitteeID())},
                                      {"name", QString::fromStdString(committee->Name())},
                                      {"parent", QString::fromStdString(committee->ParentID())},
                                      {"level", committee->SubLevel()},
                                      {"members", static_cast<int>(committee->Members().size())}});
    return {{"house", code},
            {"label", QString::fromStdString(house.label)},
            {"membersLabel", QString::fromStdString(house.membersLabel)},
            {"members", static_cast<int>(house.members.size())},
            {"committees", committees}};
}

/// The database's houses, scales and stored scenarios as one JSON object.
std::string ListJson(CQueltaDoc& doc) {
    const ScenarioHeader& header = doc.Header();
    QJsonArray scales;
    for (const auto& scale : header.scales)
        scales.append(QJsonObject{{"id", QString::fromStdString(scale->RatingID())},
                                  {"name", QString::fromStdString(scale->Rating())},
                                  {"min", scale->Scale_Min()},
                                  {"max", scale->Scale_Max()}});
    QJsonArray scenarios;
    for (const std::string& name : doc.ScenarioNames())
        scenarios.append(QString::fromStdString(name));
    const QJsonObject list{{"database", QString::fromStdString(header.dataSource)},
                           {"body", QString::fromStdString(header.legislature.body)},
                           {"houses", QJsonArray{HouseJson("UH", header.upperHouse),
                                                 HouseJson("LH", header.lowerHouse)}},
                           {"scales", scales},
                           {"scenarios", scenarios}};
    return QJsonDocument(list).toJson(QJsonDocument::Indented).toStdString();
}

int RunList(const QCommandLineParser& parser, const QStringList& positional) {
    if (positional.size() != 1)
        return Usage();
    CQueltaDoc doc;
    if (const int result = ApplyLogOption(parser, doc); result != EXIT_OK)
        return result;
    if (!OpenDatabase(doc, positional.front().toStdString()))
        return EXIT_FAILED;
    if (parser.isSet("json")) {
        std::fputs(ListJson(doc).c_str(), stdout);
        return EXIT_OK;
    }
    const ScenarioHeader& header = doc.Header();
    std::printf("database\t%s\n", header.dataSource.c_str());
    if (!header.legislature.body.empty())
        std::printf("body\t%s\n", header.legislature.body.c_str());
    PrintHouse("UH", header.upperHouse);
    PrintHouse("LH", header.lowerHouse);
    std::printf("scales\n");
    for (const auto& scale : header.scales)
        std::printf("  %s\t%s\t%s\t%s\n", scale->RatingID().c_str(), scale->Rating().c_str(),
                    FormatNumber(scale->Scale_Min()).c_str(),
                    FormatNumber(scale->Scale_Max()).c_str());
    std::printf("scenarios\n");
    for (const std::string& name : doc.ScenarioNames())
        std::printf("  %s\n", name.c_str());
    return EXIT_OK;
}

int RunInit(const QCommandLineParser& parser, const QStringList& positional) {
    if (positional.size() != 1)
        return Usage();
    CQueltaDoc journal;
    if (const int result = ApplyLogOption(parser, journal); result != EXIT_OK)
        return result;
    const std::string connection = positional.front().toStdString();
    if (!CreateDatabase(connection))
        return EXIT_FAILED;
    LogRunEntry(journal, "Database", "created " + DataSourceName(connection));
    return EXIT_OK;
}

/// db save CONN --scenario NAME [FILE]: the scenario of FILE, or the database's own committee
/// (or its stored scenario NAME) with the common options applied, stored under NAME.
int RunSave(const QCommandLineParser& parser, const QStringList& positional) {
    if (positional.size() < 1 || positional.size() > 2 || !parser.isSet("scenario") ||
        parser.isSet("db"))
        return Usage();
    const std::string connection = positional.front().toStdString();
    const std::string name = parser.value("scenario").toStdString();
    CQueltaDoc doc;
    if (positional.size() == 2) {
        if (const int loaded = LoadScenarioWithOptions(parser, positional.at(1).toStdString(), doc);
            loaded != EXIT_OK)
            return loaded;
    } else {
        // Without a FILE the scenario is the database's own: chosen by --house, --committee and
        // --scales, or else the stored scenario NAME itself, changed by the common options.
        if (const int loaded = LoadDatabaseScenarioWithOptions(parser, connection, doc, true);
            loaded != EXIT_OK)
            return loaded;
    }
    if (!SaveStoredScenario(doc, connection, name))
        return EXIT_FAILED;
    LogRunEntry(doc, "Stored", name + " in " + DataSourceName(connection));
    return EXIT_OK;
}

int RunImport(const QCommandLineParser& parser, const QStringList& positional) {
    if (positional.size() != 2)
        return Usage();
    const QString houseText = parser.isSet("house") ? parser.value("house") : "UH";
    const int house = houseText.compare("LH", Qt::CaseInsensitive) == 0   ? HOUSE_LOWER
                      : houseText.compare("UH", Qt::CaseInsensitive) == 0 ? HOUSE_UPPER
                                                                          : HOUSE_NONE;
    if (house == HOUSE_NONE)
        return Usage();
    CQueltaDoc doc;
    if (const int result = ApplyLogOption(parser, doc); result != EXIT_OK)
        return result;
    const std::string file = positional.at(0).toStdString();
    if (!ReadScenarioFile(doc, file))
        return EXIT_FAILED;
    std::string name = parser.value("scenario").toStdString();
    if (name.empty())
        name = doc.Header().scenarioName;
    if (name.empty() || name == "*")
        name = QFileInfo(positional.at(0)).completeBaseName().toStdString();
    if (!ImportScenario(doc, positional.at(1).toStdString(), house, name))
        return EXIT_FAILED;
    const std::string summary =
        Format("%zu members of %s as scenario ", doc.Header().currentCommittee->Members().size(),
               doc.Header().currentCommittee->CommitteeID().c_str()) +
        name;
    std::printf("imported %s\n", summary.c_str());
    LogRunEntry(doc, "Stored", summary + " in " + DataSourceName(positional.at(1).toStdString()));
    return EXIT_OK;
}

void AddDbOptions(QCommandLineParser& parser) {
    parser.addPositionalArgument("ACTION", "init, list, save or import");
    parser.addOption({"json", "db list: print the listing as one JSON object"});
    AddCommonOptions(parser);
}

int RunDb(const QStringList& arguments) {
    QCommandLineParser parser;
    AddDbOptions(parser);
    if (!parser.parse(arguments) || parser.positionalArguments().isEmpty())
        return Usage();
    QStringList positional = parser.positionalArguments();
    const QString action = positional.takeFirst();
    if (action == "init")
        return RunInit(parser, positional);
    if (action == "list")
        return RunList(parser, positional);
    if (action == "save")
        return RunSave(parser, positional);
    if (action == "import")
        return RunImport(parser, positional);
    return Usage();
}

const CCliCommandRegistration db({"db", kUsage, RunDb, false, AddDbOptions});

} // namespace
