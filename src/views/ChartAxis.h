#pragma once

#include <optional>
#include <string>
#include <vector>

/// One axis of the chart: the scale range, the zoom factor, the visible window they give and the
/// tick steps (minor every 5 % and major every 10 % of the scale range).
class CChartAxis {
public:
    CChartAxis() = default;
    /// An axis of a scale range at a zoom; the visible window is centred on `centre`, or on the
    /// range's middle when none is given.
    CChartAxis(double minimum, double maximum, double zoom,
               std::optional<double> centre = std::nullopt);

    double Minimum() const { return m_minimum; }
    double Maximum() const { return m_maximum; }
    double Zoom() const { return m_zoom; }
    /// The centre of the visible window.
    double Centre() const { return m_centre; }
    double MinorStep() const;
    double MajorStep() const;
    /// The lowest value the plot shows: the centre less half the range over the zoom.
    double VisibleMinimum() const;
    /// The highest value the plot shows.
    double VisibleMaximum() const;
    /// The values of the ticks of a step that fall in the visible window, counted from the
    /// scale minimum.
    std::vector<double> TickValues(double step) const;
    /// The printf format of the axis numbers ("%2.1f" for a range of 100).
    std::string NumberFormat() const;
    /// The text of one axis number.
    std::string NumberText(double value) const;

private:
    double m_minimum = 0.0;
    double m_maximum = 100.0;
    double m_zoom = 1.0;
    double m_centre = 50.0;
};

/// The axis number format for a scale range: the width from the range's magnitude, the
/// precision from its fraction (1, 2 or 3 for whole ranges above 10, above 1 and below).
std::string AxisNumberFormat(double range);
