#include "database/LegislatureBuilder.h"

#include "database/ConfigParams.h"
#include "database/DatabaseConnection.h"
#include "document/ConfigBounds.h"
#include "document/QueltaDoc.h"
#include "platform/Platform.h"
#include "preferences/PreferenceSpec.h"

#include <memory>
#include <set>
#include <unordered_map>

namespace {

/// The first empty or repeated ID among the rows, described; empty when there is none.
template <typename Row, typename Id>
std::string IdProblem(const std::vector<Row>& rows, Id id, const char* table, const char* column) {
    std::set<std::string> seen;
    for (const Row& row : rows) {
        const std::string& value = id(row);
        if (value.empty())
            return std::string("a row of ") + table + " has no " + column;
        if (!seen.insert(value).second)
            return std::string(table) + " holds the " + column + " " + value + " more than once";
    }
    return {};
}

std::string HouseProblem(const SHouseTables& house, const char* prefix) {
    const std::string members = std::string(prefix) + "_Members";
    const std::string committees = std::string(prefix) + "_Committees";
    std::string problem = IdProblem(
        house.members, [](const auto& r) -> const std::string& { return r.MemberID; },
        members.c_str(), "MemberID");
    if (problem.empty())
        problem = IdProblem(
            house.committees, [](const auto& r) -> const std::string& { return r.CommitteeID; },
            committees.c_str(), "CommitteeID");
    return problem;
}

/// Rows left out because they name something that does not exist.
struct SLeftOut {
    long ratings = 0;
    long memberships = 0;
    long attributes = 0;
};

class CHouseBuilder {
public:
    CHouseBuilder(CQueltaDoc& doc, SHouse& house, int prefType, SLeftOut& leftOut)
        : m_doc(doc), m_house(house), m_prefType(prefType), m_leftOut(leftOut) {
        for (const auto& scale : doc.Header().scales)
            m_scales.emplace(scale->RatingID(), scale.get());
    }

    void Build(const SHouseTables& tables) {
        for (const CTableHouseMembers& row : tables.members)
            AddMember(row);
        for (const CTableHouseMemberRatings& row : tables.ratings)
            AddRating(row);
        for (const CTableHouseCommittees& row : tables.committees) {
            m_house.committees.push_back(std::make_unique<CCommittee>(
                row.SubLevel, row.CommitteeID, row.ParentID, row.Committee, row.Chair,
                row.MajorityLeader, row.MinorityLeader));
            m_committees.emplace(row.CommitteeID, m_house.committees.back().get());
        }
        for (const CTableHouseCommitteeMembers& row : tables.memberships)
            AddMembership(row);
        for (const auto& row : tables.nominal)
            if (CMember* member = Member(row.MemberID, m_leftOut.attributes))
                member->SetNominalAttribute(row.AttributeID, row.AttributeValue);
        for (const auto& row : tables.numeric)
            if (CMember* member = Member(row.MemberID, m_leftOut.attributes))
                member->SetNumericAttribute(row.AttributeID, row.AttributeValue);
    }

private:
    void AddMember(const CTableHouseMembers& row) {
        const CVotingGame& game = m_doc.Game();
        auto member = std::make_unique<CMember>(m_prefType, game.StatusQuo(), game.GridMap());
        member->SetMemberID(row.MemberID);
        member->SetLastName(row.LastName);
        member->SetFirstName(row.FirstName);
        member->SetMiddleName(row.MiddleName);
        member->SetVoteWeight(row.Vote);
        member->SetConstituencyGenus(row.ConstituencyGenus);
        member->SetConstituencySpecies(row.ConstituencySpecies);
        m_members.emplace(row.MemberID, member.get());
        m_house.members.push_back(std::move(member));
    }

    CMember* Member(const std::string& id, long& leftOut) {
        const auto it = m_members.find(id);
        if (it != m_members.end())
            return it->second;
        ++leftOut;
        return nullptr;
    }

    void AddRating(const CTableHouseMemberRatings& row) {
        const auto scale = m_scales.find(row.RatingID);
        if (scale == m_scales.end()) {
            ++m_leftOut.ratings;
            return;
        }
        if (CMember* member = Member(row.MemberID, m_leftOut.ratings))
            member->AddRating(*scale->second, row.Value, row.StdDev, row.Count);
    }

    void AddMembership(const CTableHouseCommitteeMembers& row) {
        const auto committee = m_committees.find(row.CommitteeID);
        CMember* member = Member(row.MemberID, m_leftOut.memberships);
        if (!member)
            return;
        if (committee == m_committees.end()) {
            ++m_leftOut.memberships;
            return;
        }
        // A member listed twice would vote twice.
        if (!m_seenMemberships.insert({row.CommitteeID, row.MemberID}).second)
            return;
        committee->second->AddMember(member);
        member->AddCommittee(committee->second);
    }

    CQueltaDoc& m_doc;
    SHouse& m_house;
    int m_prefType;
    SLeftOut& m_leftOut;
    std::unordered_map<std::string, const CRatingScale*> m_scales;
    std::unordered_map<std::string, CMember*> m_members;
    std::unordered_map<std::string, CCommittee*> m_committees;
    std::set<std::pair<std::string, std::string>> m_seenMemberships;
};

void SetHouseLabels(SHouse& house, const std::string& name, const std::string& members) {
    house.label = name;
    house.membersLabel = members;
    house.committeesLabel = name + " Committees";
}

void ApplyHeader(ScenarioHeader& header, const std::vector<CTableHeader>& rows) {
    const CTableHeader row = rows.empty() ? CTableHeader() : rows.front();
    SetHouseLabels(header.upperHouse, row.UpperHouse, row.UHMembers);
    SetHouseLabels(header.lowerHouse, row.LowerHouse, row.LHMembers);
    SLegislatureInfo& info = header.legislature;
    info.body = row.Body;
    info.upper = {row.UHTerm, row.UHConstituencyGenus, row.UHConstituencySpecies};
    info.lower = {row.LHTerm, row.LHConstituencyGenus, row.LHConstituencySpecies};
    header.description = row.Description;
}

void ReportLeftOut(const SLeftOut& leftOut) {
    std::string text;
    const auto add = [&text](long count, const char* what) {
        if (count > 0)
            text += "\n" + std::to_string(count) + " " + what;
    };
    add(leftOut.ratings, "member rating rows name a member or rating scale that does not exist");
    add(leftOut.memberships, "committee membership rows name a member or committee that does "
                             "not exist");
    add(leftOut.attributes, "attribute rows name a member that does not exist");
    if (!text.empty())
        MessageBoxOk("Some rows of the database were left out:" + text);
}

} // namespace

std::string LegislatureProblem(const SLegislatureData& data) {
    std::string problem = IdProblem(
        data.ratings, [](const auto& r) -> const std::string& { return r.RatingID; }, "Ratings",
        "RatingID");
    if (problem.empty())
        problem = HouseProblem(data.upper, "UH");
    if (problem.empty())
        problem = HouseProblem(data.lower, "LH");
    return problem;
}

void BuildLegislature(CQueltaDoc& doc, const SLegislatureData& data,
                      const std::string& connection) {
    doc.ResetScenario();
    doc.SetPathName(DataSourceName(connection));
    ScenarioHeader& header = doc.Header();
    header.legislature.connection = connection;
    int prefType = PREF_TRADEOFF;
    ApplyConfigParams(data.config, doc.Config(), prefType);
    header.legislature.defaultPrefType = prefType;
    for (const std::string& message : RestoreUnusableConfigValues(doc.Config()))
        MessageBoxOk(message);
    ApplyHeader(header, data.header);
    for (const CTableRatings& row : data.ratings)
        header.scales.push_back(
            std::make_unique<CRatingScale>(row.RatingID, row.Rating, row.Scale_Min, row.Scale_Max));
    SLeftOut leftOut;
    CHouseBuilder(doc, header.upperHouse, prefType, leftOut).Build(data.upper);
    CHouseBuilder(doc, header.lowerHouse, prefType, leftOut).Build(data.lower);
    ReportLeftOut(leftOut);
    doc.ScenarioNames() = data.scenarioNames;
    for (const CTableAttribute& row : data.attributes)
        header.legislature.attributes.push_back(
            {row.AttributeContextID, row.AttributeID, row.AttributeAlias, row.AttributeTypeID});
    header.sourceKind = SOURCE_DATABASE;
    header.houseInUse = HOUSE_UPPER;
    doc.FinishLoad();
}
