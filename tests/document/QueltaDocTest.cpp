#include "document/QueltaDoc.h"
#include "platform/HeadlessPlatform.h"

#include <gtest/gtest.h>

namespace {

/// A document with one group, two scales 0..100 and the given members.
class QueltaDocTest : public ::testing::Test {
protected:
    void SetUp() override {
        ScenarioHeader& h = doc.Header();
        h.scales.push_back(std::make_unique<CRatingScale>("H", "Horizontal", 0, 100));
        h.scales.push_back(std::make_unique<CRatingScale>("V", "Vertical", 0, 100));
        h.scales.push_back(std::make_unique<CRatingScale>("W", "Wide", -50, 50));
        h.horizontalScale = h.scales[0].get();
        h.verticalScale = h.scales[1].get();
        h.upperHouse.label = "Group";
        h.upperHouse.committees.push_back(
            std::make_unique<CCommittee>(0, "C1", "", "Committee", "XX1", "", ""));
        h.currentCommittee = h.upperHouse.committees.back().get();
        h.houseInUse = HOUSE_UPPER;
    }

    CMember* Add(const std::string& id, const std::string& name, double x, double y) {
        return doc.CreateMember(id, name, CFPoint(x, y), 3);
    }

    CRecordingPlatform platform;
    CScopedPlatform scope{platform};
    CQueltaDoc doc;
};

} // namespace

TEST_F(QueltaDocTest, CreateMemberRatesEveryScaleAndReturnsExistingIds) {
    CMember* a = Add("A", "Adams", 20, 30);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->IdealPoint(), CFPoint(20, 30));
    EXPECT_EQ(a->FindRating("W")->Value, 0.0);
    EXPECT_EQ(doc.Game().Members().size(), 1u);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(Add("A", "Other", 70, 70), a) << "an existing ID returns the member unchanged";
    EXPECT_EQ(a->LastName(), "Adams");
    EXPECT_EQ(doc.NextMemberID(), "XX1");
    doc.Header().currentCommittee = nullptr;
    EXPECT_EQ(Add("B", "Baker", 1, 1), nullptr) << "no current committee";
}

TEST_F(QueltaDocTest, FindMemberByIdThenLabelAndByScriptReference) {
    Add("A", "Adams", 20, 30);
    CMember* b = Add("B", "Baker", 60, 40);
    EXPECT_EQ(doc.FindMember("B"), b);
    EXPECT_EQ(doc.FindMember("Baker"), b);
    EXPECT_EQ(doc.FindMember("b"), nullptr) << "IDs compare case-sensitively";
    EXPECT_EQ(doc.FindMember(""), nullptr);
    EXPECT_EQ(doc.MemberByScriptReference("x", "Baker", -1), b);
    EXPECT_EQ(doc.MemberByScriptReference("x", "y", 1), b);
    EXPECT_EQ(doc.MemberByScriptReference("x", "y", 2), nullptr);
}

TEST_F(QueltaDocTest, RemoveMemberKeepsItInTheHouse) {
    CMember* a = Add("A", "Adams", 20, 30);
    Add("B", "Baker", 60, 40);
    EXPECT_TRUE(doc.RemoveMember(a));
    EXPECT_FALSE(doc.RemoveMember(a));
    EXPECT_EQ(doc.Game().Members().size(), 1u);
    EXPECT_EQ(doc.Header().upperHouse.members.size(), 2u);
}

TEST_F(QueltaDocTest, ScaleChoiceMovesMembersAndKeepsPointsInsideThePlane) {
    Add("A", "Adams", 20, 30);
    doc.Game().SetStatusQuo(CFPoint(0, 0));
    doc.SelectHorizontalScale("h");
    EXPECT_EQ(doc.Game().StatusQuo(), CFPoint(50, 50)) << "a point on the edge is not inside";
    doc.SelectVerticalScale("w");
    EXPECT_EQ(doc.Header().verticalScale, doc.Header().scales[2].get());
    EXPECT_EQ(doc.Game().Members()[0]->IdealPoint(), CFPoint(20, 0));
    EXPECT_EQ(doc.Game().StatusQuo(), CFPoint(50, 0));
    doc.Game().SetProposal(CFPoint(10, 30));
    doc.SelectHorizontalScale("nothing");
    EXPECT_EQ(doc.Header().horizontalScale, nullptr);
    EXPECT_EQ(doc.Game().Proposal(), CFPoint(50, 30)) << "middle of the previous extent";
    EXPECT_EQ(doc.Game().Members()[0]->IdealPoint().x, 50.0) << "no rating: status quo's x";
    EXPECT_FALSE(doc.IsReady());
}

TEST_F(QueltaDocTest, SettersByIdAndVoteRule) {
    CMember* a = Add("A", "Adams", 20, 30);
    doc.SetModifiedFlag(false);
    doc.SetMemberVoteWt("A", -1);
    EXPECT_FALSE(doc.IsModified()) << "a negative weight does nothing";
    doc.SetMemberVoteWt("A", 4);
    EXPECT_EQ(a->VoteWeight(), 4);
    doc.SetMemberVeto("nobody", 1);
    doc.SetMemberPreference("A", 7);
    EXPECT_EQ(a->PrefType(), 7);
    doc.SetMemberIdealPoint("A", CFPoint(5, 6));
    EXPECT_EQ(a->IdealPoint(), CFPoint(5, 6));
    doc.SetVoteRule(1.5);
    EXPECT_EQ(doc.Game().VoteRule(), 1.0);
    doc.SetModifiedFlag(false);
    doc.SetStatusQuo(doc.Game().StatusQuo());
    EXPECT_FALSE(doc.IsModified()) << "an unchanged status quo changes nothing";
}

TEST_F(QueltaDocTest, SelectCommitteeMarksLeadersAndResetClearsEverything) {
    Add("XX0", "Adams", 20, 30);
    CMember* chair = Add("XX1", "Baker", 60, 40);
    doc.SelectCommittee("c1");
    EXPECT_EQ(chair->Leader(), 1);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(doc.IsReady());
    EXPECT_EQ(doc.Description(), "Group / Committee");
    doc.Header().markPoints.emplace_back(1, 2);
    doc.ResetScenario();
    EXPECT_TRUE(doc.Header().scales.empty());
    EXPECT_TRUE(doc.Header().markPoints.empty());
    EXPECT_EQ(doc.Header().currentCommittee, nullptr);
    EXPECT_EQ(doc.Header().scenarioName, "*");
    EXPECT_EQ(doc.Game().StatusQuo(), CFPoint(50, 50));
    EXPECT_TRUE(doc.Game().Members().empty());
    EXPECT_FALSE(doc.IsModified());
}

TEST(PreferenceNameTest, DefaultModelNamesGiveTypeCodes) {
    EXPECT_EQ(PreferenceTypeFromName("eum"), 8);
    EXPECT_EQ(PreferenceTypeFromName("abstain"), 7);
    EXPECT_EQ(PreferenceTypeFromName("cityblock"), 4);
    EXPECT_EQ(PreferenceTypeFromName("euclid"), 3);
}
