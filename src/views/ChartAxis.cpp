#include "views/ChartAxis.h"

#include "platform/TextUtil.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace {

constexpr double kLog10Of2 = -0.3010299956537741;

/// The biased exponent bits of a double less 1023.
int BinaryExponent(double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    return static_cast<int>((bits >> 52) & 0x7ff) - 1023;
}

int DigitsOf(double value) {
    return 1 - static_cast<int>(kLog10Of2 * BinaryExponent(value));
}

} // namespace

std::string AxisNumberFormat(double range) {
    if (!std::isfinite(range))
        return "%1.1f";
    const int width = range == 0.0 ? 1 : DigitsOf(range);
    const double fraction = std::fabs(range - std::floor(range));
    int precision = 3;
    if (fraction >= 1e-7)
        precision = DigitsOf(1.0 / fraction);
    else if (range > 10.0)
        precision = 1;
    else if (range > 1.0)
        precision = 2;
    char format[32];
    std::snprintf(format, sizeof format, "%%%d.%df", width, precision);
    return format;
}

CChartAxis::CChartAxis(double minimum, double maximum, double zoom, std::optional<double> centre)
    : m_minimum(minimum), m_maximum(maximum), m_zoom(zoom > 0.0 ? zoom : 1.0),
      m_centre(centre.value_or((minimum + maximum) / 2.0)) {}

double CChartAxis::MinorStep() const {
    return std::fabs(0.05 * (m_maximum - m_minimum));
}

double CChartAxis::MajorStep() const {
    return std::fabs(0.1 * (m_maximum - m_minimum));
}

double CChartAxis::VisibleMinimum() const {
    return Centre() - std::fabs(m_maximum - m_minimum) / (2.0 * m_zoom);
}

double CChartAxis::VisibleMaximum() const {
    return Centre() + std::fabs(m_maximum - m_minimum) / (2.0 * m_zoom);
}

std::vector<double> CChartAxis::TickValues(double step) const {
    std::vector<double> values;
    if (!(step > 0.0) || !std::isfinite(step))
        return values;
    const double low = VisibleMinimum();
    const double high = VisibleMaximum();
    const double slack = step * 1e-6;
    const double first = std::ceil((low - slack - m_minimum) / step);
    // A zoom far out would give an unreadable comb of ticks; 400 is more than any plot shows.
    for (double k = first; values.size() < 400; k += 1.0) {
        const double value = m_minimum + k * step;
        if (value > high + slack)
            break;
        values.push_back(std::fabs(value) < slack ? 0.0 : value);
    }
    return values;
}

std::string CChartAxis::NumberFormat() const {
    return AxisNumberFormat(m_maximum - m_minimum);
}

std::string CChartAxis::NumberText(double value) const {
    return Format(NumberFormat().c_str(), value);
}
