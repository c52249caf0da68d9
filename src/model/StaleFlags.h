#pragma once

#include <bitset>
#include <cstdint>

/// The concepts the voting game caches, each with its own out-of-date flag.
enum class EConcept {
    VoteGrid,
    WinSet,
    QuotaLines,
    Spokes,
    Petals,
    Yolk,
    ExactYolk,
    ParetoSet,
    Core,
    Heart,
    UncoveredSet,
    BanksSet,
    PowerIndex,
    CopelandPoint,
    TriMedianSet,
    Count
};

/// What changed in the game, for invalidation.
enum class EGameChange {
    /// Members, weights, preference models, the decision rule or the grid map.
    Everything,
    /// The status quo moved.
    StatusQuo,
    /// A veto flag changed.
    Veto,
};

/// The out-of-date flags of the game's cached concepts. The rules of which change makes which
/// which stale live here and nowhere else.
class CStaleFlags {
public:
    CStaleFlags() { m_stale.set(); }

    bool IsStale(EConcept which) const { return m_stale.test(Index(which)); }
    /// Marks one concept for recomputation.
    void MarkStale(EConcept which) { m_stale.set(Index(which)); }
    /// Marks one concept as freshly computed.
    void MarkFresh(EConcept which) { m_stale.reset(Index(which)); }
    /// Marks the concepts that a change makes stale. The quota lines depend on the status quo
    /// only under a rule other than simple majority (their qualified flags move with it).
    void Invalidate(EGameChange change, double voteRule) {
        if (change != EGameChange::StatusQuo)
            ++m_revision;
        switch (change) {
        case EGameChange::Everything:
            m_stale.set();
            break;
        case EGameChange::StatusQuo:
            for (EConcept which : {EConcept::VoteGrid, EConcept::WinSet, EConcept::Yolk,
                                   EConcept::Spokes, EConcept::Petals})
                m_stale.set(Index(which));
            if (voteRule != 0.5) {
                m_stale.set(Index(EConcept::QuotaLines));
                m_stale.set(Index(EConcept::ExactYolk));
            }
            break;
        case EGameChange::Veto:
            m_stale.set(Index(EConcept::WinSet));
            m_stale.set(Index(EConcept::BanksSet));
            break;
        }
    }
    /// Whether every which is stale.
    bool AllStale() const { return m_stale.all(); }
    /// Counts the changes other than status-quo moves, so that a result kept outside the game
    /// (the thermograph's maps) can tell whether the scenario changed since it was computed.
    std::uint64_t Revision() const { return m_revision; }

private:
    static size_t Index(EConcept which) { return static_cast<size_t>(which); }
    std::bitset<static_cast<size_t>(EConcept::Count)> m_stale;
    std::uint64_t m_revision = 0;
};
