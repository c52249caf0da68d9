#include "thermograph/ThermographTrial.h"

#include "geometry/CellRuns.h"
#include "model/Member.h"

CTrialMembers::CTrialMembers(const std::vector<CMember*>& members, const CGridMap& map,
                             bool rowsDirect)
    : m_map(map), m_window(RegionWindow(map)), m_grid(map, m_window) {
    m_slots.reserve(members.size());
    for (const CMember* member : members) {
        m_slots.emplace_back(*member);
        SSlot& slot = m_slots.back();
        if (!rowsDirect)
            slot.runs.UseMemberBuilder();
        // The members whose direct runs are the exact ellipse's cells.
        slot.ellipseType = rowsDirect && slot.runs.Direct() && member->PrefVertices() <= 0;
        slot.ideal = member->IdealPoint();
        slot.idealCell = map.WorldToCell(slot.ideal);
        slot.salience = member->Preference().salience;
        slot.turn = TradeOffTurn(member->Preference().complementarity);
        if (slot.ellipseType)
            slot.shape =
                EllipseShape(TradeOffUnitEllipse(slot.ideal, slot.salience, slot.turn), m_grid);
    }
}

void CTrialMembers::MoveTo(const CFPoint& statusQuo) {
    m_statusQuo = statusQuo;
    ++m_trial;
}

void CTrialMembers::Build(SSlot& slot) {
    slot.trial = m_trial;
    slot.fromRows = false;
    if (slot.ellipseType) {
        slot.rows.emplace(TradeOffEllipse(slot.ideal, m_statusQuo, slot.salience, slot.turn),
                          m_grid, slot.idealCell, slot.shape);
        slot.fromRows = slot.rows->SurelyHoldsCell();
        if (slot.fromRows)
            return;
    }
    slot.runs.Build(m_statusQuo, m_map);
}

bool CTrialMembers::Valid(std::size_t i) {
    return FromRows(i) || m_slots[i].runs.Valid();
}

CTrialMembers::SProbe CTrialMembers::Probe(const CFPoint& point) const {
    const QPoint cell = m_map.WorldToCell(point);
    return {point, cell, m_map.CellToWorld(0, cell.y()).y};
}

bool CTrialMembers::Prefers(std::size_t i, const SProbe& probe) {
    if (!FromRows(i))
        return m_slots[i].runs.Prefers(probe.point, m_map);
    const auto [lo, hi] = Rows(i).Columns(probe.cell.y(), probe.rowY);
    return lo <= probe.cell.x() && probe.cell.x() <= hi;
}
