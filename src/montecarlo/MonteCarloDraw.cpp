#include "montecarlo/MonteCarloDraw.h"

#include "montecarlo/RandomDeviates.h"
#include "platform/Platform.h"

double DrawCoordinate(int distribution, double low, double high, double mean, double spread,
                      int& seed) {
    if (distribution == MC_UNIFORM)
        return low + UniformDeviate(seed) * (high - low);
    if (distribution == MC_NORMAL)
        return NormalDeviate(seed) * spread + mean;
    return (low + high) / 2.0;
}

SMonteCarloDraw RunMonteCarloDraw(SMonteCarloSettings& s, const SEdges& box,
                                  std::int64_t maxCandidates, SMonteCarloProgress* progress) {
    SMonteCarloDraw draw;
    draw.points.assign(static_cast<size_t>(s.members > 0 ? s.members : 0), CFPoint(0.0, 0.0));
    CPlatform& platform = Platform();
    while (!draw.Complete()) {
        if (maxCandidates > 0 && draw.candidates >= maxCandidates) {
            draw.exhausted = true;
            break;
        }
        ++draw.candidates;
        const double h =
            DrawCoordinate(s.distributionH, box.left, box.right, s.meanH, s.stdDevH, s.seed);
        const double v =
            DrawCoordinate(s.distributionV, box.bottom, box.top, s.meanV, s.stdDevV, s.seed);
        if (box.left < h && h < box.right && box.bottom < v && v < box.top) {
            draw.points[static_cast<size_t>(draw.accepted++)] = CFPoint(h, v);
            if (progress)
                progress->accepted.store(draw.accepted, std::memory_order_relaxed);
        }
        // The platform is polled first and every time, so that its count of polls stays the
        // candidate count whether or not someone watches the draw.
        const bool cancel = platform.CancelRequested();
        if (cancel || (progress && progress->stop.load(std::memory_order_relaxed))) {
            draw.cancelled = !draw.Complete();
            break;
        }
    }
    return draw;
}
