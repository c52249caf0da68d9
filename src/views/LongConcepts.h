#pragma once

#include "document/DisplayConfig.h"
#include "model/StaleFlags.h"

#include <functional>
#include <string>
#include <vector>

class CQueltaDoc;

/// One long computation a shown concept needs before the chart can paint it.
struct SLongConcept {
    std::string name;
    /// The concept's cache, still out of date after a cancelled computation.
    EConcept cache;
    /// The display switch that shows it.
    int DisplayConfig::*flag;
    std::function<void()> compute;
};

/// After a cancelled run: switches off the display of every concept of the list that is still
/// out of date, so the chart does not start the computation again while it paints.
void HideCancelledConcepts(CQueltaDoc& doc, const std::vector<SLongConcept>& work);

/// The long computations the chart's switched-on concepts need now: the uncovered set, the
/// heart, the Banks set and the Tri-Median set, each only when its cached result is stale. The
/// desktop runs them on a worker thread; running them in order gives the same results as
/// letting the chart compute them while it paints.
std::vector<SLongConcept> PendingLongConcepts(CQueltaDoc& doc);
