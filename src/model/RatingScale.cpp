#include "model/RatingScale.h"

#include "platform/Platform.h"

#include <cmath>
#include <cstdio>
#include <utility>

CRatingScale::CRatingScale(std::string ratingId, std::string name, double min, double max)
    : m_ratingId(std::move(ratingId)), m_name(std::move(name)) {
    if (min == max) {
        m_min = min;
        m_max = min + 100.0;
        char text[512];
        std::snprintf(text, sizeof text,
                      "Rating scale %s has null range.\nLimits have been adjusted to %f, %f.",
                      m_name.c_str(), m_min, m_max);
        MessageBoxOk(text);
    } else {
        m_min = std::min(min, max);
        m_max = std::max(min, max);
    }
}

void CRating::Set(double value, double stdDev, int count) {
    Value = value;
    StdDev = stdDev;
    Count = count;
    if (!(StdDev > 0.0)) {
        const double variance = count > 0 && value > 0.0 ? value * (100.0 - value) / count : 0.0;
        StdDev = variance > 0.0 ? std::sqrt(variance) : 0.0;
    }
}
