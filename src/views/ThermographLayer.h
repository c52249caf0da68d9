#pragma once

#include "views/ChartLayer.h"

#include <QColor>
#include <QImage>

#include <cstdint>
#include <vector>

struct DisplayConfig;
struct SThermographGrid;

/// The thermograph layer: colours the plot by the document's thermograph map (the vote count,
/// distances to the members or the quota lines, or a value map of the win set) on the
/// thermograph colour scale. The picture is kept until the map or the colour scale changes.
class CThermographLayer : public CChartLayer {
public:
    void Refresh(const CQueltaDoc& doc) override;
    void Draw(SChartPaint& paint) override;
    /// The "THERMOGRAPH" block: the mode's name and its colour bar from the map's smallest to
    /// its largest value, while a fresh map is shown.
    void AddLegend(CQueltaDoc& doc, std::vector<CLegendBlock>& blocks) override;

    /// The image of the plot for the document's current mode (clear where nothing is painted),
    /// bringing the document's thermograph up to date first.
    QImage Picture(CQueltaDoc& doc, const CChartLayout& layout);

private:
    struct SKey {
        std::uint64_t serial = 0;
        int typeThermo = 0;
        std::uint32_t colorThermo = 0;
        QRect plot;
        bool operator==(const SKey& other) const {
            return serial == other.serial && typeThermo == other.typeThermo &&
                   colorThermo == other.colorThermo && plot == other.plot;
        }
    };

    SKey m_key;
    QImage m_picture;
};

/// Paints a thermograph map into an image of the plot whose top left pixel is `origin` on the
/// chart: vote modes above their bound, distance sums from the least over their span, the
/// win-set value maps by |round(value)| above the smallest value, and the custom distribution
/// by its levels. Pixels the map leaves out keep their colour.
void PaintThermographGrid(QImage& image, QPoint origin, const SThermographGrid& grid,
                          const DisplayConfig& config);

/// The thermograph's colour scale from its low end to its high end, in even steps.
std::vector<QColor> ThermoRamp(const DisplayConfig& config);
