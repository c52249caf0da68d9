#pragma once

#include "views/ChartLayer.h"
#include "views/ChartLayout.h"

#include <memory>
#include <vector>

class CAgendaPathLayer;
class CConceptLayer;
class CDrawnPointsLayer;
class CGridLayer;
class CHistogramLayer;
class CLabelLayer;
class CMainLayer;
class CProjectionLineLayer;
class CScriptShapeLayer;
class CStatisticsLayer;
class CThermographLayer;

/// The chart of a document without any widget: the layout (frame, axes, map, title) and the
/// drawing layers, created once in their drawing and legend order: thermograph, horizontal and
/// vertical histogram, grid, statistics, concepts, agenda path, main, drawn points, member
/// labels, power labels, projection line, script shapes.
class CChartModel {
public:
    CChartModel();
    ~CChartModel();
    CChartModel(const CChartModel&) = delete;
    CChartModel& operator=(const CChartModel&) = delete;

    /// The update from the document: layout and map, title and axis texts, and the layer
    /// switches that follow the display flags.
    void Update(const CQueltaDoc& doc);

    CChartLayout& Layout() { return m_layout; }
    const CChartLayout& Layout() const { return m_layout; }
    /// Marks every layer for a live drag (true) or for the settled chart (false).
    void SetLiveDrag(bool live);
    /// Every layer in drawing order.
    const std::vector<CChartLayer*>& Layers() const { return m_order; }

    CThermographLayer& Thermograph() { return *m_thermograph; }
    CHistogramLayer& HorizontalHistogram() { return *m_histogramH; }
    CHistogramLayer& VerticalHistogram() { return *m_histogramV; }
    CStatisticsLayer& Statistics() { return *m_statistics; }
    CMainLayer& Main() { return *m_main; }
    CLabelLayer& Names() { return *m_names; }
    CLabelLayer& PowerLabels() { return *m_power; }
    CProjectionLineLayer& ProjectionLine() { return *m_projection; }

private:
    template <typename Layer, typename... Args>
    Layer* Create(std::unique_ptr<Layer>& slot, Args&&... args);

    CChartLayout m_layout;
    std::unique_ptr<CThermographLayer> m_thermograph;
    std::unique_ptr<CHistogramLayer> m_histogramH;
    std::unique_ptr<CHistogramLayer> m_histogramV;
    std::unique_ptr<CGridLayer> m_grid;
    std::unique_ptr<CStatisticsLayer> m_statistics;
    std::unique_ptr<CConceptLayer> m_concepts;
    std::unique_ptr<CAgendaPathLayer> m_agendaPath;
    std::unique_ptr<CMainLayer> m_main;
    std::unique_ptr<CDrawnPointsLayer> m_drawnPoints;
    std::unique_ptr<CLabelLayer> m_names;
    std::unique_ptr<CLabelLayer> m_power;
    std::unique_ptr<CProjectionLineLayer> m_projection;
    std::unique_ptr<CScriptShapeLayer> m_scriptShapes;
    std::vector<CChartLayer*> m_order;
};
