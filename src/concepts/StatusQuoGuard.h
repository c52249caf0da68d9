#pragma once

#include "geometry/FPoint.h"
#include "model/StaleFlags.h"

#include <array>

class CVotingGame;

/// Keeps a scenario unchanged across a computation that evaluates the win sets of other points
/// (each of which moves the status quo): on leaving, the status quo is set back and the
/// concepts that depend on it get back their out-of-date flags, their cached results being
/// untouched. The vote grid stays stale, since it then holds another point's counts.
class CStatusQuoGuard {
public:
    explicit CStatusQuoGuard(CVotingGame& game);
    ~CStatusQuoGuard();
    CStatusQuoGuard(const CStatusQuoGuard&) = delete;
    CStatusQuoGuard& operator=(const CStatusQuoGuard&) = delete;

private:
    CVotingGame& m_game;
    CFPoint m_statusQuo;
    std::array<bool, static_cast<std::size_t>(EConcept::Count)> m_wasStale{};
};
