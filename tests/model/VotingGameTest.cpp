#include "model/Member.h"
#include "model/VotingGame.h"

#include <gtest/gtest.h>

namespace {

void MarkAllFresh(CVotingGame& game) {
    for (int i = 0; i < static_cast<int>(EConcept::Count); ++i)
        game.Stale().MarkFresh(static_cast<EConcept>(i));
}

std::vector<EConcept> StaleConcepts(const CVotingGame& game) {
    std::vector<EConcept> stale;
    for (int i = 0; i < static_cast<int>(EConcept::Count); ++i)
        if (game.Stale().IsStale(static_cast<EConcept>(i)))
            stale.push_back(static_cast<EConcept>(i));
    return stale;
}

} // namespace

TEST(VotingGameTest, EachChangeMakesItsConceptsStale) {
    using E = EConcept;
    const std::vector<E> sqDependent = {E::VoteGrid, E::WinSet, E::Spokes, E::Petals, E::Yolk};
    std::vector<E> withQuota = sqDependent;
    withQuota.insert(withQuota.begin() + 2, E::QuotaLines);
    // The exact yolk stands on the quota lines alone.
    withQuota.push_back(E::ExactYolk);

    CVotingGame game;
    MarkAllFresh(game);
    game.SetStatusQuo(CFPoint(10, 10));
    EXPECT_EQ(StaleConcepts(game), sqDependent) << "majority rule: quota lines stay";

    game.SetVoteRule(0.6);
    EXPECT_TRUE(game.Stale().AllStale());
    MarkAllFresh(game);
    game.SetStatusQuo(CFPoint(20, 10));
    EXPECT_EQ(StaleConcepts(game), withQuota) << "other rules: quota lines move with the SQ";

    MarkAllFresh(game);
    game.VetoChanged();
    EXPECT_EQ(StaleConcepts(game), (std::vector<E>{E::WinSet, E::BanksSet}));

    MarkAllFresh(game);
    game.SetVoteRule(0.6);
    EXPECT_TRUE(StaleConcepts(game).empty()) << "an unchanged rule changes nothing";
    game.SetGridMap(game.GridMap());
    EXPECT_TRUE(StaleConcepts(game).empty()) << "an equal map is ignored";
    game.SetAbsolutePlurality(0);
    EXPECT_TRUE(game.Stale().AllStale());
}

TEST(VotingGameTest, SwitchesAndStatusQuoReachEveryMember) {
    CVotingGame game;
    CMember a(3, CFPoint(), CGridMap());
    CMember b(3, CFPoint(), CGridMap());
    const std::vector<CMember*> members{&a, &b};
    game.SetStatusQuo(CFPoint(40, 45));
    game.SetMembers(&members);
    EXPECT_EQ(a.StatusQuo(), CFPoint(40, 45));
    EXPECT_EQ(a.Weighted(), 0) << "members follow the game's weighted switch";
    game.SetWeightedVoting(1);
    game.SetProbabilisticVoting(1);
    EXPECT_EQ(b.Weighted(), 1);
    EXPECT_EQ(b.Probabilistic(), 1);
    game.SetVoteRule(1.5);
    EXPECT_EQ(game.VoteRule(), 1.0);
    game.SetVoteRule(-0.2);
    EXPECT_EQ(game.VoteRule(), 0.0);
    game.SetMembers(nullptr);
    EXPECT_TRUE(game.Members().empty());
}
