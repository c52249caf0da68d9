#include "concepts/StatusQuoGuard.h"

#include "model/VotingGame.h"

CStatusQuoGuard::CStatusQuoGuard(CVotingGame& game) : m_game(game), m_statusQuo(game.StatusQuo()) {
    for (std::size_t i = 0; i < m_wasStale.size(); ++i)
        m_wasStale[i] = game.Stale().IsStale(static_cast<EConcept>(i));
}

CStatusQuoGuard::~CStatusQuoGuard() {
    const CFPoint& now = m_game.StatusQuo();
    if (now.x != m_statusQuo.x || now.y != m_statusQuo.y || now.z != m_statusQuo.z)
        m_game.SetStatusQuo(m_statusQuo);
    CStaleFlags moved;
    for (std::size_t i = 0; i < m_wasStale.size(); ++i)
        moved.MarkFresh(static_cast<EConcept>(i));
    moved.Invalidate(EGameChange::StatusQuo, m_game.VoteRule());
    for (std::size_t i = 0; i < m_wasStale.size(); ++i) {
        const auto which = static_cast<EConcept>(i);
        if (which == EConcept::VoteGrid || !moved.IsStale(which))
            continue;
        if (m_wasStale[i])
            m_game.Stale().MarkStale(which);
        else
            m_game.Stale().MarkFresh(which);
    }
}
