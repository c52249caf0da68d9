#include "views/InputForm.h"

#include "document/QueltaDoc.h"
#include "document/ScenarioFile.h"
#include "platform/HeadlessPlatform.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

class InputFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        doc.SetConfigPath("");
        ASSERT_TRUE(ReadScenarioFile(doc, QUELTA_EXAMPLES "/triangle.txt"));
    }

    /// Adds a committee of `members` members of the triangle at a sub-level.
    CCommittee& AddCommittee(int subLevel, const std::string& name, int members) {
        auto& committees = doc.Header().HouseInUse().committees;
        committees.push_back(std::make_unique<CCommittee>(subLevel, "K" + std::to_string(subLevel),
                                                          "", name, "", "", ""));
        CCommittee& committee = *committees.back();
        const auto& all = doc.Header().currentCommittee->Members();
        for (int i = 0; i < members; ++i)
            committee.AddMember(all[i % all.size()]);
        return committee;
    }

    CRecordingPlatform platform;
    CScopedPlatform scoped{platform};
    CQueltaDoc doc;
    CInputForm form{doc};
};

TEST_F(InputFormTest, CommitteeEntriesAreIndentedBySubLevelAndCounted) {
    AddCommittee(1, "Finance", 2);
    AddCommittee(2, "Taxes", 7);
    AddCommittee(3, "Deep", 1);
    const std::vector<SFormListEntry> entries = form.ListEntries();
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[0].text, "Committee (3)");
    EXPECT_EQ(entries[1].text, "--Finance (2)");
    EXPECT_EQ(entries[2].text, "----Taxes (7)");
    EXPECT_EQ(entries[3].text, "Deep (1)");
    EXPECT_EQ(form.CommitteeCaption(), "Committee");
}

TEST_F(InputFormTest, CaptionsWithoutCommittees) {
    form.ChooseHouse(HOUSE_LOWER);
    EXPECT_EQ(form.CommitteeCaption(), "no committees");
    EXPECT_EQ(doc.Header().currentCommittee, nullptr);
    form.ChooseHouse(HOUSE_UPPER);
    EXPECT_EQ(form.CommitteeCaption(), "select committee");
    EXPECT_TRUE(form.HelpText().empty()) << "no help while nothing is ready";
}

TEST_F(InputFormTest, ChoosingACommitteeMakesItsMembersVote) {
    AddCommittee(1, "Pair", 2);
    form.ChooseListEntry(1);
    ASSERT_NE(doc.Header().currentCommittee, nullptr);
    EXPECT_EQ(doc.Header().currentCommittee->Name(), "Pair");
    EXPECT_EQ(doc.Game().Members().size(), 2u);
    form.ChooseListEntry(7);
    EXPECT_EQ(doc.Header().currentCommittee->Name(), "Pair") << "an index past the list";
}

TEST_F(InputFormTest, MemberModeHighlightsWithoutChangingTheCommittee) {
    form.SetListMode(LIST_MEMBERS);
    const std::vector<SFormListEntry> entries = form.ListEntries();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[2].text, "Top");
    form.ChooseListEntry(2);
    EXPECT_EQ(form.HighlightedMember(), entries[2].member);
    EXPECT_EQ(doc.Game().Members().size(), 3u);
}

TEST_F(InputFormTest, DecisionRuleFieldsRefuseWhatTheyCannotTakeAndAgree) {
    for (const double refused : {1.5, -0.2, std::nan("")}) {
        form.EditFraction(refused);
        EXPECT_DOUBLE_EQ(doc.Game().VoteRule(), 0.5) << refused;
    }
    for (const double refused : {1.5, 4.0, -1.0}) {
        form.EditQuota(refused);
        EXPECT_DOUBLE_EQ(doc.Game().VoteRule(), 0.5) << refused;
    }
    form.EditFraction(1.0);
    EXPECT_DOUBLE_EQ(doc.Game().VoteRule(), 1.0);
    form.EditQuota(2.0);
    const SRuleFields rule = form.RuleFields();
    EXPECT_DOUBLE_EQ(rule.total, 3.0);
    EXPECT_DOUBLE_EQ(rule.quota, 2.0);
    EXPECT_DOUBLE_EQ(rule.fraction, doc.Game().FractionForQuota(2.0));
    form.SetAbsolute(false);
    EXPECT_FALSE(form.RuleFields().absolute);
}

TEST_F(InputFormTest, ZoomRules) {
    for (const double refused : {0.0, -2.0, 1e-7, 2e6}) {
        form.EditZoom(refused);
        EXPECT_DOUBLE_EQ(doc.Zoom(), 1.0) << refused;
    }
    form.EditStatusQuo(CFPoint(2e15, 0.0));
    EXPECT_DOUBLE_EQ(doc.Game().StatusQuo().x, 50.0) << "beyond the coordinate limit";
    form.StepZoom(1);
    EXPECT_DOUBLE_EQ(doc.Zoom(), 1.5);
    form.StepZoom(-1);
    form.StepZoom(-1);
    form.StepZoom(-1);
    EXPECT_DOUBLE_EQ(doc.Zoom(), 1.0) << "stepping to 0 gives 1";
    form.EditZoom(3.0);
    form.DefaultZoom();
    EXPECT_DOUBLE_EQ(doc.Zoom(), 1.0);
}

TEST_F(InputFormTest, TypingTheCurrentStatusQuoRecomputesNothing) {
    const double area = doc.Game().GetWinSetArea();
    EXPECT_FALSE(doc.Game().Stale().IsStale(EConcept::WinSet));
    form.EditStatusQuo(doc.Game().StatusQuo());
    EXPECT_FALSE(doc.Game().Stale().IsStale(EConcept::WinSet));
    form.EditStatusQuo(CFPoint(40.0, 40.0));
    EXPECT_TRUE(doc.Game().Stale().IsStale(EConcept::WinSet));
    EXPECT_NE(doc.Game().GetWinSetArea(), area);
}

TEST_F(InputFormTest, ScalesAreChosenOnlyWithACommitteeAndRenamedOnEdit) {
    form.ChooseScale(true, 1);
    EXPECT_EQ(form.HorizontalSelection(), 1);
    form.EditScaleText(true, "Moral policy");
    EXPECT_EQ(form.ScaleNames()[1], "Moral policy");
    form.ChooseHouse(HOUSE_UPPER);
    form.ChooseScale(true, 0);
    EXPECT_EQ(form.HorizontalSelection(), 1) << "no committee: nothing changes";
}

} // namespace
