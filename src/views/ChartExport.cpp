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

bool WriteChart(CChartModel& model, CQueltaDoc& doc, const std::string& format, QIODevice& out) {
    if (format == "svg" || format == "pdf") {
        CChartRenderer renderer(model, doc);
        renderer.Prepare();
        return format == "svg" ? WriteSvg(renderer, out) : WritePdf(renderer, out);
    }
    if (format != "png")
        return false;
    const QImage image = RenderChartImage(model, doc);
    return !image.isNull() && image.save(&out, "PNG");
}

bool ExportChart(CChartModel& model, CQueltaDoc& doc, const std::string& path, std::string& error) {
    const QString name = QString::fromStdString(path);
    const std::string suffix = QFileInfo(name).suffix().toLower().toStdString();
    if (suffix == "bmp") {
        if (SaveBitmap(RenderChartImage(model, doc), path))
            return true;
        error = "the bitmap was not written";
        return false;
    }
    if (suffix != "png" && suffix != "svg" && suffix != "pdf") {
        error = "the output must end in .bmp, .png, .svg or .pdf";
        return false;
    }
    return WriteFile(name, error,
                     [&](QIODevice& out) { return WriteChart(model, doc, suffix, out); });
}

QByteArray RenderChartSvg(CChartModel& model, CQueltaDoc& doc) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    WriteChart(model, doc, "svg", buffer);
    return buffer.data();
}
