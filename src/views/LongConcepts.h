#pragma once

#include <functional>
#include <string>
#include <vector>

class CQueltaDoc;

/// One long computation a shown concept needs before the chart can paint it.
struct SLongConcept {
    std::string name;
    std::function<void()> compute;
};

/// The long computations the chart's switched-on concepts need now: the uncovered set, the
/// heart, the Banks set and the Tri-Median set, each only when its cached result is stale. The
/// desktop runs them on a worker thread; running them in order gives the same results as
/// letting the chart compute them while it paints.
std::vector<SLongConcept> PendingLongConcepts(CQueltaDoc& doc);
