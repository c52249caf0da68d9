#pragma once

#include "views/ChartLayer.h"

#include <QImage>

#include <vector>

/// A per-pixel value map that a thermograph mode computed elsewhere hands to the chart: one
/// value per plot pixel, rows from the top, and the least and greatest value of its scale.
struct SThermoValues {
    int columns = 0;
    int rows = 0;
    std::vector<double> values;
    double least = 0.0;
    double greatest = 0.0;
};

/// Thermograph modes: `typeThermo` with the bits of value 2 and 4 cleared.
enum EThermoMode {
    THERMO_TOTAL = 8,
    THERMO_DECISION = 16,
    THERMO_MARGINAL = 32,
    THERMO_MEMBER_DISTANCE = 64,
    THERMO_QUOTA_DISTANCE = 128,
};

/// The thermograph layer: colours every plot pixel by a computed quantity (the vote count,
/// distances to the members or the quota lines, or a value map of another mode) on the
/// thermograph colour scale. The picture is kept until the scenario or the map changes.
class CThermographLayer : public CChartLayer {
public:
    void Refresh(const CQueltaDoc& doc) override;
    void Draw(SChartPaint& paint) override;
    /// Hands in the value map of a mode the chart does not compute itself (512 and above).
    void SetValueMap(int mode, SThermoValues values);

    /// The image of the plot for the document's current mode (white where nothing is painted).
    QImage Picture(CQueltaDoc& doc, const CChartLayout& layout);

private:
    std::vector<double> Key(CQueltaDoc& doc, const QRect& plot) const;

    int m_valueMode = 0;
    SThermoValues m_valueMap;
    std::vector<double> m_key;
    QImage m_picture;
};

/// The mode part of `typeThermo`.
inline int ThermoMode(int typeThermo) {
    return typeThermo & ~6;
}
