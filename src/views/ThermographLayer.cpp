#include "views/ThermographLayer.h"

#include "document/ChartThermograph.h"
#include "document/QueltaDoc.h"
#include "model/FormatNumber.h"
#include "views/ChartLayout.h"
#include "views/ChartLegend.h"
#include "views/ThermoColors.h"
#include "views/ThermoModeNames.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <optional>
#include <unordered_map>

namespace {

/// The colour scale over a range: exact per value for values that repeat (counts, rounded
/// values, levels), sampled finely enough that neighbouring entries look alike for continuous
/// values.
class CColorTable {
public:
    CColorTable(const DisplayConfig& config, double range, bool exact)
        : m_config(config), m_range(range == 0.0 ? 1.0 : range), m_exact(exact) {
        if (exact)
            return;
        m_colors.reserve(kSteps + 1);
        for (int i = 0; i <= kSteps; ++i)
            m_colors.push_back(ThermoColor(config, i, kSteps).rgb());
    }
    QRgb Of(double value) {
        if (m_exact) {
            const auto [it, added] = m_known.try_emplace(value, 0);
            if (added)
                it->second = ThermoColor(m_config, value, m_range).rgb();
            return it->second;
        }
        const double x = std::clamp(value / m_range, 0.0, 1.0);
        return m_colors[static_cast<std::size_t>(std::lround(x * kSteps))];
    }

private:
    static constexpr int kSteps = 1024;
    const DisplayConfig& m_config;
    double m_range;
    bool m_exact;
    std::vector<QRgb> m_colors;
    std::unordered_map<double, QRgb> m_known;
};

/// Calls `visit(pixel, column, row)` for every image pixel that the grid covers.
template <typename Visit>
void ForEachGridPixel(QImage& image, QPoint origin, const SThermographGrid& grid, Visit visit) {
    for (int y = 0; y < image.height(); ++y) {
        const int row = origin.y() + y - grid.pixels.top;
        if (row < 0 || row >= grid.Rows())
            continue;
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int column = origin.x() + x - grid.pixels.left;
            if (column >= 0 && column < grid.Columns())
                visit(line[x], column, row);
        }
    }
}

/// Paints every image pixel that the grid covers with the colour of the scale value `scaled`
/// gives for the pixel's map value, leaving the pixels for which it gives none.
template <typename Scaled>
void PaintCells(QImage& image, QPoint origin, const SThermographGrid& grid, CColorTable& table,
                Scaled scaled) {
    ForEachGridPixel(image, origin, grid, [&](QRgb& pixel, int column, int row) {
        if (const std::optional<double> value = scaled(grid.At(column, row)))
            pixel = table.Of(*value);
    });
}

/// The custom distribution: each cell takes the colour of the least level whose region (the
/// cells not above its t) holds it; cells above every level stay unpainted.
void PaintLevels(QImage& image, QPoint origin, const SThermographGrid& grid, CColorTable& table) {
    const std::vector<SThermographLevel>& levels = grid.levels;
    PaintCells(image, origin, grid, table, [&](double value) -> std::optional<double> {
        const auto level =
            std::lower_bound(levels.begin(), levels.end(), value,
                             [](const SThermographLevel& l, double v) { return l.t < v; });
        if (level == levels.end())
            return std::nullopt;
        return level->t - grid.smallest;
    });
}

/// The win-set value maps hold a value only inside the Pareto set (the pixels whose location is
/// not 0); the others are cleared so that the chart's background shows there.
void ClearCellsWithoutValue(QImage& image, QPoint origin, const SThermographGrid& grid) {
    if (grid.location.size() != grid.values.size())
        return;
    ForEachGridPixel(image, origin, grid, [&](QRgb& pixel, int column, int row) {
        if (grid.location[static_cast<std::size_t>(row) * grid.Columns() + column] == 0)
            pixel = qRgba(0, 0, 0, 0);
    });
}

bool HasValueCells(int mode) {
    return mode == THERMO_AREA || mode == THERMO_RADIUS || mode == THERMO_BOD;
}

} // namespace

std::vector<QColor> ThermoRamp(const DisplayConfig& config) {
    constexpr int kSteps = 64;
    std::vector<QColor> ramp;
    for (int i = 0; i <= kSteps; ++i)
        ramp.push_back(ThermoColor(config, i, kSteps));
    return ramp;
}

void PaintThermographGrid(QImage& image, QPoint origin, const SThermographGrid& grid,
                          const DisplayConfig& config) {
    const double range = grid.largest - grid.smallest;
    const bool continuous = grid.mode == THERMO_MEMBERS || grid.mode == THERMO_QUOTALINES;
    CColorTable table(config, range, !continuous);
    switch (grid.mode) {
    case THERMO_AREA:
    case THERMO_RADIUS:
    case THERMO_BOD:
        PaintCells(image, origin, grid, table, [&](double value) -> std::optional<double> {
            return std::fabs(std::round(value)) - grid.smallest;
        });
        break;
    case THERMO_CUSTOM:
        PaintLevels(image, origin, grid, table);
        break;
    default:
        PaintCells(image, origin, grid, table, [&](double value) -> std::optional<double> {
            if (!(value > grid.paintAbove))
                return std::nullopt;
            return value - grid.smallest;
        });
        break;
    }
}

void CThermographLayer::Refresh(const CQueltaDoc& doc) {
    SetVisible(doc.Config().flagThermo != 0);
}

QImage CThermographLayer::Picture(CQueltaDoc& doc, const CChartLayout& layout) {
    UpdateChartThermograph(doc);
    const DisplayConfig& config = doc.Config();
    const CThermograph& thermograph = doc.Thermograph();
    const int mode = ThermographMode(config.typeThermo);
    const bool fresh =
        doc.IsReady() && thermograph.IsFresh(doc.Game(), mode, ThermographSettingsOf(config));
    const SKey key{fresh ? thermograph.Serial() : 0, config.typeThermo, config.colorThermo,
                   layout.PlotPixels()};
    if (key == m_key && !m_picture.isNull())
        return m_picture;
    // Cells without a value stay clear, showing the chart's background.
    QImage image(key.plot.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    if (fresh) {
        PaintThermographGrid(image, key.plot.topLeft(), thermograph.Grid(), config);
        if (HasValueCells(mode))
            ClearCellsWithoutValue(image, key.plot.topLeft(), thermograph.Grid());
    }
    m_key = key;
    m_picture = image;
    return m_picture;
}

void CThermographLayer::AddLegend(CQueltaDoc& doc, std::vector<CLegendBlock>& blocks) {
    if (LiveDrag() && ChartThermographPending(doc))
        return;
    UpdateChartThermograph(doc);
    const DisplayConfig& config = doc.Config();
    const int mode = ThermographMode(config.typeThermo);
    const CThermograph& thermograph = doc.Thermograph();
    if (!doc.IsReady() || !thermograph.IsFresh(doc.Game(), mode, ThermographSettingsOf(config)))
        return;
    const char* name = "Thermograph";
    for (const auto& [code, text] : kThermoModeNames)
        if (code == mode)
            name = text;
    const SThermographGrid& grid = thermograph.Grid();
    CLegendBlock block("THERMOGRAPH");
    block.AddValue(name);
    block.AddColorBar(ThermoRamp(config), FormatNumber(grid.smallest), FormatNumber(grid.largest));
    blocks.push_back(block);
}

void CThermographLayer::Draw(SChartPaint& paint) {
    // A value map that takes a concept per pixel waits for the release and the worker.
    if (LiveDrag() && ChartThermographPending(paint.doc))
        return;
    paint.painter.drawImage(paint.layout.PlotPixels().topLeft(), Picture(paint.doc, paint.layout));
}
