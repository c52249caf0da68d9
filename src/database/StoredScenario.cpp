#include "database/StoredScenario.h"

#include "database/DatabaseConnection.h"
#include "database/DatabaseSchema.h"
#include "database/LegislatureTables.h"
#include "document/QueltaDoc.h"
#include "platform/Platform.h"
#include "preferences/PreferenceSpec.h"

#include <QSqlRecord>

#include <algorithm>
#include <cmath>
#include <optional>
#include <unordered_map>

namespace {

std::string Text(const QSqlQuery& query, int i) {
    return query.value(i).isNull() ? std::string() : query.value(i).toString().toStdString();
}

double Number(const QSqlQuery& query, int i) {
    const double value = query.value(i).toDouble();
    return std::isfinite(value) ? value : 0.0;
}

int Whole(const QSqlQuery& query, int i) {
    return static_cast<int>(std::clamp(std::trunc(Number(query, i)), -2147483648.0, 2147483647.0));
}

QVariant Value(const std::string& text) {
    return QString::fromStdString(text);
}

/// The condition picking a stored scenario's rows of a table by name.
std::string ByScenario(const char* table) {
    return QualifiedName(table, "Scenario") + " = ?";
}

/// The stored scenario's row, or nothing when no row has the name. Throws CSqlFailure.
std::optional<CTableScenario> ReadScenarioRow(CDatabaseConnection& db, const std::string& name) {
    QSqlQuery query =
        db.Run(SelectSql(TableDef("Scenario"), ByScenario("Scenario")), {Value(name)});
    if (!query.next())
        return std::nullopt;
    return CTableScenario{Text(query, 0),   Whole(query, 1),  Text(query, 2),   Text(query, 3),
                          Text(query, 4),   Number(query, 5), Number(query, 6), Number(query, 7),
                          Number(query, 8), Number(query, 9), Whole(query, 10)};
}

std::vector<CTableScenarioMemRat> ReadMemberRows(CDatabaseConnection& db, const std::string& name) {
    std::vector<CTableScenarioMemRat> rows;
    QSqlQuery query = db.Run(
        SelectSql(TableDef("Scenario_Member_Ratings"), ByScenario("Scenario_Member_Ratings")),
        {Value(name)});
    while (query.next())
        rows.push_back(
            {Text(query, 0), Text(query, 1), Whole(query, 2), Number(query, 3), Number(query, 4)});
    return rows;
}

int HouseOf(int committeeType) {
    return committeeType == HOUSE_LOWER || committeeType == HOUSE_UPPER ? committeeType
                                                                        : HOUSE_NONE;
}

bool HasScale(const ScenarioHeader& header, const std::string& id) {
    return std::any_of(header.scales.begin(), header.scales.end(),
                       [&id](const auto& s) { return s->RatingID() == id; });
}

bool HasCommittee(const SHouse& house, const std::string& id) {
    return std::any_of(house.committees.begin(), house.committees.end(),
                       [&id](const auto& c) { return c->CommitteeID() == id; });
}

/// Why the row cannot be opened in this document; empty when it can.
std::string RowProblem(const ScenarioHeader& header, const CTableScenario& row) {
    const int house = HouseOf(row.CommitteeType);
    if (house == HOUSE_NONE)
        return "its CommitteeType " + std::to_string(row.CommitteeType) +
               " is neither 1 (lower house) nor 2 (upper house)";
    if (!HasCommittee(house == HOUSE_LOWER ? header.lowerHouse : header.upperHouse, row.Committee))
        return "its committee " + row.Committee + " is not in that house";
    for (const std::string* id : {&row.RatingH, &row.RatingV})
        if (!HasScale(header, *id))
            return "its rating scale " + *id + " does not exist";
    return {};
}

/// Gives the committee's members their settings of the stored scenario. The scenario reads the
/// same whatever was opened before: members without a row of their own take the database's
/// preference type again (their points came from their ratings).
void PlaceMembers(CCommittee& committee, int defaultPrefType,
                  const std::vector<CTableScenarioMemRat>& rows) {
    std::unordered_map<std::string, const CTableScenarioMemRat*> byId;
    for (const CTableScenarioMemRat& row : rows)
        byId.emplace(row.MemberID, &row);
    for (CMember* member : committee.Members()) {
        const auto it = byId.find(member->MemberID());
        const int type =
            it == byId.end() ? defaultPrefType : ValidPreferenceType(it->second->PreferenceType);
        if (member->PrefType() != type)
            member->SetPrefType(type);
        if (it != byId.end())
            member->SetIdealPoint(CFPoint(it->second->ValueH, it->second->ValueV));
    }
}

void ApplyScenario(CQueltaDoc& doc, const CTableScenario& row,
                   const std::vector<CTableScenarioMemRat>& members) {
    ScenarioHeader& header = doc.Header();
    header.houseInUse = HouseOf(row.CommitteeType);
    header.currentCommittee = nullptr;
    doc.Game().SetMembers(nullptr);
    doc.SelectHorizontalScale(row.RatingH);
    doc.SelectVerticalScale(row.RatingV);
    doc.SetStatusQuo(CFPoint(row.StatusQuoH, row.StatusQuoV));
    doc.SetProposal(CFPoint(row.ProposalH, row.ProposalV));
    doc.SetVoteRule(row.DecisionRule);
    doc.SetAbsolutePlurality(row.Absolute ? 1 : 0);
    doc.SelectCommittee(row.Committee);
    if (CCommittee* committee = header.currentCommittee)
        PlaceMembers(*committee, header.legislature.defaultPrefType, members);
    header.scenarioName = row.Scenario;
    doc.FinishLoad();
    doc.LogSummary(true);
}

bool TooLong(const std::string& text) {
    return QString::fromStdString(text).toUcs4().size() > kMaxTextLength;
}

/// Whether the database holds the scenario's committee and both scales. Throws CSqlFailure.
std::string DatabaseLacks(CDatabaseConnection& db, const ScenarioHeader& header) {
    const std::string table = header.houseInUse == HOUSE_LOWER ? "LH_Committees" : "UH_Committees";
    const std::string& committee = header.currentCommittee->CommitteeID();
    if (!db.Run("SELECT 1 FROM " + QuoteName(table) + " WHERE " +
                    QualifiedName(table, "CommitteeID") + " = ?",
                {Value(committee)})
             .next())
        return "the database has no committee " + committee + " in " + table;
    for (const CRatingScale* scale : {header.horizontalScale, header.verticalScale})
        if (!db.Run("SELECT 1 FROM \"Ratings\" WHERE \"Ratings\".\"RatingID\" = ?",
                    {Value(scale->RatingID())})
                 .next())
            return "the database has no rating scale " + scale->RatingID();
    return {};
}

void ShowSaveFailure(const std::string& problem) {
    UserErrorBox("DOC6.2", "The scenario was not saved: " + problem + ".");
}

} // namespace

int CommitteeTypeOf(int house) {
    return house == HOUSE_LOWER ? HOUSE_LOWER : HOUSE_UPPER;
}

bool SelectScenario(CQueltaDoc& doc, int house, const std::string& committee,
                    const std::string& ratingH, const std::string& ratingV) {
    CTableScenario row;
    row.CommitteeType = house;
    row.Committee = committee;
    row.RatingH = ratingH;
    row.RatingV = ratingV;
    if (const std::string problem = RowProblem(doc.Header(), row); !problem.empty()) {
        UserErrorBox("DOC6.1", "That scenario cannot be chosen: " + problem.substr(4) + ".");
        return false;
    }
    ScenarioHeader& header = doc.Header();
    header.houseInUse = house;
    header.currentCommittee = nullptr;
    doc.Game().SetMembers(nullptr);
    doc.SelectHorizontalScale(ratingH);
    doc.SelectVerticalScale(ratingV);
    doc.SelectCommittee(committee);
    doc.FinishLoad();
    return true;
}

bool OpenScenario(CQueltaDoc& doc, const std::string& name) {
    const std::string& connection = doc.Header().legislature.connection;
    if (doc.Header().sourceKind != SOURCE_DATABASE || connection.empty()) {
        UserErrorBox("DOC6.1", "Stored scenarios are opened from a database; open one first.");
        return false;
    }
    std::optional<CTableScenario> row;
    std::vector<CTableScenarioMemRat> members;
    try {
        CDatabaseConnection db(connection);
        CheckLegislatureSchema(db);
        row = ReadScenarioRow(db, name);
        if (row)
            members = ReadMemberRows(db, name);
    } catch (const CSqlFailure& failure) {
        ErrorBox("DOC6.1",
                 std::string("database exception: opening scenario\n\n") + failure.what());
        return false;
    }
    if (!row) {
        UserErrorBox("DOC6.1", "The database holds no scenario named " + name + ".");
        return false;
    }
    if (const std::string problem = RowProblem(doc.Header(), *row); !problem.empty()) {
        UserErrorBox("DOC6.1", "The scenario " + name + " cannot be opened: " + problem + ".");
        return false;
    }
    CWaitCursor wait;
    ApplyScenario(doc, *row, members);
    return true;
}

std::string ScenarioSaveProblem(const CQueltaDoc& doc, const std::string& name) {
    const ScenarioHeader& header = doc.Header();
    if (!header.currentCommittee)
        return "no committee is chosen";
    if (!header.horizontalScale || !header.verticalScale)
        return "two rating scales must be chosen";
    if (name.empty())
        return "the scenario has no name";
    std::vector<const std::string*> texts = {&name, &header.currentCommittee->CommitteeID(),
                                             &header.horizontalScale->RatingID(),
                                             &header.verticalScale->RatingID()};
    for (const CMember* member : header.currentCommittee->Members())
        texts.push_back(&member->MemberID());
    for (const std::string* text : texts)
        if (TooLong(*text))
            return "the text " + text->substr(0, 40) + "... is longer than " +
                   std::to_string(kMaxTextLength) + " characters";
    return {};
}

void WriteScenarioRows(CDatabaseConnection& db, const CQueltaDoc& doc, const std::string& name,
                       int house) {
    const ScenarioHeader& header = doc.Header();
    const CVotingGame& game = doc.Game();
    for (const char* table : {"Scenario_Member_Ratings", "Scenario"})
        db.Run("DELETE FROM " + QuoteName(table) + " WHERE " + ByScenario(table), {Value(name)});
    db.Run(InsertSql(TableDef("Scenario")),
           {Value(name), CommitteeTypeOf(house), Value(header.currentCommittee->CommitteeID()),
            Value(header.horizontalScale->RatingID()), Value(header.verticalScale->RatingID()),
            game.StatusQuo().x, game.StatusQuo().y, game.Proposal().x, game.Proposal().y,
            game.VoteRule(), game.AbsolutePlurality()});
    const std::string insert = InsertSql(TableDef("Scenario_Member_Ratings"));
    for (const CMember* member : header.currentCommittee->Members())
        db.Run(insert, {Value(name), Value(member->MemberID()), member->PrefType(),
                        member->IdealPoint().x, member->IdealPoint().y});
}

bool SaveStoredScenario(CQueltaDoc& doc, const std::string& connection, const std::string& name) {
    if (const std::string problem = ScenarioSaveProblem(doc, name); !problem.empty()) {
        ShowSaveFailure(problem);
        return false;
    }
    CWaitCursor wait;
    try {
        CDatabaseConnection db(connection);
        CheckLegislatureSchema(db);
        if (const std::string lacks = DatabaseLacks(db, doc.Header()); !lacks.empty()) {
            ShowSaveFailure(lacks);
            return false;
        }
        db.InTransaction([&] { WriteScenarioRows(db, doc, name, doc.Header().houseInUse); });
    } catch (const CSqlFailure& failure) {
        ErrorBox("DOC6.2", std::string("database exception: saving database\n\n") + failure.what());
        return false;
    }
    return true;
}

bool SaveStoredScenario(CQueltaDoc& doc) {
    const ScenarioHeader& header = doc.Header();
    if (header.sourceKind != SOURCE_DATABASE || header.legislature.connection.empty()) {
        ShowSaveFailure("the scenario did not come from a database");
        return false;
    }
    const std::string name = header.scenarioName;
    if (!SaveStoredScenario(doc, header.legislature.connection, name))
        return false;
    std::vector<std::string>& names = doc.ScenarioNames();
    if (std::find(names.begin(), names.end(), name) == names.end())
        names.push_back(name);
    doc.SetModifiedFlag(false);
    return true;
}
