#include "document/FileNumber.h"
#include "document/QueltaDoc.h"
#include "document/ScenarioFile.h"
#include "document/TextLines.h"
#include "platform/Platform.h"
#include "platform/TextUtil.h"

#include <initializer_list>

namespace {

/// A text as one field of a line: the reader trims its fields, so the writer does too.
std::string Field(const std::string& text) {
    return std::string(Trim(FieldText(text)));
}

/// Numbers as tab-separated fields, each written so that it reads back as the same number.
std::string Numbers(std::initializer_list<double> values) {
    std::string text;
    for (const double value : values) {
        if (!text.empty())
            text += '\t';
        text += FileNumber(value);
    }
    return text;
}

const CCommittee* GroupToWrite(const ScenarioHeader& header) {
    if (header.currentCommittee)
        return header.currentCommittee;
    const auto& committees = header.upperHouse.committees;
    return committees.empty() ? nullptr : committees.front().get();
}

std::string DimensionLine(const CRatingScale* scale) {
    if (!scale)
        return "Dimension\t\t\t\t\n";
    return "Dimension\t" + Field(scale->Rating()) + "\t" + Field(scale->RatingID()) + "\t" +
           Numbers({scale->Scale_Min(), scale->Scale_Max()}) + "\n";
}

std::string SamplingColumns(const SSamplingSpec& s) {
    return Format("%d\t", s.type) + Numbers({s.salience, s.complementarity}) +
           Format("\t%d\t", s.samples) + Numbers({s.resolution, s.discount, s.intensity, s.beta});
}

/// One "Player" line. The vote column holds the member's own weight so that saving never loses
/// the weights, whatever the voting switches are.
std::string PlayerLine(const CMember& m) {
    const PreferenceSpec& p = m.Preference();
    return "Player\t" + Field(m.LastName()) + "\t" + Field(m.MemberID()) + "\t" +
           Numbers({m.IdealPoint().x, m.IdealPoint().y, m.VoteWeight(),
                    static_cast<double>(m.Veto()), static_cast<double>(m.Candidate())}) +
           Format("\t%d\t%d\t", p.modelType, p.prefType) +
           Numbers({p.salience, p.complementarity, p.discount, p.intensity, p.beta}) + "\t" +
           SamplingColumns(p.idealPoint) + "\t" + SamplingColumns(p.statusQuo) + "\n";
}

const std::vector<CMember*>& MembersToWrite(const ScenarioHeader& header,
                                            std::vector<CMember*>& storage) {
    if (header.currentCommittee)
        return header.currentCommittee->Members();
    for (const auto& member : header.upperHouse.members)
        storage.push_back(member.get());
    return storage;
}

} // namespace

std::string ScenarioText(const CQueltaDoc& doc) {
    const ScenarioHeader& header = doc.Header();
    const CVotingGame& game = doc.Game();
    std::string text = "GAME PARAMETERS BEGIN\n\n";
    text += "#SCENARIO\tname\nScenario\t" + Field(header.scenarioName) + "\n";
    const CCommittee* group = GroupToWrite(header);
    text += "#GROUP\tname\tID\nGroup\t" + Field(group ? group->Name() : std::string()) + "\t" +
            Field(group ? group->CommitteeID() : std::string()) + "\n";
    text += "#DIMENSIONS\tname\tID\tmin\tmax\n" + DimensionLine(header.horizontalScale) +
            DimensionLine(header.verticalScale);
    text +=
        "#DECISION RULE\tname\trule\nDecision Rule\treserved\t" + Numbers({game.VoteRule()}) + "\n";
    text += "#PLURALITY\tname\tflag\n";
    text += game.AbsolutePlurality() ? "Plurality\tAbsolute\t1\n" : "Plurality\tRelative\t0\n";
    text += "#STATUS QUO\tname\tID\thorz\tvert\nStatus Quo\treserved\treserved\t" +
            Numbers({game.StatusQuo().x, game.StatusQuo().y}) + "\n";
    text += "#PROPOSAL\tname\tID\thorz\tvert\nProposal\treserved\treserved\t" +
            Numbers({game.Proposal().x, game.Proposal().y}) + "\n";
    text += "#PLAYERS\tname-last\tID\thorz\tvert\tvote\tveto-flag\tcandidate-flag\tmodel-type"
            "\tpref-type\tsal\tcom\tdist\tint\tbet\ttypeIP\tsalIP\tcomIP\tcntIP\tresIP\tdistIP"
            "\tintIP\tbetIP\ttypeSQ\tsalSQ\tcomSQ\tcntIP\tresIP\tdistSQ\tintSQ\tbetSQ\n";
    std::vector<CMember*> storage;
    for (const CMember* member : MembersToWrite(header, storage))
        text += PlayerLine(*member);
    text += "#POINTS\tx\ty\n";
    for (const CFPoint& point : header.markPoints)
        text += "Point\t" + Numbers({point.x, point.y}) + "\n";
    text += "#RECTANGLES\tx0\ty0\tx1\ty1\n";
    for (const SMarkRect& r : header.markRects)
        text += "Rectangle\t" + Numbers({r.left, r.bottom, r.right, r.top}) + "\n";
    text += "\nGAME PARAMETERS END\n\n";
    doc.Config().WriteConfigSections(text);
    return text;
}

bool WriteScenarioFile(CQueltaDoc& doc) {
    CWaitCursor wait;
    Platform().SetStatusText(0, "Saving file...");
    std::string cause;
    const bool written = WriteTextFileAtomically(doc.Header().dataSource, ScenarioText(doc), cause);
    Platform().SetStatusText(0, " ");
    if (!written) {
        ErrorBox("SaveFile",
                 "file exception: saving file " + doc.Header().dataSource + "\n\n" + cause);
        return false;
    }
    doc.SetModifiedFlag(false);
    return true;
}
