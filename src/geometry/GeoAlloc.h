#pragma once

#include <cstddef>

/// Raises std::bad_alloc when a geometry buffer of `count` elements exceeds the allocation
/// limit. Shapes and grids call it before they allocate, so an absurd point count fails as an
/// ordinary memory failure instead of exhausting the machine.
void CheckGeoAllocation(std::size_t count);

/// The largest number of elements one geometry buffer may hold.
std::size_t GeoAllocationLimit();

/// Lowers (or raises) the allocation limit while alive; tests use it to reach failure paths.
class CScopedGeoAllocationLimit {
public:
    explicit CScopedGeoAllocationLimit(std::size_t limit);
    ~CScopedGeoAllocationLimit();
    CScopedGeoAllocationLimit(const CScopedGeoAllocationLimit&) = delete;
    CScopedGeoAllocationLimit& operator=(const CScopedGeoAllocationLimit&) = delete;

private:
    std::size_t m_previous;
};
