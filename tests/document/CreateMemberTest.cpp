#include "document/ModelCommands.h"
#include "document/QueltaDoc.h"
#include "document/ScenarioGenerators.h"
#include "model/Committee.h"
#include "model/Member.h"
#include "platform/HeadlessPlatform.h"

#include <gtest/gtest.h>

namespace {

class CreateMemberTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(NewWhiteboard(doc)); }
    CRecordingPlatform platform;
    CScopedPlatform scope{platform};
    CQueltaDoc doc;
};

TEST_F(CreateMemberTest, MembersAddedOneByOneGiveTheGameOfTheWholeList) {
    SetVoteWeightedSwitch(doc, 1);
    doc.SetStatusQuo(CFPoint(45, 55));
    for (int i = 0; i < 25; ++i) {
        CMember* member = doc.CreateMember(
            doc.NextMemberID(), "M", CFPoint(10 + i * 37 % 80, 15 + i * 53 % 70), PREF_TRADEOFF);
        ASSERT_NE(member, nullptr);
        member->SetVoteWeight(1 + i % 3);
        doc.Game().MemberChanged(*member);
    }
    CVotingGame& game = doc.Game();
    ASSERT_EQ(game.Members().size(), 25u);
    std::vector<CRgn> regions;
    for (const CMember* member : game.Members())
        regions.push_back(member->PreferredRgn());
    const double area = game.GetWinSetArea();
    const double quota = game.VoteQuota();

    // The reference: the whole list handed to the game, every region rebuilt.
    game.SetMembers(&doc.Header().currentCommittee->Members());
    for (std::size_t i = 0; i < regions.size(); ++i)
        EXPECT_TRUE(game.Members()[i]->PreferredRgn().EqualRgn(regions[i])) << "member " << i;
    EXPECT_EQ(game.GetWinSetArea(), area);
    EXPECT_EQ(game.VoteQuota(), quota);
}

TEST_F(CreateMemberTest, ABatchChecksIdsAsTheScanDoes) {
    CMember* first = doc.CreateMember("A", "First", CFPoint(20, 20), PREF_TRADEOFF);
    ASSERT_NE(first, nullptr);
    CMember* b = nullptr;
    {
        CQueltaDoc::CBatchLoad batch(doc);
        EXPECT_EQ(doc.CreateMember("A", "Again", CFPoint(30, 30), PREF_TRADEOFF), first)
            << "an ID taken before the batch";
        b = doc.CreateMember("B", "B", CFPoint(40, 40), PREF_TRADEOFF);
        EXPECT_EQ(doc.CreateMember("B", "B again", CFPoint(50, 50), PREF_TRADEOFF), b)
            << "an ID taken in the batch";
        EXPECT_EQ(doc.Game().Members().size(), 1u) << "the game takes the list at the end";
    }
    EXPECT_EQ(doc.Game().Members().size(), 2u);
    // After the batch the scan answers again, renamed members included.
    b->SetMemberID("C");
    EXPECT_NE(doc.CreateMember("B", "New B", CFPoint(60, 60), PREF_TRADEOFF), b);
    EXPECT_EQ(doc.CreateMember("C", "C again", CFPoint(60, 60), PREF_TRADEOFF), b);
}

} // namespace

namespace {

TEST_F(CreateMemberTest, AnIdNamesTheMemberOfTheScenarioThatHoldsItNow) {
    CMember* first = doc.CreateMember("A", "First", CFPoint(10, 10), PREF_TRADEOFF);
    EXPECT_EQ(doc.CreateMember("A", "Again", CFPoint(20, 20), PREF_TRADEOFF), first)
        << "an ID taken gives the member that has it";

    // A new scenario holds new members under the same IDs: the old ones are gone.
    ASSERT_TRUE(NewWhiteboard(doc));
    CMember* second = doc.CreateMember("A", "Second", CFPoint(30, 30), PREF_TRADEOFF);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->LastName(), "Second");
    CMember* other = doc.CreateMember("B", "Other", CFPoint(40, 40), PREF_TRADEOFF);
    EXPECT_NE(other, second);
    EXPECT_EQ(doc.CreateMember("A", "Third", CFPoint(50, 50), PREF_TRADEOFF), second);
    EXPECT_EQ(doc.CreateMember("B", "Fourth", CFPoint(60, 60), PREF_TRADEOFF), other);
    EXPECT_EQ(doc.Header().currentCommittee->Members().size(), 2u);
}

} // namespace
