#include "preferences/ExactSums.h"

#include <cmath>

bool VotesAddUpExactly(const std::vector<double>& votes) {
    const double unit = std::ldexp(1.0, 20);
    double total = 0.0;
    for (double vote : votes) {
        const double scaled = vote * unit;
        if (!std::isfinite(scaled) || scaled != std::nearbyint(scaled))
            return false;
        total += std::fabs(scaled);
    }
    return total < std::ldexp(1.0, 48);
}
