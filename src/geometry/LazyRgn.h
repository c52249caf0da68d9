#pragma once

#include "geometry/Rgn.h"

#include <atomic>
#include <functional>
#include <mutex>

/// A region that is built only when it is first asked for: an owner that changes what the
/// region depends on drops it, and the next reader builds it again. Readers on several threads
/// at once see one build. Dropping and reading at the same time is the owner's to prevent, as
/// for any other change of the owner.
class CLazyRgn {
public:
    /// Holds no region (and builds none) until the first Drop.
    CLazyRgn() = default;
    CLazyRgn(const CLazyRgn& other);
    CLazyRgn& operator=(const CLazyRgn& other);

    /// Forgets the region; the next Get builds it.
    void Drop();
    /// The region, built by `build` first when it was dropped.
    const CRgn& Get(const std::function<CRgn()>& build) const;
    /// Whether the region is held (built, or never dropped), so that Get builds nothing.
    bool Held() const { return m_held.load(std::memory_order_acquire); }

private:
    mutable CRgn m_rgn;
    mutable std::atomic<bool> m_held{true};
    mutable std::mutex m_building;
};
