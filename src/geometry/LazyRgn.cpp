#include "geometry/LazyRgn.h"

CLazyRgn::CLazyRgn(const CLazyRgn& other) {
    *this = other;
}

CLazyRgn& CLazyRgn::operator=(const CLazyRgn& other) {
    if (this == &other)
        return *this;
    // The other's region is taken as it stands: a dropped region stays dropped here too.
    const std::lock_guard<std::mutex> lock(other.m_building);
    m_rgn = other.m_rgn;
    m_held.store(other.m_held.load(std::memory_order_acquire), std::memory_order_release);
    return *this;
}

void CLazyRgn::Drop() {
    m_rgn.DeleteObject();
    m_held.store(false, std::memory_order_release);
}

const CRgn& CLazyRgn::Get(const std::function<CRgn()>& build) const {
    if (m_held.load(std::memory_order_acquire))
        return m_rgn;
    const std::lock_guard<std::mutex> lock(m_building);
    if (!m_held.load(std::memory_order_relaxed)) {
        m_rgn = build();
        m_held.store(true, std::memory_order_release);
    }
    return m_rgn;
}
