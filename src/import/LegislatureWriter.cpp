#include "import/ImportedScenario.h"

#include "database/DatabaseConnection.h"
#include "database/DatabaseSchema.h"
#include "document/ScenarioHeader.h"

#include <QString>

namespace {

QVariant Text(const std::string& text) {
    return QString::fromStdString(text);
}

/// The committee of one party, under the committee of every member.
std::string PartyCommitteeId(const SImportedBody& body, const std::string& party) {
    return body.committeeId + "." + party;
}

/// Why the body cannot go into its house's tables; empty when it can. Throws CSqlFailure.
std::string WriteProblem(CDatabaseConnection& db, const SImportedBody& body,
                         const std::string& prefix) {
    std::vector<std::string> committees = {body.committeeId};
    for (const std::string& party : body.Parties())
        committees.push_back(PartyCommitteeId(body, party));
    for (const std::string& id : committees)
        if (RowExists(db, prefix + "_Committees", "CommitteeID", id))
            return "the committee " + id + " is in " + prefix + "_Committees already";
    for (const SImportedMember& member : body.members)
        if (RowExists(db, prefix + "_Members", "MemberID", member.id))
            return "the member " + member.id + " is in " + prefix + "_Members already";
    for (const SImportedMember& m : body.members)
        for (const std::string* text : {&m.id, &m.lastName, &m.firstName, &m.party, &m.state})
            if (QString::fromStdString(*text).toUcs4().size() > kMaxTextLength)
                return "the text " + text->substr(0, 40) + "... is longer than " +
                       std::to_string(kMaxTextLength) + " characters";
    return {};
}

void WriteHeaderAndDefinitions(CDatabaseConnection& db, const SImportedBody& body) {
    if (!db.Run("SELECT 1 FROM \"Header\"").next()) {
        const bool lower = body.house == HOUSE_LOWER;
        db.Run(InsertSql(TableDef("Header")),
               {Text("Legislature"), Text(lower ? "Upper House" : body.houseLabel), Text("Members"),
                0.0, Text("State"), Text(""), Text(lower ? body.houseLabel : "Lower House"),
                Text("Members"), 0.0, Text("State"), Text("District"), Text("")});
    }
    for (const SImportedScale* scale : {&body.horizontal, &body.vertical})
        if (!RowExists(db, "Ratings", "RatingID", scale->id))
            db.Run(InsertSql(TableDef("Ratings")),
                   {Text(scale->name), Text(scale->id), scale->min, scale->max});
    for (const auto& [id, alias] : {std::pair{"PARTY", "Party"}, std::pair{"STATE", "State"}})
        if (!db.Run("SELECT 1 FROM \"Attribute\" WHERE \"AttributeContextID\" = 'MEMBER' AND "
                    "\"AttributeID\" = ?",
                    {Text(id)})
                 .next())
            db.Run(InsertSql(TableDef("Attribute")),
                   {Text("MEMBER"), Text(id), Text(alias), Text("N")});
}

void WriteMember(CDatabaseConnection& db, const SImportedBody& body, const SImportedMember& m,
                 const std::string& prefix) {
    db.Run(InsertSql(TableDef(prefix + "_Members")),
           {Text(m.lastName), Text(m.firstName), Text(""), m.weight, Text(m.state),
            Text(m.district), Text(m.id)});
    const std::string rating = InsertSql(TableDef(prefix + "_Member_Ratings"));
    db.Run(rating, {1, 0.0, m.h, Text(m.id), Text(body.horizontal.id)});
    db.Run(rating, {1, 0.0, m.v, Text(m.id), Text(body.vertical.id)});
    const std::string attribute = InsertSql(TableDef(prefix + "_Member_Nominal_Attributes"));
    for (const auto& [id, value] : {std::pair{"PARTY", &m.party}, std::pair{"STATE", &m.state}})
        if (!value->empty())
            db.Run(attribute, {Text(m.id), Text("MEMBER"), Text(id), Text(*value)});
    const std::string membership = InsertSql(TableDef(prefix + "_Committee_Members"));
    db.Run(membership, {Text(body.committeeId), Text(m.id)});
    if (!m.party.empty())
        db.Run(membership, {Text(PartyCommitteeId(body, m.party)), Text(m.id)});
}

void WriteCommittees(CDatabaseConnection& db, const SImportedBody& body,
                     const std::string& prefix) {
    const std::string committee = InsertSql(TableDef(prefix + "_Committees"));
    db.Run(committee, {Text(body.committeeName), 0, Text(""), Text(""), Text(""), Text(""),
                       Text(body.committeeId)});
    for (const std::string& party : body.Parties())
        db.Run(committee, {Text(party), 1, Text(""), Text(""), Text(""), Text(body.committeeId),
                           Text(PartyCommitteeId(body, party))});
}

} // namespace

bool WriteImportedLegislature(const SImportedBody& body, const std::string& connection,
                              std::string& error) {
    const std::string prefix = body.house == HOUSE_LOWER ? "LH" : "UH";
    try {
        CDatabaseConnection db(connection);
        if (error = WriteProblem(db, body, prefix); !error.empty())
            return false;
        db.InTransaction([&] {
            WriteHeaderAndDefinitions(db, body);
            WriteCommittees(db, body, prefix);
            for (const SImportedMember& member : body.members)
                WriteMember(db, body, member, prefix);
        });
    } catch (const CSqlFailure& failure) {
        error = std::string("database exception: ") + failure.what();
        return false;
    }
    return true;
}
