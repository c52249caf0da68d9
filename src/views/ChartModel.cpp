#include "views/ChartModel.h"

#include "views/ConceptLayer.h"
#include "views/GeneratorLayers.h"
#include "views/GuideLayers.h"
#include "views/LabelLayer.h"
#include "views/MainLayer.h"
#include "views/StatisticsLayers.h"
#include "views/ThermographLayer.h"

template <typename Layer, typename... Args>
Layer* CChartModel::Create(std::unique_ptr<Layer>& slot, Args&&... args) {
    slot = std::make_unique<Layer>(std::forward<Args>(args)...);
    m_order.push_back(slot.get());
    return slot.get();
}

CChartModel::CChartModel() {
    Create(m_thermograph);
    Create(m_histogramH, EHistogramAxis::Horizontal);
    Create(m_histogramV, EHistogramAxis::Vertical);
    Create(m_grid);
    Create(m_statistics);
    Create(m_concepts);
    Create(m_agendaPath);
    Create(m_main);
    Create(m_drawnPoints);
    Create(m_names, ELabelKind::Name);
    Create(m_power, ELabelKind::Power);
    Create(m_projection);
    Create(m_scriptShapes);
}

CChartModel::~CChartModel() = default;

void CChartModel::SetLiveDrag(bool live) {
    for (CChartLayer* layer : m_order)
        layer->SetLiveDrag(live);
}

void CChartModel::Update(const CQueltaDoc& doc) {
    m_layout.Update(doc);
    for (CChartLayer* layer : m_order)
        layer->Refresh(doc);
}
