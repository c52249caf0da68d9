#include "views/ChartExport.h"

#include "views/BitmapFile.h"
#include "views/ChartModel.h"
#include "views/ChartRenderer.h"

#include "platform/AtomicFile.h"
#include "platform/FileCause.h"

#include <QBuffer>
#include <QFileInfo>
#include <QIODevice>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <functional>

namespace {

/// Vector targets use the chart's own pixel as their unit.
constexpr int kDotsPerInch = 96;

void PaintAt(CChartRenderer& renderer, QPainter& painter) {
    painter.translate(-renderer.Extent().topLeft());
    renderer.Paint(painter);
}

/// Renders the file's bytes into memory, then writes them the one safe way, so a failed
/// export leaves the old file as it was.
bool WriteFile(const QString& path, std::string& error,
               const std::function<bool(QIODevice& out)>& write) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!write(buffer)) {
        error = "cannot draw " + path.toStdString();
        return false;
    }
    const QByteArray& bytes = buffer.data();
    if (const int failure = WriteFileAtomically(path.toStdString(),
                                                std::string_view(bytes.constData(), bytes.size()));
        failure != 0) {
        error = "cannot write " + path.toStdString() + ": " + FileCauseText(failure);
        return false;
    }
    return true;
}

bool WriteSvg(CChartRenderer& renderer, QIODevice& out) {
    QSvgGenerator svg;
    svg.setOutputDevice(&out);
    svg.setSize(renderer.Extent().size());
    svg.setViewBox(QRect(QPoint(0, 0), renderer.Extent().size()));
    svg.setResolution(kDotsPerInch);
    svg.setTitle("Quelta chart");
    QPainter painter(&svg);
    PaintAt(renderer, painter);
    return painter.end();
}

bool WritePdf(CChartRenderer& renderer, QIODevice& out) {
    QPdfWriter pdf(&out);
    pdf.setResolution(kDotsPerInch);
    const QSizeF points = QSizeF(renderer.Extent().size()) * 72.0 / kDotsPerInch;
    pdf.setPageSize(QPageSize(points, QPageSize::Point));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setTitle("Quelta chart");
    QPainter painter(&pdf);
    PaintAt(renderer, painter);
    return painter.end();
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
        return WriteFile(name, error, [&](QIODevice& out) {
            return suffix == "svg" ? WriteSvg(renderer, out) : WritePdf(renderer, out);
        });
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
    return WriteFile(name, error, [&image](QIODevice& out) { return image.save(&out, "PNG"); });
}

QByteArray RenderChartSvg(CChartModel& model, CQueltaDoc& doc) {
    CChartRenderer renderer(model, doc);
    renderer.Prepare();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    WriteSvg(renderer, buffer);
    return buffer.data();
}
