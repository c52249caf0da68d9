#include "document/ChartFrame.h"
#include "geometry/MappedRegion.h"
#include "model/Member.h"
#include "model/VotingGame.h"
#include "platform/CRand.h"
#include "platform/HeadlessPlatform.h"
#include "preferences/VoteGrid.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

/// A platform that keeps nothing, so that long runs do not grow a record of status texts.
class CQuietPlatform : public CHeadlessPlatform {
public:
    void SetStatusText(int, const std::string&) override {}
};

/// A random body of trade-off members on the default 400 x 400 chart of a 0..100 plane.
struct SRandomBody {
    explicit SRandomBody(int count) {
        CRand::Seed(123456789);
        game.SetGridMap(ChartGridMap(SEdges{0, 100, 100, 0}, 400, 400, 1.0));
        for (int i = 0; i < count; ++i) {
            auto member = std::make_unique<CMember>(PREF_TRADEOFF, game.StatusQuo(), game.GridMap());
            member->SetIdealPoint(CFPoint(20 + 60.0 * CRand::Next() / 32767,
                                          20 + 60.0 * CRand::Next() / 32767));
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

/// Status quo positions the benchmarks alternate between, so every iteration moves it.
const CFPoint kStatusQuos[2] = {CFPoint(45, 52), CFPoint(55, 47)};

void BM_WinSetAfterStatusQuoMove(benchmark::State& state) {
    SRandomBody body(static_cast<int>(state.range(0)));
    int turn = 0;
    for (auto _ : state) {
        body.game.SetStatusQuo(kStatusQuos[turn ^= 1]);
        benchmark::DoNotOptimize(body.game.GetWinSet().GetArea());
    }
}

void BM_WinSetAfterStatusQuoMoveNaive(benchmark::State& state) {
    SRandomBody body(static_cast<int>(state.range(0)));
    int turn = 0;
    for (auto _ : state) {
        body.game.SetStatusQuo(kStatusQuos[turn ^= 1]);
        const CRegion grid = CVoteGrid::BuildNaive(body.game);
        const CMappedRegion winSet(grid, body.game.VoteQuota(), body.game.GridMap(),
                                   body.game.StatusQuo());
        benchmark::DoNotOptimize(winSet.GetArea());
    }
}

void BM_MemberRegionsAfterStatusQuoMove(benchmark::State& state) {
    SRandomBody body(static_cast<int>(state.range(0)));
    int turn = 0;
    for (auto _ : state)
        body.game.SetStatusQuo(kStatusQuos[turn ^= 1]);
}

} // namespace

BENCHMARK(BM_WinSetAfterStatusQuoMove)->Arg(5)->Arg(101)->Arg(435)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WinSetAfterStatusQuoMoveNaive)->Arg(101)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_MemberRegionsAfterStatusQuoMove)->Arg(101)->Arg(435)->Unit(benchmark::kMillisecond);
