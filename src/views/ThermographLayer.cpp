#include "views/ThermographLayer.h"

#include "document/QueltaDoc.h"
#include "model/Member.h"
#include "preferences/QuotaLines.h"
#include "preferences/VoteGrid.h"
#include "views/ChartLayout.h"
#include "views/ThermoColors.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>
#include <unordered_map>

namespace {

/// The colour scale over a range: exact per value for counts (few distinct values), sampled
/// finely enough that neighbouring entries look alike for continuous values.
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

/// Paints the pixels of a value map that pass the test, scaled from `least` over `range`.
template <typename Value, typename Passes>
void PaintValues(QImage& image, const DisplayConfig& config, double least, double range, bool exact,
                 Value value, Passes passes) {
    CColorTable table(config, range, exact);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const double v = value(x, y);
            if (passes(v))
                line[x] = table.Of(v - least);
        }
    }
}

void PaintVoteMode(QImage& image, CQueltaDoc& doc, const QRect& plot, int mode) {
    CVotingGame& game = doc.Game();
    const double total = game.VoteTotal();
    const double quota = game.VoteQuota();
    const double bound = mode == THERMO_TOTAL ? 0.0 : quota - (mode == THERMO_DECISION ? 1 : 2);
    if (!(total > bound))
        return;
    const CVoteGrid& votes = game.VoteGrid();
    const CRegion& grid = votes.Grid();
    const SIntRect& device = votes.Device();
    const auto value = [&](int x, int y) {
        const int row = plot.top() + y - device.top, column = plot.left() + x - device.left;
        if (row < 0 || column < 0 || row >= grid.Rows() || column >= grid.Columns())
            return 0.0;
        return grid.At(row, column);
    };
    PaintValues(image, doc.Config(), 0.0, total, true, value,
                [bound](double v) { return v > bound; });
}

/// Paints a value per pixel, scaled from the least value over the range up to the greatest.
void PaintMap(QImage& image, const DisplayConfig& config, const std::vector<double>& values,
              double least, double greatest) {
    const int width = image.width();
    if (values.size() != static_cast<std::size_t>(width) * image.height())
        return;
    const auto value = [&](int x, int y) {
        return values[static_cast<std::size_t>(y * width + x)];
    };
    PaintValues(image, config, least, greatest - least, false, value, [](double) { return true; });
}

/// Paints sums of distances, scaled from the least sum to the greatest.
void PaintSums(QImage& image, const DisplayConfig& config, const std::vector<double>& sums) {
    if (sums.empty())
        return;
    const auto [low, high] = std::minmax_element(sums.begin(), sums.end());
    PaintMap(image, config, sums, *low, *high);
}

std::vector<double> MemberDistanceSums(CQueltaDoc& doc, const CChartLayout& layout,
                                       const QRect& plot) {
    std::vector<QPoint> cells;
    for (const CMember* member : doc.Game().Members())
        if (member->PrefType() != 7)
            cells.push_back(layout.ToChart(member->IdealPoint()));
    std::vector<double> sums(static_cast<std::size_t>(plot.width()) * plot.height(), 0.0);
    for (int y = 0; y < plot.height(); ++y)
        for (int x = 0; x < plot.width(); ++x) {
            double sum = 0.0;
            for (const QPoint& cell : cells)
                sum += std::hypot(plot.left() + x - cell.x(), plot.top() + y - cell.y());
            sums[static_cast<std::size_t>(y * plot.width() + x)] = sum;
        }
    return sums;
}

std::vector<double> QuotaLineDistanceSums(CQueltaDoc& doc, const CChartLayout& layout,
                                          const QRect& plot) {
    struct SLine {
        double a, b, c; // a x + b y + c = 0 with a^2 + b^2 = 1
    };
    std::vector<SLine> lines;
    for (const CQuotaLine& line : doc.Game().GetQuotaLines()) {
        const CFPoint p = line.segment.GetP1(), q = line.segment.GetP2();
        const double length = std::hypot(q.x - p.x, q.y - p.y);
        if (line.quotaLine && length > 1e-12)
            lines.push_back(
                {(q.y - p.y) / length, (p.x - q.x) / length, (q.x * p.y - p.x * q.y) / length});
    }
    std::vector<double> sums(static_cast<std::size_t>(plot.width()) * plot.height(), 0.0);
    for (int y = 0; y < plot.height(); ++y)
        for (int x = 0; x < plot.width(); ++x) {
            const CFPoint point = layout.ToWorld(QPoint(plot.left() + x, plot.top() + y));
            double sum = 0.0;
            for (const SLine& line : lines)
                sum += std::fabs(line.a * point.x + line.b * point.y + line.c);
            sums[static_cast<std::size_t>(y * plot.width() + x)] = sum;
        }
    return sums;
}

} // namespace

void CThermographLayer::Refresh(const CQueltaDoc& doc) {
    SetVisible(doc.Config().flagThermo != 0);
}

void CThermographLayer::SetValueMap(int mode, SThermoValues values) {
    m_valueMode = mode;
    m_valueMap = std::move(values);
    m_key.clear();
}

std::vector<double> CThermographLayer::Key(CQueltaDoc& doc, const QRect& plot) const {
    const DisplayConfig& config = doc.Config();
    const CVotingGame& game = doc.Game();
    const SEdges& world = game.GridMap().WorldWindow();
    std::vector<double> key{static_cast<double>(config.typeThermo),
                            static_cast<double>(config.colorThermo),
                            static_cast<double>(plot.left()),
                            static_cast<double>(plot.top()),
                            static_cast<double>(plot.width()),
                            static_cast<double>(plot.height()),
                            world.left,
                            world.right,
                            world.top,
                            world.bottom,
                            game.StatusQuo().x,
                            game.StatusQuo().y,
                            game.VoteRule(),
                            static_cast<double>(game.AbsolutePlurality())};
    for (const CMember* member : game.Members())
        key.insert(key.end(), {member->IdealPoint().x, member->IdealPoint().y,
                               member->EffectiveVote(), static_cast<double>(member->PrefType())});
    return key;
}

QImage CThermographLayer::Picture(CQueltaDoc& doc, const CChartLayout& layout) {
    const QRect plot = layout.PlotPixels();
    std::vector<double> key = Key(doc, plot);
    if (key == m_key && !m_picture.isNull())
        return m_picture;
    QImage image(plot.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    const int mode = ThermoMode(doc.Config().typeThermo);
    if (mode == THERMO_TOTAL || mode == THERMO_DECISION || mode == THERMO_MARGINAL)
        PaintVoteMode(image, doc, plot, mode);
    else if (mode == THERMO_MEMBER_DISTANCE)
        PaintSums(image, doc.Config(), MemberDistanceSums(doc, layout, plot));
    else if (mode == THERMO_QUOTA_DISTANCE)
        PaintSums(image, doc.Config(), QuotaLineDistanceSums(doc, layout, plot));
    else if (mode == m_valueMode && m_valueMap.columns == plot.width() &&
             m_valueMap.rows == plot.height())
        PaintMap(image, doc.Config(), m_valueMap.values, m_valueMap.least, m_valueMap.greatest);
    m_key = std::move(key);
    m_picture = image;
    return m_picture;
}

void CThermographLayer::Draw(SChartPaint& paint) {
    paint.painter.drawImage(paint.layout.PlotPixels().topLeft(), Picture(paint.doc, paint.layout));
}
