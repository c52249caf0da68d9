#include "document/Agenda.h"

#include "document/QueltaDoc.h"
#include "geometry/MappedRegion.h"
#include "model/Member.h"
#include "montecarlo/RandomDeviates.h"
#include "platform/Platform.h"

#include <cmath>

namespace {

constexpr int kAgendaSeed = 123456789;

bool WinSetIsEmpty(CVotingGame& game) {
    return game.GetWinSet().GetRgn().IsEmpty();
}

} // namespace

std::vector<CFPoint> RunAgenda(CQueltaDoc& doc, const SAgendaSettings& settings) {
    const CCommittee* committee = doc.Header().currentCommittee;
    if (!committee || committee->Members().empty() || settings.iterations <= 0)
        return {};
    CWaitCursor wait;
    CVotingGame& game = doc.Game();
    std::vector<CFPoint> path{game.StatusQuo()};
    doc.Config().flagVeto = 1;
    game.SetVetoSwitch(1);
    // Restarting the shared generator (not only its state) makes every run repeat the first.
    ResetRandomDeviates();
    int seed = kAgendaSeed;
    const std::vector<CMember*>& members = committee->Members();
    const double count = static_cast<double>(members.size());
    for (int i = 0; i < settings.iterations; ++i) {
        // A stopped run keeps the path so far, as if it had been asked for that many steps.
        if (Platform().CancelRequested())
            break;
        UniformDeviate(seed);
        const auto index = static_cast<size_t>(std::trunc(UniformDeviate(seed) * count));
        if (WinSetIsEmpty(game)) {
            path.push_back(game.StatusQuo());
            continue;
        }
        const CFPoint next = game.GetWinSetNearPt(members[index]->IdealPoint());
        path.push_back(next);
        game.SetStatusQuo(next);
    }
    doc.AgendaPath() = path;
    doc.RefreshAndModify();
    return path;
}

std::string AgendaSettingsProblem(const SAgendaSettings& settings) {
    if (settings.iterations < 1 || settings.iterations > kMaxAgendaIterations)
        return "\"Number of Iterations\" must be an integer from 1 to " +
               std::to_string(kMaxAgendaIterations) + ".";
    return {};
}
