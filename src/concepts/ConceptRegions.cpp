#include "concepts/ConceptRegions.h"

#include "geometry/RgnHelpers.h"

CFRect RegionBounds(const CRgn& rgn, const CGridMap& map) {
    SIntRect box;
    if (IsEmptyRgn(rgn) || rgn.GetRgnBox(&box) == RGN_ERROR)
        return CFRect();
    return CFRect(map.CellRectToWorld(box));
}
