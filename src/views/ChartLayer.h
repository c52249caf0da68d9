#pragma once

#include <vector>

class CChartLayout;
class CLegendBlock;
class CQueltaDoc;
class QPainter;

/// What a layer draws with: the painter (already clipped to the plot), the document whose
/// scenario is shown and the chart's layout with its map.
struct SChartPaint {
    QPainter& painter;
    CQueltaDoc& doc;
    const CChartLayout& layout;
};

/// One drawing layer of the chart: a visibility switch, a draw operation and, for some, a
/// legend block. Layers are created once, in drawing order, by the chart model.
class CChartLayer {
public:
    virtual ~CChartLayer() = default;

    bool IsVisible() const { return m_visible; }
    void SetVisible(bool visible) { m_visible = visible; }
    /// Takes the switch from the document's display flags; layers without a flag keep theirs.
    virtual void Refresh(const CQueltaDoc& doc) { (void)doc; }
    /// Draws the layer into the plot.
    virtual void Draw(SChartPaint& paint) = 0;
    /// Whether a point is being dragged live: what is left to the worker thread (the long
    /// concepts and value maps) is neither computed nor drawn until the release.
    void SetLiveDrag(bool live) { m_live = live; }
    bool LiveDrag() const { return m_live; }
    /// Appends the layer's legend blocks (none by default).
    virtual void AddLegend(CQueltaDoc& doc, std::vector<CLegendBlock>& blocks) {
        (void)doc;
        (void)blocks;
    }

private:
    bool m_visible = true;
    bool m_live = false;
};
