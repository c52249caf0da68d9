#pragma once

#include "document/ChartFrame.h"
#include "model/Member.h"
#include "model/VotingGame.h"
#include "platform/CRand.h"
#include "platform/HeadlessPlatform.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <vector>

/// A platform that keeps nothing, so that long runs do not grow a record of status texts.
class CQuietPlatform : public CHeadlessPlatform {
public:
    void SetStatusText(int, const std::string&) override {}
};

/// Builds every member's preferred-to region (each is built when first asked for).
inline void BuildEveryRegion(const CVotingGame& game) {
    for (const CMember* member : game.Members())
        benchmark::DoNotOptimize(member->PreferredRgn().IsValid());
}

/// A body of trade-off members on a square chart of a 0..100 plane, each placed where `draw`
/// puts it.
struct SBenchBody {
    template <typename Draw> void Fill(int count, int chart, Draw draw) {
        game.SetGridMap(ChartGridMap(SEdges{0, 100, 100, 0}, chart, chart, 1.0));
        owned.reserve(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) {
            auto member =
                std::make_unique<CMember>(PREF_TRADEOFF, game.StatusQuo(), game.GridMap());
            member->SetIdealPoint(draw());
            pointers.push_back(member.get());
            owned.push_back(std::move(member));
        }
        game.SetMembers(&pointers);
    }

    CQuietPlatform platform;
    CScopedPlatform scope{platform};
    CVotingGame game;
    std::vector<std::unique_ptr<CMember>> owned;
    std::vector<CMember*> pointers;
};

/// A random body of trade-off members (ideal points uniform in 20..80, seeded) on a square chart
/// of a 0..100 plane, 400 x 400 by default.
struct SRandomBody : SBenchBody {
    explicit SRandomBody(int count, int chart = 400) {
        CRand::Seed(123456789);
        Fill(count, chart, [] {
            return CFPoint(20 + 60.0 * CRand::Next() / 32767, 20 + 60.0 * CRand::Next() / 32767);
        });
    }
};

/// An electorate crowded about the middle of a 0..100 plane: ideal points drawn from a normal
/// distribution about (50, 50) with a spread of 15 on each axis (seeded), trade-off members on
/// a 400 x 400 chart, as `generate montecarlo --distribution normal` draws them.
struct SCrowdBody : SBenchBody {
    explicit SCrowdBody(int count) {
        std::mt19937_64 random(3);
        std::normal_distribution<double> spread(50.0, 15.0);
        Fill(count, 400, [&] {
            const double x = spread(random);
            return CFPoint(x, spread(random));
        });
    }
};
