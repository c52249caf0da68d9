#include "preferences/MemberRows.h"

#include "geometry/CellRuns.h"
#include "model/Member.h"
#include "preferences/PreferredRgn.h"

bool HasShapeRows(const CMember& member) {
    if (member.Rational() != 0)
        return false;
    switch (member.PrefType()) {
    case PREF_TRADEOFF:
    case PREF_EUM:
        return member.PrefVertices() <= 0;
    case PREF_INDEPENDENT:
        return true;
    default:
        return false;
    }
}

CMemberRows::CMemberRows(const CMember& member) {
    if (!HasShapeRows(member))
        return;
    const CGridMap& map = member.GridMap();
    if (member.PrefType() == PREF_INDEPENDENT) {
        m_kind = EKind::Rectangle;
        m_rectangle = IndependentCells(member.IdealPoint(), member.StatusQuo(), map);
        return;
    }
    // The ellipse the region's builder takes, over the same window (the expected-utility
    // member's salience is derived already).
    const PreferenceSpec& spec = member.Preference();
    m_kind = EKind::Ellipse;
    m_middleRow = map.WorldToRow(member.IdealPoint().y);
    m_ellipse.emplace(TradeOffEllipse(member.IdealPoint(), member.StatusQuo(), spec.salience,
                                      spec.complementarity),
                      map, RegionWindow(map));
}

int CMemberRows::Top() const {
    switch (m_kind) {
    case EKind::Ellipse:
        return m_ellipse->Top();
    case EKind::Rectangle:
        return m_rectangle.top;
    default:
        return 0;
    }
}

int CMemberRows::Bottom() const {
    switch (m_kind) {
    case EKind::Ellipse:
        return m_ellipse->Bottom();
    case EKind::Rectangle:
        return m_rectangle.bottom - 1;
    default:
        return -1;
    }
}

std::pair<int, int> CMemberRows::Columns(int y) const {
    if (y < Top() || y > Bottom())
        return {1, 0};
    if (m_kind == EKind::Ellipse)
        return m_ellipse->Columns(y);
    return {m_rectangle.left, m_rectangle.right - 1};
}

std::optional<bool> CMemberRows::Holds(int x, int y) const {
    if (m_kind == EKind::None)
        return std::nullopt;
    const auto [lo, hi] = Columns(y);
    if (lo <= x && x <= hi)
        return true;
    if (m_kind == EKind::Rectangle) {
        if (m_rectangle.left < m_rectangle.right && m_rectangle.top < m_rectangle.bottom)
            return false;
        return std::nullopt;
    }
    const auto [middleLo, middleHi] = Columns(m_middleRow);
    if (m_ellipse->SurelyHoldsCell() || middleLo <= middleHi)
        return false;
    return std::nullopt;
}
