#pragma once

#include "document/ChartFrame.h"
#include "model/Member.h"
#include "model/VotingGame.h"
#include "platform/HeadlessPlatform.h"

#include <memory>
#include <vector>

/// A voting game over members owned by the fixture, on the chart map of a 0..100 plane.
class CGameFixture {
public:
    explicit CGameFixture(int chartSize = 400) {
        game.SetGridMap(ChartGridMap(SEdges{0, 100, 100, 0}, chartSize, chartSize, 1.0));
    }

    /// Adds a member of the given type at the ideal point (the game takes the list again).
    CMember& Add(double x, double y, int prefType = PREF_TRADEOFF, double weight = 1.0) {
        CMember& member = AddQuietly(x, y, prefType, weight);
        Refresh();
        return member;
    }

    /// Adds a member without handing the list to the game; call Refresh once afterwards.
    CMember& AddQuietly(double x, double y, int prefType = PREF_TRADEOFF, double weight = 1.0) {
        auto member = std::make_unique<CMember>(prefType, game.StatusQuo(), game.GridMap());
        member->SetMemberID("M" + std::to_string(owned.size()));
        member->SetLastName(member->MemberID());
        member->SetVoteWeight(weight);
        member->SetIdealPoint(CFPoint(x, y));
        owned.push_back(std::move(member));
        return *owned.back();
    }

    /// Hands the member list to the game again after members were changed directly.
    void Refresh() {
        members.clear();
        for (const auto& member : owned)
            members.push_back(member.get());
        game.SetMembers(&members);
    }

    CRecordingPlatform platform;
    CScopedPlatform scope{platform};
    CVotingGame game;
    std::vector<std::unique_ptr<CMember>> owned;
    std::vector<CMember*> members;
};
