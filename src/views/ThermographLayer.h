#pragma once

#include "views/ChartLayer.h"

#include <QImage>

#include <cstdint>

struct DisplayConfig;
struct SThermographGrid;

/// The thermograph layer: colours the plot by the document's thermograph map (the vote count,
/// distances to the members or the quota lines, or a value map of the win set) on the
/// thermograph colour scale. The picture is kept until the map or the colour scale changes.
class CThermographLayer : public CChartLayer {
public:
    void Refresh(const CQueltaDoc& doc) override;
    void Draw(SChartPaint& paint) override;

    /// The image of the plot for the document's current mode (white where nothing is painted),
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
