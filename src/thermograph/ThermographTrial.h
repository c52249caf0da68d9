#pragma once

#include "geometry/EllipseCells.h"
#include "preferences/PreferredRgn.h"
#include "thermograph/ThermographRuns.h"

#include <optional>
#include <vector>

class CMember;

/// Every member's preferred-to cells about one trial status quo, found only when asked for.
/// Plain trade-off members with exact ellipses answer row by row from their ellipse's rows,
/// without any runs; every other member (and an ellipse that might hold no cell, whose region is
/// the ideal point's marker) rebuilds its runs about the trial point.
class CTrialMembers {
public:
    /// `rowsDirect`: whether plain trade-off members may answer from their ellipses at all.
    CTrialMembers(const std::vector<CMember*>& members, const CGridMap& map, bool rowsDirect);

    /// Starts a new trial status quo; no member is built for it yet.
    void MoveTo(const CFPoint& statusQuo);
    std::size_t Size() const { return m_slots.size(); }
    const CFPoint& StatusQuo() const { return m_statusQuo; }
    /// The window the members' regions are cut to.
    const SIntRect& Window() const { return m_window; }

    /// Whether member i answers from its ellipse's rows at this trial (building it if needed).
    bool FromRows(std::size_t i) {
        Prepare(i);
        return m_slots[i].fromRows;
    }
    /// The ellipse rows of member i, when FromRows(i).
    const CEllipseRows& Rows(std::size_t i) const { return *m_slots[i].rows; }
    /// The rebuilt runs of member i, when not FromRows(i).
    const CMemberRuns& Runs(std::size_t i) const { return m_slots[i].runs; }
    /// Whether member i has a region about the trial status quo.
    bool Valid(std::size_t i);
    /// A point asked about: its cell and the issue-space y of the cell's row.
    struct SProbe {
        CFPoint point;
        QPoint cell;
        double rowY = 0.0;
    };
    SProbe Probe(const CFPoint& point) const;
    /// Whether member i prefers the probed point to the trial status quo (its cell in the
    /// region).
    bool Prefers(std::size_t i, const SProbe& probe);

private:
    struct SSlot {
        explicit SSlot(const CMember& member) : runs(member) {}
        CMemberRuns runs;
        bool ellipseType = false;
        CFPoint ideal;
        /// The cell of the ideal point, the centre of every ellipse of the member.
        QPoint idealCell;
        double salience = 1.0;
        STradeOffTurn turn;
        /// The shape every ellipse of the member shares.
        SEllipseShape shape;
        long long trial = -1;
        bool fromRows = false;
        std::optional<CEllipseRows> rows;
    };

    void Prepare(std::size_t i) {
        if (m_slots[i].trial != m_trial)
            Build(m_slots[i]);
    }
    void Build(SSlot& slot);

    const CGridMap& m_map;
    SIntRect m_window;
    CEllipseGrid m_grid;
    CFPoint m_statusQuo;
    long long m_trial = 0;
    std::vector<SSlot> m_slots;
};
