#include "cli/CliCommand.h"
#include "cli/CommonOptions.h"
#include "cli/LogOption.h"
#include "document/DocumentLog.h"
#include "document/QueltaDoc.h"
#include "document/ScenarioFile.h"
#include "platform/TextUtil.h"

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

std::string Number(double value) {
    return Format("%.10g", value);
}

QJsonArray PointArray(const CFPoint& point) {
    return QJsonArray{point.x, point.y};
}

const std::vector<CMember*>& Members(const CQueltaDoc& doc) {
    return doc.Game().Members();
}

QJsonObject ScenarioJson(const CQueltaDoc& doc) {
    const ScenarioHeader& h = doc.Header();
    const CVotingGame& game = doc.Game();
    QJsonObject object;
    object["name"] = Text(h.scenarioName);
    object["dataSource"] = Text(h.dataSource);
    object["sourceKind"] = h.sourceKind;
    const CCommittee* group = h.currentCommittee;
    object["group"] = QJsonObject{{"id", Text(group ? group->CommitteeID() : "")},
                                  {"name", Text(group ? group->Name() : "")}};
    QJsonArray scales;
    for (const auto& s : h.scales)
        scales.append(QJsonObject{{"id", Text(s->RatingID())},
                                  {"name", Text(s->Rating())},
                                  {"min", s->Scale_Min()},
                                  {"max", s->Scale_Max()}});
    object["scales"] = scales;
    object["horizontal"] = Text(h.horizontalScale ? h.horizontalScale->RatingID() : "");
    object["vertical"] = Text(h.verticalScale ? h.verticalScale->RatingID() : "");
    object["rule"] = game.VoteRule();
    object["absolute"] = game.AbsolutePlurality();
    object["weighted"] = game.WeightedVoting();
    object["probabilistic"] = game.ProbabilisticVoting();
    object["statusQuo"] = PointArray(game.StatusQuo());
    object["proposal"] = PointArray(game.Proposal());
    QJsonArray members;
    for (const CMember* m : Members(doc))
        members.append(QJsonObject{{"id", Text(m->MemberID())},
                                   {"label", Text(m->Label())},
                                   {"h", m->IdealPoint().x},
                                   {"v", m->IdealPoint().y},
                                   {"weight", m->VoteWeight()},
                                   {"type", m->PrefType()},
                                   {"veto", m->Veto()},
                                   {"candidate", m->Candidate()}});
    object["members"] = members;
    QJsonArray points;
    for (const CFPoint& p : h.markPoints)
        points.append(PointArray(p));
    QJsonArray rectangles;
    for (const SMarkRect& r : h.markRects)
        rectangles.append(QJsonArray{r.left, r.bottom, r.right, r.top});
    object["marks"] = QJsonObject{{"points", points}, {"rectangles", rectangles}};
    return object;
}

void PrintLine(const std::string& key, const std::string& value) {
    std::printf("%s: %s\n", key.c_str(), value.c_str());
}

void PrintScenarioText(const CQueltaDoc& doc) {
    const ScenarioHeader& h = doc.Header();
    const CVotingGame& game = doc.Game();
    PrintLine("name", h.scenarioName);
    PrintLine("dataSource", h.dataSource);
    PrintLine("sourceKind", std::to_string(h.sourceKind));
    const CCommittee* group = h.currentCommittee;
    PrintLine("group.id", group ? group->CommitteeID() : "");
    PrintLine("group.name", group ? group->Name() : "");
    for (const auto& s : h.scales)
        PrintLine("scale", s->RatingID() + "\t" + s->Rating() + "\t" + Number(s->Scale_Min()) +
                               "\t" + Number(s->Scale_Max()));
    PrintLine("horizontal", h.horizontalScale ? h.horizontalScale->RatingID() : "");
    PrintLine("vertical", h.verticalScale ? h.verticalScale->RatingID() : "");
    PrintLine("rule", Number(game.VoteRule()));
    PrintLine("absolute", std::to_string(game.AbsolutePlurality()));
    PrintLine("weighted", std::to_string(game.WeightedVoting()));
    PrintLine("probabilistic", std::to_string(game.ProbabilisticVoting()));
    PrintLine("statusQuo", Number(game.StatusQuo().x) + " " + Number(game.StatusQuo().y));
    PrintLine("proposal", Number(game.Proposal().x) + " " + Number(game.Proposal().y));
    PrintLine("members", std::to_string(Members(doc).size()));
    for (const CMember* m : Members(doc))
        PrintLine("member", m->MemberID() + "\t" + m->Label() + "\t" + Number(m->IdealPoint().x) +
                                "\t" + Number(m->IdealPoint().y) + "\t" + Number(m->VoteWeight()) +
                                "\t" + std::to_string(m->PrefType()) + "\t" +
                                std::to_string(m->Veto()) + "\t" + std::to_string(m->Candidate()));
    for (const CFPoint& p : h.markPoints)
        PrintLine("mark.point", Number(p.x) + " " + Number(p.y));
    for (const SMarkRect& r : h.markRects)
        PrintLine("mark.rectangle", Number(r.left) + " " + Number(r.bottom) + " " +
                                        Number(r.right) + " " + Number(r.top));
}

const char* const kInfoUsage =
    "info FILE [--json] | info --db CONN (--scenario NAME | --house UH|LH --committee ID "
    "--scales H,V) [--json] [--log FILE]";
const char* const kSaveUsage =
    "save FILE OUT [--log FILE] | save --db CONN (--scenario NAME | ...) OUT [--log FILE]";

/// Starts the log of --log, then reads the scenario of a file, or with --db of the database.
int LoadOne(const QCommandLineParser& parser, const QString& file, CQueltaDoc& doc) {
    if (const int result = ApplyLogOption(parser, doc); result != EXIT_OK)
        return result;
    if (parser.isSet("db"))
        return LoadDatabaseScenario(parser, parser.value("db").toStdString(), doc);
    return ReadScenarioFile(doc, file.toStdString()) ? EXIT_OK : EXIT_FAILED;
}

void AddInfoOptions(QCommandLineParser& parser) {
    parser.addPositionalArgument("FILE", "scenario file (standard or XY format)");
    parser.addOption({"json", "print one JSON object"});
    AddDatabaseOptions(parser);
    AddLogOption(parser);
}

int RunInfo(const QStringList& arguments) {
    QCommandLineParser parser;
    AddInfoOptions(parser);
    const QStringList sources = parser.parse(arguments) ? ScenarioSources(parser) : QStringList();
    if (sources.size() != 1) {
        std::fprintf(stderr, "usage: quelta-cli %s\n", kInfoUsage);
        return EXIT_USAGE;
    }
    CQueltaDoc doc;
    if (const int loaded = LoadOne(parser, sources.front(), doc); loaded != EXIT_OK)
        return loaded;
    if (parser.isSet("json"))
        std::fputs(QJsonDocument(ScenarioJson(doc)).toJson(QJsonDocument::Indented).constData(),
                   stdout);
    else
        PrintScenarioText(doc);
    return EXIT_OK;
}

void AddSaveOptions(QCommandLineParser& parser) {
    parser.addPositionalArgument("FILE", "scenario file to read (standard or XY format)");
    parser.addPositionalArgument("OUT", "file to write in the standard format");
    AddDatabaseOptions(parser);
    AddLogOption(parser);
}

int RunSave(const QStringList& arguments) {
    QCommandLineParser parser;
    AddSaveOptions(parser);
    const bool parsed = parser.parse(arguments);
    const QStringList positional = parser.positionalArguments();
    const bool database = parser.isSet("db");
    if (!parsed || positional.size() != (database ? 1 : 2)) {
        std::fprintf(stderr, "usage: quelta-cli %s\n", kSaveUsage);
        return EXIT_USAGE;
    }
    CQueltaDoc doc;
    if (const int loaded = LoadOne(parser, database ? QString() : positional.at(0), doc);
        loaded != EXIT_OK)
        return loaded;
    doc.SetPathName(positional.back().toStdString());
    if (!WriteScenarioFile(doc))
        return EXIT_FAILED;
    LogRunEntry(doc, "Output", positional.back().toStdString());
    return EXIT_OK;
}

const CCliCommandRegistration info({"info", kInfoUsage, RunInfo, false, AddInfoOptions});
const CCliCommandRegistration save({"save", kSaveUsage, RunSave, false, AddSaveOptions});

} // namespace
