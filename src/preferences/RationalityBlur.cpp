#include "preferences/PreferredRgn.h"

#include "geometry/CellRuns.h"
#include "geometry/FCircle.h"
#include "geometry/FRect.h"
#include "geometry/FTriangle.h"
#include "geometry/RgnHelpers.h"

#include <cmath>
#include <new>

namespace {

/// How samples combine: across ideal points (inner) and across status quos (outer).
struct SBlurModes {
    int inner;
    int outer;
};

bool BlurModes(int modelType, SBlurModes& modes) {
    switch (modelType) {
    case 1:
    case 3:
        modes = {RGN_OR, RGN_AND};
        return true;
    case 2:
    case 4:
        modes = {RGN_AND, RGN_AND};
        return true;
    case 5:
        modes = {RGN_OR, RGN_OR};
        return true;
    default:
        return false;
    }
}

/// The sample points of a perception: the boundary of the block's sampling shape about the
/// centre, or the centre alone for fewer than two samples.
std::vector<CFPoint> Samples(const CFPoint& centre, const SSamplingSpec& block) {
    const int n = block.samples;
    if (n < 2)
        return {centre};
    const double f = block.resolution;
    switch (block.type) {
    case 3:
    case 8: {
        const double b = block.salience;
        const double c = std::fabs(b) + 1.0;
        const double angle = std::atan(block.complementarity);
        if (b > 1.0)
            return CFEllipse(centre, 2.0 * f * b / c, 2.0 * f / c, angle).GetPoints(n);
        return CFEllipse(centre, 2.0 * f / c, 2.0 * f * b / c, angle).GetPoints(n);
    }
    case 4:
        return CFRhombus(centre, f, 1.0, 0.0).GetPoints(n);
    case 5:
        return CFRect(centre.x - f, centre.x + f, centre.y + f, centre.y - f).GetPoints(n);
    default:
        return CFCircle(centre, f).GetPoints(n);
    }
}

/// The region of one ideal-point / status-quo sample pair under the member's type; the blur
/// treats the unified type like the directional one.
CRgn SampleRgn(int prefType, const CFPoint& ideal, const CFPoint& statusQuo,
               const PreferenceSpec& spec, const CGridMap& map, int prefVertices) {
    switch (prefType) {
    case PREF_TRADEOFF:
    case PREF_EUM:
        return TradeOffRgn(ideal, statusQuo, spec.salience, spec.complementarity, map,
                           prefVertices);
    case PREF_CITYBLOCK:
        return CityBlockRgn(ideal, statusQuo, map);
    case PREF_INDEPENDENT:
        return IndependentRgn(ideal, statusQuo, map);
    default:
        return DirectionalRgn(ideal, statusQuo, map);
    }
}

/// The inner result of types 6 and 7: the polygon of the ideal samples, or the marker at I.
CRgn FixedInnerRgn(const SPreferredRgnInput& input, const std::vector<CFPoint>& ideals) {
    CRgn inner;
    if (input.spec->prefType == PREF_ABSTAIN) {
        CreatePointMarker(inner, input.map.WorldToCell(input.ideal));
        return inner;
    }
    try {
        inner.CreatePolygonRgn(MapToCells(ideals, input.map), WINDING, RegionWindow(input.map));
    } catch (const std::bad_alloc&) {
        ReportMemberFailure("memory exception allocating absolute region for player:", input.label);
        inner.DeleteObject();
    }
    return inner;
}

/// Combines the regions of every ideal sample for one status-quo sample by the inner mode.
CRgn InnerRgn(const SPreferredRgnInput& input, const std::vector<CFPoint>& ideals,
              const CFPoint& statusQuo, int innerMode) {
    const int type = input.spec->prefType;
    CRgn inner;
    for (const CFPoint& ideal : ideals) {
        if (type < PREF_UNIFIED || type > PREF_EUM) {
            ReportMemberFailure("Failure to create fuzxy region for player:", input.label);
            continue;
        }
        const CRgn sample =
            SampleRgn(type, ideal, statusQuo, *input.spec, input.map, input.prefVertices);
        if (!inner.IsValid())
            inner.CopyRgn(sample);
        else
            inner.CombineRgn(inner, sample, innerMode);
    }
    return inner;
}

} // namespace

void ApplyRationalityBlur(CRgn& rgn, const SPreferredRgnInput& input) {
    SBlurModes modes{};
    if (!BlurModes(input.spec->modelType, modes))
        return;
    const std::vector<CFPoint> ideals = Samples(input.ideal, input.spec->idealPoint);
    const std::vector<CFPoint> statusQuos = Samples(input.statusQuo, input.spec->statusQuo);
    const int outer = statusQuos.size() == 1 ? modes.inner : modes.outer;
    const int type = input.spec->prefType;
    if (type == PREF_ABSOLUTE || type == PREF_ABSTAIN) {
        const CRgn inner = FixedInnerRgn(input, ideals);
        if (inner.IsValid())
            rgn.CombineRgn(rgn, inner, outer);
        return;
    }
    for (const CFPoint& statusQuo : statusQuos) {
        const CRgn inner = InnerRgn(input, ideals, statusQuo, modes.inner);
        if (inner.IsValid())
            rgn.CombineRgn(rgn, inner, outer);
    }
}
