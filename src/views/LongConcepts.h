#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class CQueltaDoc;
struct DisplayConfig;

/// One long computation a shown concept needs before the chart can paint it.
struct SLongConcept {
    std::string name;
    std::function<void()> compute;
    /// Whether the result is still missing (after a cancelled computation).
    std::function<bool()> missing;
    /// Sets the display back so that painting does not start the computation again.
    std::function<void()> withdraw;
};

/// Whether a display flag shows one of the long concepts (uncovered set, heart, Banks set,
/// Tri-Median set) and its cached result is stale, or belongs to a large body, so that only
/// the worker should compute it.
bool LongConceptPending(const CQueltaDoc& doc, int DisplayConfig::*flag);

/// After a cancelled run: withdraws the display of every item of the list whose result is
/// still missing, so the chart does not start the computation again while it paints.
void HideCancelledConcepts(const std::vector<SLongConcept>& work);

/// The long computations the chart's switched-on displays need now: the uncovered set, the
/// heart, the Banks set and the Tri-Median set, each only when its cached result is stale, and
/// the thermograph's value map of the win-set area, win-set radius, benefit-of-the-doubt or
/// custom mode when it is not fresh. The desktop runs them on a worker thread; running them in
/// order gives the same results as letting the chart compute them while it paints.
std::vector<SLongConcept> PendingLongConcepts(CQueltaDoc& doc);

/// Bodies of this many members take seconds to a minute for the win set, the yolk and the
/// quota lines, so the desktop computes every concept of theirs on the worker thread.
constexpr std::size_t kLargeBody = 5000;

/// Whether the scenario's body is a large one.
bool IsLargeBody(const CQueltaDoc& doc);

/// The chart of a large body made ready to paint on the worker thread: the worker draws the
/// chart once off screen, which computes exactly what painting it computes, so the window's
/// own drawing finds every concept fresh. It remembers what it made the chart ready for (the
/// shown displays and the game's out-of-date concepts), so that only a change asks again.
class CLargeBodyChart {
public:
    /// The computation the chart needs before it is painted; nothing for a small body or a
    /// chart that is ready.
    std::optional<SLongConcept> Pending(CQueltaDoc& doc);

private:
    std::string m_readyFor;
};
