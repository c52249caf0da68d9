#include "database/DatabaseImport.h"

#include "database/DatabaseConnection.h"
#include "database/DatabaseSchema.h"
#include "database/LegislatureBuilder.h"
#include "database/LegislatureReader.h"
#include "database/StoredScenario.h"
#include "document/QueltaDoc.h"
#include "platform/Platform.h"

namespace {

QVariant Value(const std::string& text) {
    return QString::fromStdString(text);
}

/// Why the scenario cannot go into the house's tables; empty when it can. A database the other
/// commands refuse to open (a repeated ID) takes no rows either. Throws CSqlFailure and
/// SDatabaseError.
std::string ImportProblem(CDatabaseConnection& db, const CCommittee& committee,
                          const std::string& prefix) {
    if (const std::string problem = LegislatureProblem(ReadLegislature(db)); !problem.empty())
        return "the database cannot be opened: " + problem;
    if (RowExists(db, prefix + "_Committees", "CommitteeID", committee.CommitteeID()))
        return "the committee " + committee.CommitteeID() + " is in " + prefix +
               "_Committees already";
    for (const CMember* member : committee.Members())
        if (RowExists(db, prefix + "_Members", "MemberID", member->MemberID()))
            return "the member " + member->MemberID() + " is in " + prefix + "_Members already";
    return {};
}

std::string TextProblem(const CCommittee& committee) {
    std::vector<const std::string*> texts = {&committee.Name(), &committee.CommitteeID()};
    for (const CMember* m : committee.Members())
        for (const std::string* text : {&m->LastName(), &m->FirstName(), &m->MiddleName(),
                                        &m->ConstituencyGenus(), &m->ConstituencySpecies()})
            texts.push_back(text);
    for (const std::string* text : texts)
        if (QString::fromStdString(*text).toUcs4().size() > kMaxTextLength)
            return "the text " + text->substr(0, 40) + "... is longer than " +
                   std::to_string(kMaxTextLength) + " characters";
    return {};
}

void WriteHeaderIfMissing(CDatabaseConnection& db) {
    if (db.Run("SELECT 1 FROM \"Header\"").next())
        return;
    db.Run(InsertSql(TableDef("Header")),
           {Value("Legislature"), Value("Upper House"), Value("Members"), 0.0, Value(""), Value(""),
            Value("Lower House"), Value("Members"), 0.0, Value(""), Value(""), Value("")});
}

void WriteScales(CDatabaseConnection& db, const ScenarioHeader& header) {
    for (const auto& scale : header.scales)
        if (!RowExists(db, "Ratings", "RatingID", scale->RatingID()))
            db.Run(InsertSql(TableDef("Ratings")),
                   {Value(scale->Rating()), Value(scale->RatingID()), scale->Scale_Min(),
                    scale->Scale_Max()});
}

void WriteMembers(CDatabaseConnection& db, const CCommittee& committee, const std::string& prefix) {
    const std::string member = InsertSql(TableDef(prefix + "_Members"));
    const std::string rating = InsertSql(TableDef(prefix + "_Member_Ratings"));
    const std::string membership = InsertSql(TableDef(prefix + "_Committee_Members"));
    db.Run(InsertSql(TableDef(prefix + "_Committees")),
           {Value(committee.Name()), committee.SubLevel(), Value(committee.Chair()),
            Value(committee.MajorityLeader()), Value(committee.MinorityLeader()),
            Value(committee.ParentID()), Value(committee.CommitteeID())});
    for (const CMember* m : committee.Members()) {
        db.Run(member, {Value(m->LastName()), Value(m->FirstName()), Value(m->MiddleName()),
                        m->VoteWeight(), Value(m->ConstituencyGenus()),
                        Value(m->ConstituencySpecies()), Value(m->MemberID())});
        for (const CRating& r : m->Ratings())
            if (r.scale)
                db.Run(rating, {r.Count, r.StdDev, r.Value, Value(m->MemberID()),
                                Value(r.scale->RatingID())});
        db.Run(membership, {Value(committee.CommitteeID()), Value(m->MemberID())});
    }
}

void Refuse(const std::string& problem) {
    UserErrorBox("DOC6.2", "The scenario was not imported: " + problem + ".");
}

} // namespace

bool ImportScenario(const CQueltaDoc& doc, const std::string& connection, int house,
                    const std::string& name) {
    const CCommittee* committee = doc.Header().currentCommittee;
    std::string problem = ScenarioSaveProblem(doc, name);
    if (problem.empty())
        problem = TextProblem(*committee);
    if (!problem.empty()) {
        Refuse(problem);
        return false;
    }
    const std::string prefix = house == HOUSE_LOWER ? "LH" : "UH";
    try {
        CDatabaseConnection db(connection);
        CheckLegislatureSchema(db);
        if (problem = ImportProblem(db, *committee, prefix); !problem.empty()) {
            Refuse(problem);
            return false;
        }
        db.InTransaction([&] {
            WriteHeaderIfMissing(db);
            WriteScales(db, doc.Header());
            WriteMembers(db, *committee, prefix);
            WriteScenarioRows(db, doc, name, house);
        });
    } catch (const SDatabaseError& error) {
        ErrorBox(error.code, error.message);
        return false;
    } catch (const CSqlFailure& failure) {
        ErrorBox("DOC6.2", std::string("database exception: saving database\n\n") + failure.what());
        return false;
    }
    return true;
}
