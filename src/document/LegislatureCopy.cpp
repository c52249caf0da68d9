#include "document/LegislatureCopy.h"

#include "document/QueltaDoc.h"

#include <charconv>
#include <unordered_map>

namespace {

/// Writes the fields of the state one tab-separated line at a time; numbers in their shortest
/// text that reads back as the same number.
class CStateWriter {
public:
    CStateWriter& operator<<(const std::string& text) {
        m_text += '\t';
        m_text += text;
        return *this;
    }
    CStateWriter& operator<<(const char* text) { return *this << std::string(text); }
    CStateWriter& operator<<(double value) {
        char buffer[32];
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
        m_text += '\t';
        m_text.append(buffer, end);
        return *this;
    }
    CStateWriter& operator<<(int value) { return *this << static_cast<double>(value); }
    CStateWriter& operator<<(const CFPoint& point) { return *this << point.x << point.y; }
    CStateWriter& operator<<(const SSamplingSpec& s) {
        return *this << s.type << s.salience << s.complementarity << s.samples << s.resolution
                     << s.discount << s.intensity << s.beta;
    }
    CStateWriter& operator<<(const PreferenceSpec& p) {
        return *this << p.modelType << p.prefType << p.salience << p.complementarity << p.discount
                     << p.intensity << p.beta << p.idealPoint << p.statusQuo;
    }
    /// Starts a line with its keyword.
    CStateWriter& Line(const char* keyword) {
        m_text += '\n';
        m_text += keyword;
        return *this;
    }
    std::string Take() { return std::move(m_text); }

private:
    std::string m_text;
};

/// Where things stand in their house, so that the state names them whatever their IDs.
struct SPositions {
    std::unordered_map<const CMember*, int> members;
    std::unordered_map<const CCommittee*, int> committees;

    explicit SPositions(const ScenarioHeader& header) {
        for (const SHouse* house : {&header.lowerHouse, &header.upperHouse}) {
            for (size_t i = 0; i < house->members.size(); ++i)
                members.emplace(house->members[i].get(), static_cast<int>(i));
            for (size_t i = 0; i < house->committees.size(); ++i)
                committees.emplace(house->committees[i].get(), static_cast<int>(i));
        }
    }
    int Of(const CCommittee* committee) const {
        const auto it = committees.find(committee);
        return it == committees.end() ? -1 : it->second;
    }
    int Of(const CMember* member) const {
        const auto it = members.find(member);
        return it == members.end() ? -1 : it->second;
    }
};

std::string ScaleId(const CRatingScale* scale) {
    return scale ? scale->RatingID() : std::string();
}

void WriteMember(CStateWriter& out, const CMember& m, const SPositions& positions) {
    out.Line("member") << m.MemberID() << m.Label() << m.LastName() << m.FirstName()
                       << m.MiddleName() << m.ConstituencyGenus() << m.ConstituencySpecies();
    out.Line("vote") << m.VoteWeight() << m.Probabilistic() << m.Weighted() << m.Veto()
                     << m.Candidate() << m.Certainty() << m.Leader() << m.Rational()
                     << m.PrefVertices();
    out.Line("preference") << m.Preference();
    // The member's copy of the status quo is the game's, given again when it is restored.
    out.Line("place") << m.IdealPoint() << m.Spread().first << m.Spread().second
                      << ScaleId(m.HorizontalRating() ? m.HorizontalRating()->scale : nullptr)
                      << ScaleId(m.VerticalRating() ? m.VerticalRating()->scale : nullptr);
    for (const CRating& r : m.Ratings())
        out.Line("rating") << ScaleId(r.scale) << r.Value << r.StdDev << r.Count;
    for (const CCommittee* committee : m.Committees())
        out.Line("in") << positions.Of(committee);
    for (const auto& [id, value] : m.NominalAttributes())
        out.Line("nominal") << id << value;
    for (const auto& [id, value] : m.NumericAttributes())
        out.Line("numeric") << id << value;
}

void WriteCommittee(CStateWriter& out, const CCommittee& c, const SPositions& positions) {
    out.Line("committee") << c.CommitteeID() << c.Name() << c.SubLevel() << c.ParentID()
                          << positions.Of(c.Parent()) << c.Chair() << c.MajorityLeader()
                          << c.MinorityLeader();
    CStateWriter& line = out.Line("of");
    for (const CMember* member : c.Members())
        line << positions.Of(member);
}

void WriteHouse(CStateWriter& out, const SHouse& house, const SPositions& positions) {
    out.Line("house") << house.label << house.membersLabel << house.committeesLabel;
    for (const auto& member : house.members)
        WriteMember(out, *member, positions);
    for (const auto& committee : house.committees)
        WriteCommittee(out, *committee, positions);
}

void WriteLegislatureInfo(CStateWriter& out, const SLegislatureInfo& info) {
    out.Line("legislature") << info.connection << info.body << info.defaultPrefType;
    for (const SHouseInfo* house : {&info.upper, &info.lower})
        out.Line("term") << house->term << house->constituencyGenus << house->constituencySpecies;
    for (const SAttributeDef& a : info.attributes)
        out.Line("attribute") << a.contextId << a.attributeId << a.alias << a.typeId;
}

/// Copies both houses' committees, then their members, then links each committee to the
/// copied members and parent.
void CopyHouses(const ScenarioHeader& from, ScenarioHeader& to, SLegislatureRelink& relink) {
    const SHouse* sources[] = {&from.lowerHouse, &from.upperHouse};
    SHouse* targets[] = {&to.lowerHouse, &to.upperHouse};
    for (int h = 0; h < 2; ++h) {
        targets[h]->label = sources[h]->label;
        targets[h]->membersLabel = sources[h]->membersLabel;
        targets[h]->committeesLabel = sources[h]->committeesLabel;
        targets[h]->committees.clear();
        targets[h]->members.clear();
        for (const auto& committee : sources[h]->committees) {
            targets[h]->committees.push_back(std::make_unique<CCommittee>(*committee));
            relink.committees.emplace(committee.get(), targets[h]->committees.back().get());
        }
    }
    std::unordered_map<const CMember*, CMember*> members;
    for (int h = 0; h < 2; ++h) {
        for (const auto& member : sources[h]->members) {
            targets[h]->members.push_back(member->CopyRelinked(relink));
            members.emplace(member.get(), targets[h]->members.back().get());
        }
    }
    for (SHouse* house : targets) {
        for (const auto& committee : house->committees) {
            for (CMember*& member : committee->Members())
                member = members.at(member);
            committee->SetParent(relink.committees.at(committee->Parent()));
        }
    }
}

} // namespace

std::string LegislatureState(const CQueltaDoc& doc) {
    const ScenarioHeader& header = doc.Header();
    const SPositions positions(header);
    CStateWriter out;
    for (const auto& scale : header.scales)
        out.Line("scale") << scale->RatingID() << scale->Rating() << scale->Scale_Min()
                          << scale->Scale_Max();
    WriteHouse(out, header.lowerHouse, positions);
    WriteHouse(out, header.upperHouse, positions);
    out.Line("in use") << header.houseInUse << positions.Of(header.currentCommittee)
                       << ScaleId(header.horizontalScale) << ScaleId(header.verticalScale);
    out.Line("plane") << header.plane.left << header.plane.right << header.plane.top
                      << header.plane.bottom;
    WriteLegislatureInfo(out, header.legislature);
    CStateWriter& names = out.Line("stored");
    for (const std::string& name : doc.ScenarioNames())
        names << name;
    return out.Take();
}

void CopyScenarioHeader(const ScenarioHeader& from, ScenarioHeader& to) {
    to.currentCommittee = nullptr;
    to.horizontalScale = to.verticalScale = nullptr;
    to.scenarioName = from.scenarioName;
    to.dataSource = from.dataSource;
    to.description = from.description;
    to.committeeLabel = from.committeeLabel;
    to.defaultModelName = from.defaultModelName;
    to.sourceKind = from.sourceKind;
    to.houseInUse = from.houseInUse;
    to.markPoints = from.markPoints;
    to.markRects = from.markRects;
    to.legislature = from.legislature;
    to.plane = from.plane;
    SLegislatureRelink relink;
    relink.scales.emplace(nullptr, nullptr);
    relink.committees.emplace(nullptr, nullptr);
    to.scales.clear();
    for (const auto& scale : from.scales) {
        to.scales.push_back(std::make_unique<CRatingScale>(*scale));
        relink.scales.emplace(scale.get(), to.scales.back().get());
    }
    CopyHouses(from, to, relink);
    to.currentCommittee = relink.committees.at(from.currentCommittee);
    to.horizontalScale = relink.scales.at(from.horizontalScale);
    to.verticalScale = relink.scales.at(from.verticalScale);
}

CLegislatureCopy::CLegislatureCopy(const CQueltaDoc& doc, std::string state,
                                   const CLegislatureCopy* earlier)
    : m_config(doc.Config()), m_scenarioName(doc.Header().scenarioName),
      m_markPoints(doc.Header().markPoints), m_markRects(doc.Header().markRects) {
    if (earlier && earlier->State() == state) {
        m_houses = earlier->m_houses;
    } else {
        auto houses = std::make_shared<SHouses>();
        CopyScenarioHeader(doc.Header(), houses->header);
        houses->scenarioNames = doc.ScenarioNames();
        houses->state = std::move(state);
        m_houses = std::move(houses);
    }
    const CVotingGame& game = doc.Game();
    m_game = {game.VoteRule(),       game.AbsolutePlurality(),
              game.WeightedVoting(), game.ProbabilisticVoting(),
              game.StatusQuo(),      game.Proposal()};
}

void CLegislatureCopy::RestoreInto(CQueltaDoc& doc) const {
    const std::string defaultModel = doc.Header().defaultModelName;
    doc.ResetScenario();
    ScenarioHeader& header = doc.Header();
    CopyScenarioHeader(m_houses->header, header);
    header.defaultModelName = defaultModel;
    header.scenarioName = m_scenarioName;
    header.markPoints = m_markPoints;
    header.markRects = m_markRects;
    doc.ScenarioNames() = m_houses->scenarioNames;
    doc.Config() = m_config;
    // The game takes its switches while it holds no member: the members keep their own.
    CVotingGame& game = doc.Game();
    game.SetVoteRule(m_game.voteRule);
    game.SetAbsolutePlurality(m_game.absolute);
    game.SetWeightedVoting(m_game.weighted);
    game.SetProbabilisticVoting(m_game.probabilistic);
    game.SetProposal(m_game.proposal);
    game.SetStatusQuo(m_game.statusQuo);
    doc.UpdateGridMap();
    CCommittee* committee = header.currentCommittee;
    if (committee && !committee->Members().empty())
        game.SetMembers(&committee->Members());
}
