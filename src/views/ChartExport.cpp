#include "views/ChartExport.h"

#include "views/BitmapFile.h"
#include "views/ChartModel.h"
#include "views/ChartRenderer.h"

#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

namespace {

/// Vector targets use the chart's own pixel as their unit.
constexpr int kDotsPerInch = 96;

void PaintAt(CChartRenderer& renderer, QPainter& painter) {
    painter.translate(-renderer.Extent().topLeft());
    renderer.Paint(painter);
}

bool ExportSvg(CChartRenderer& renderer, const QString& path, std::string& error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = "cannot create " + path.toStdString();
        return false;
    }
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(renderer.Extent().size());
    svg.setViewBox(QRect(QPoint(0, 0), renderer.Extent().size()));
    svg.setResolution(kDotsPerInch);
    svg.setTitle("Quelta chart");
    QPainter painter(&svg);
    PaintAt(renderer, painter);
    painter.end();
    if (!file.commit()) {
        error = "cannot write " + path.toStdString();
        return false;
    }
    return true;
}

bool ExportPdf(CChartRenderer& renderer, const QString& path, std::string& error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = "cannot create " + path.toStdString();
        return false;
    }
    QPdfWriter pdf(&file);
    pdf.setResolution(kDotsPerInch);
    const QSizeF points = QSizeF(renderer.Extent().size()) * 72.0 / kDotsPerInch;
    pdf.setPageSize(QPageSize(points, QPageSize::Point));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setTitle("Quelta chart");
    QPainter painter(&pdf);
    PaintAt(renderer, painter);
    painter.end();
    if (!file.commit()) {
        error = "cannot write " + path.toStdString();
        return false;
    }
    return true;
}

} // namespace

QImage RenderChartImage(CChartModel& model, CQueltaDoc& doc) {
    CChartRenderer renderer(model, doc);
    const QRect extent = renderer.Prepare();
    QImage image(extent.size(), QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.fill(Qt::white);
    image.setOffset(extent.topLeft());
    QPainter painter(&image);
    PaintAt(renderer, painter);
    return image;
}

bool ExportChart(CChartModel& model, CQueltaDoc& doc, const std::string& path, std::string& error) {
    const QString name = QString::fromStdString(path);
    const QString suffix = QFileInfo(name).suffix().toLower();
    if (suffix == "svg" || suffix == "pdf") {
        CChartRenderer renderer(model, doc);
        renderer.Prepare();
        return suffix == "svg" ? ExportSvg(renderer, name, error)
                               : ExportPdf(renderer, name, error);
    }
    if (suffix != "bmp" && suffix != "png") {
        error = "the output must end in .bmp, .png, .svg or .pdf";
        return false;
    }
    const QImage image = RenderChartImage(model, doc);
    if (suffix == "bmp") {
        if (SaveBitmap(image, path))
            return true;
        error = "the bitmap was not written";
        return false;
    }
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit()) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}
