#pragma once

#include "views/ChartLayer.h"

#include <optional>
#include <string>
#include <vector>

struct CFPoint;
struct SYolk;
struct DisplayConfig;

/// The concept layer: every switched-on solution concept in its fixed order (indifference
/// curves, quota lines, Pareto set, uncovered set, heart, core, yolk, ..., win set, Banks set,
/// budget line, candidates), with the "LINES AND SHAPES" legend block. Regions are drawn as the
/// cells of the current grid, so each region's pixels are its cells.
class CConceptLayer : public CChartLayer {
public:
    void Draw(SChartPaint& paint) override;
    void AddLegend(CQueltaDoc& doc, std::vector<CLegendBlock>& blocks) override;

private:
    /// Writes a legend value line to the log when it differs from the one last shown.
    void LogChange(CQueltaDoc& doc, std::optional<std::string>& last, const std::string& line);

    std::optional<std::string> m_lastCore;
    std::optional<std::string> m_lastWinSet;
    std::optional<std::string> m_lastYolkCentre;
    std::optional<std::string> m_lastYolkRadius;
};

/// Whether any concept of the layer is switched on (the legend block is drawn only then).
bool AnyConceptShown(const CQueltaDoc& doc);

/// The display switches of the layer's concepts, in drawing order.
std::vector<int DisplayConfig::*> ConceptFlags();

/// Whether the yolk computation found no yolk (centre at the origin, radius 0).
bool YolkIsEmpty(const SYolk& yolk);

/// The limit circle of the win set: about the yolk's centre, with the distance from the status
/// quo to that centre plus twice the yolk radius as its radius.
double WinSetLimitRadius(const CFPoint& statusQuo, const CFPoint& yolkCentre, double yolkRadius);
