#pragma once

#include "document/DisplayConfig.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include <vector>

class CChartLayout;
class QPainter;

/// The chart frame's decoration: the title block at its anchor, the ticks of both axes, their
/// numbers and their titles, placed once so that the frame can grow to include them before
/// anything is drawn.
class CFrameText {
public:
    CFrameText(const DisplayConfig& config, const CChartLayout& layout);

    /// The frame's rectangle: the plot with a 50-pixel margin, grown to hold every text.
    QRect FrameRect() const { return m_frame; }
    QRect TitleRect() const { return m_title.rect; }
    /// Where the axes' numbers and titles are placed.
    std::vector<QRect> TextRects() const;
    /// Draws the title, the ticks, the numbers and the axis titles.
    void Draw(QPainter& painter) const;

private:
    struct SText {
        QString text;
        QFont font;
        QColor color;
        QRect rect;
        bool vertical = false; ///< turned a quarter left, reading upwards
    };
    struct STick {
        QPoint from;
        QPoint to;
    };

    void PlaceTitle(const DisplayConfig& config);
    void PlaceHorizontalAxis(const DisplayConfig& config);
    void PlaceVerticalAxis(const DisplayConfig& config);
    static SText MakeText(const std::string& text, const SFontSpec& font);
    static void DrawText(QPainter& painter, const SText& text);

    const CChartLayout& m_layout;
    QRect m_plot;
    QRect m_frame;
    SText m_title;
    std::vector<SText> m_texts;
    std::vector<STick> m_ticks;
};
