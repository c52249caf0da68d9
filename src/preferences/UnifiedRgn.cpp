#include "preferences/PreferredRgn.h"

#include "geometry/Region.h"

#include <cmath>

namespace {

/// The unified utility of points in the frame centred on the status quo, rotated by the
/// complementarity angle and scaled by the salience.
class CUnifiedUtility {
public:
    CUnifiedUtility(const CFPoint& ideal, const CFPoint& statusQuo, const PreferenceSpec& spec)
        : m_s(statusQuo), m_sal(spec.salience), m_spec(spec) {
        const double theta = std::atan(spec.complementarity);
        m_cos = std::cos(theta);
        m_sin = std::sin(theta);
        m_uI = U(ideal);
        m_wI = W(ideal);
        m_nI = std::sqrt(m_uI * m_uI + m_wI * m_wI);
    }

    double operator()(const CFPoint& p) const {
        const double uP = U(p), wP = W(p);
        const double d = std::pow(std::sqrt(uP * uP + wP * wP) * m_nI, m_spec.intensity - 1.0) *
                         (wP * m_wI + uP * m_uI);
        const double du = m_uI - m_spec.discount * uP;
        const double dw = m_wI - m_spec.discount * wP;
        const double a = m_sal * m_cos * dw + m_sal * m_sin * du;
        const double b = -m_sin * dw + m_cos * du;
        const double r = std::sqrt(a * a + b * b);
        return 2.0 * (1.0 - m_spec.beta) * d - m_spec.beta * r;
    }

private:
    double U(const CFPoint& x) const { return (x.x - m_s.x) * m_cos - (x.y - m_s.y) * m_sin; }
    double W(const CFPoint& x) const {
        return m_sal * ((x.x - m_s.x) * m_sin + (x.y - m_s.y) * m_cos);
    }

    CFPoint m_s;
    double m_sal;
    const PreferenceSpec& m_spec;
    double m_cos = 1.0, m_sin = 0.0;
    double m_uI = 0.0, m_wI = 0.0, m_nI = 0.0;
};

/// A point just beside the status quo along the perpendicular to ideal point - status quo,
/// one world unit over the window width away.
CFPoint ThresholdPoint(const CFPoint& ideal, const CFPoint& statusQuo, const CGridMap& map) {
    const SEdges& window = map.WorldWindow();
    const double width = window.right - window.left;
    if (width <= 0.0)
        return statusQuo;
    double ux = 0.0, uy = 1.0; // perpendicular of a horizontal line: straight up
    const double dy = ideal.y - statusQuo.y;
    if (dy != 0.0) {
        const double m = -(ideal.x - statusQuo.x) / dy;
        const double norm = std::sqrt(1.0 + m * m);
        ux = 1.0 / norm;
        uy = m / norm;
    }
    return CFPoint(statusQuo.x + ux / width, statusQuo.y + uy / width);
}

} // namespace

CRgn UnifiedRgn(const CFPoint& ideal, const CFPoint& statusQuo, const PreferenceSpec& spec,
                const CGridMap& map) {
    const SIntRect device = map.DeviceRect();
    const int columns = std::abs(device.right - device.left);
    const int rows = std::abs(device.bottom - device.top);
    const CUnifiedUtility utility(ideal, statusQuo, spec);
    CRegion grid(rows, columns);
    for (int j = 0; j < rows; ++j) {
        double* row = grid.Row(j);
        for (int i = 0; i < columns; ++i)
            row[i] = utility(map.CellToWorld(device.left + i, device.top + j));
    }
    const QPoint idealCell = map.WorldToCell(ideal);
    long long count = 0;
    CRgn rgn = grid.GetRgn(utility(ThresholdPoint(ideal, statusQuo, map)),
                           QPoint(idealCell.x() - device.left, idealCell.y() - device.top), count);
    rgn.OffsetRgn(device.left, device.top);
    return rgn;
}
