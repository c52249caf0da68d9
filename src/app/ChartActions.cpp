#include "app/ChartActions.h"

#include "app/ChartFit.h"
#include "platform/Platform.h"
#include "views/BitmapFile.h"
#include "views/ChartExport.h"
#include "views/GraphicsFile.h"
#include "views/widgets/VisualView.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QMainWindow>
#include <QMenu>
#include <QMimeData>

CChartActions::CChartActions(CQueltaDoc& doc, QMainWindow& window, QScrollArea& area,
                             CVisualView& chart)
    : QObject(&window), m_doc(doc), m_window(window), m_chart(chart),
      m_fit(new CChartFit(doc, area, chart)) {}

void CChartActions::AddToViewMenu(QMenu& menu) {
    menu.addAction(m_fit->Action());
    menu.addSeparator();
    QAction* in = menu.addAction(tr("Zoom In\tCtrl++"), this, [this] { m_chart.ZoomAtCursor(1); });
    in->setShortcuts({QKeySequence::ZoomIn, QKeySequence("Ctrl+=")});
    QAction* out =
        menu.addAction(tr("Zoom Out\tCtrl+-"), this, [this] { m_chart.ZoomAtCursor(-1); });
    out->setShortcut(QKeySequence::ZoomOut);
}

void CChartActions::AddToEditMenu(QMenu& menu) {
    QAction* copy = menu.addAction(tr("Copy Chart\tCtrl+C"), this, &CChartActions::CopyChart);
    copy->setObjectName("copyChart");
    copy->setShortcut(QKeySequence::Copy);
}

void CChartActions::CopyChart() {
    auto* data = new QMimeData;
    QImage image = RenderChartImage(m_chart.Model(), m_doc);
    image.setOffset(QPoint());
    data->setImageData(image);
    data->setData("image/svg+xml", RenderChartSvg(m_chart.Model(), m_doc));
    QApplication::clipboard()->setMimeData(data);
}

void CChartActions::SaveGraphics() {
    QStringList filters;
    for (const SGraphicsFormat& format : GraphicsFormats())
        filters << QString::fromUtf8(format.filter);
    QString chosen = filters.front();
    const QString typed = QFileDialog::getSaveFileName(&m_window, tr("Save Graphics"), QString(),
                                                       filters.join(";;"), &chosen);
    if (typed.isEmpty())
        return;
    const auto index = static_cast<std::size_t>(std::max<qsizetype>(filters.indexOf(chosen), 0));
    SaveGraphicsAs(typed, QString::fromUtf8(GraphicsFormats()[index].extension));
}

bool CChartActions::SaveGraphicsAs(const QString& typed, const QString& filterExtension) {
    const std::string path = GraphicsFileName(typed.toStdString(), filterExtension.toStdString());
    // The bitmap is the window's own picture, as it always was; the other formats are drawn
    // afresh by the renderer the command line's "render" uses.
    if (LowerExtension(path) == "bmp")
        return SaveBitmap(m_chart.Image(), path);
    std::string error;
    if (ExportChart(m_chart.Model(), m_doc, path, error))
        return true;
    MessageBoxOk("The graphics were not saved: " + error);
    return false;
}
