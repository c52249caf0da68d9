#pragma once

#include <string>

/// One issue dimension: a rating scale with its identifier, name and range (min below max).
class CRatingScale {
public:
    /// Builds the scale; a null range becomes min to min + 100 with a message, reversed limits
    /// are swapped.
    CRatingScale(std::string ratingId, std::string name, double min, double max);

    const std::string& RatingID() const { return m_ratingId; }
    const std::string& Rating() const { return m_name; }
    void SetRating(const std::string& name) { m_name = name; }
    double Scale_Min() const { return m_min; }
    double Scale_Max() const { return m_max; }
    double Width() const { return m_max - m_min; }
    void SetMin(double min) { m_min = min; }
    void SetMax(double max) { m_max = max; }

private:
    std::string m_ratingId;
    std::string m_name;
    double m_min = 0.0;
    double m_max = 100.0;
};

/// One member's rating on one scale.
struct CRating {
    const CRatingScale* scale = nullptr;
    double Value = 0.0;
    double StdDev = 0.0;
    int Count = 0;

    /// Stores the three values; a standard deviation not above 0 becomes the binomial spread of
    /// a percentage rating, sqrt(v (100 - v) / n), when n and v are above 0, else 0.
    void Set(double value, double stdDev, int count);
};
