#include "geometry/GeoAlloc.h"

#include <new>

namespace {

// 2^27 elements: far beyond any chart grid or boundary point count, far below what would
// drive the machine into swapping.
constexpr std::size_t kDefaultLimit = std::size_t{1} << 27;

std::size_t& Limit() {
    static std::size_t limit = kDefaultLimit;
    return limit;
}

} // namespace

void CheckGeoAllocation(std::size_t count) {
    if (count > Limit())
        throw std::bad_alloc();
}

std::size_t GeoAllocationLimit() {
    return Limit();
}

CScopedGeoAllocationLimit::CScopedGeoAllocationLimit(std::size_t limit) : m_previous(Limit()) {
    Limit() = limit;
}

CScopedGeoAllocationLimit::~CScopedGeoAllocationLimit() {
    Limit() = m_previous;
}
