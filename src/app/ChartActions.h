#pragma once

#include <QObject>
#include <QString>

class CChartFit;
class CQueltaDoc;
class CVisualView;
class QMainWindow;
class QMenu;
class QScrollArea;

/// The desktop's chart commands beside the document's: "Fit Chart to Window", zooming in and
/// out from the keyboard, "Copy Chart" and the "Save Graphics" dialog with its formats.
class CChartActions : public QObject {
    Q_OBJECT

public:
    CChartActions(CQueltaDoc& doc, QMainWindow& window, QScrollArea& area, CVisualView& chart);

    /// Adds "Fit Chart to Window", "Zoom In" and "Zoom Out" to a menu.
    void AddToViewMenu(QMenu& menu);
    /// Adds "Copy Chart" to a menu.
    void AddToEditMenu(QMenu& menu);
    CChartFit& Fit() { return *m_fit; }

    /// Puts the chart on the clipboard as an image and as an SVG drawing.
    void CopyChart();
    /// "Save Graphics": asks for a file name and format, then saves.
    void SaveGraphics();
    /// Saves the chart under a typed name; the format follows the typed extension, else the
    /// chosen filter's. A failure is shown with the file's name and its cause.
    bool SaveGraphicsAs(const QString& typed, const QString& filterExtension);

private:
    CQueltaDoc& m_doc;
    QMainWindow& m_window;
    CVisualView& m_chart;
    CChartFit* m_fit = nullptr;
};
