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
#include <QRegularExpression>
#include <QSvgGenerator>

#include <algorithm>
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

bool PaintSvg(CChartRenderer& renderer, QIODevice& out) {
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

/// The SVG of the chart; a physical size changes only the root's width and height (the view
/// box keeps the chart's pixels, so the drawing is centred in the size asked).
bool WriteSvg(CChartRenderer& renderer, QIODevice& out, const SFigureSize& figure) {
    if (!figure.IsSet())
        return PaintSvg(renderer, out);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!PaintSvg(renderer, buffer))
        return false;
    static const QRegularExpression size(QStringLiteral(R"(<svg width="[^"]*" height="[^"]*")"));
    const QSize pixels = renderer.Extent().size();
    QString text = QString::fromUtf8(buffer.data());
    const QRegularExpressionMatch root = size.match(text);
    if (!root.hasMatch())
        return false;
    text.replace(root.capturedStart(), root.capturedLength(),
                 QString::fromStdString("<svg width=\"" + FigureSvgLength(figure, pixels, true) +
                                        "\" height=\"" + FigureSvgLength(figure, pixels, false) +
                                        "\""));
    return out.write(text.toUtf8()) >= 0;
}

bool WritePdf(CChartRenderer& renderer, QIODevice& out, const SFigureSize& figure) {
    QPdfWriter pdf(&out);
    pdf.setResolution(kDotsPerInch);
    const QSize pixels = renderer.Extent().size();
    const QSizeF points = FigurePoints(figure, pixels);
    pdf.setPageSize(QPageSize(points, QPageSize::Point));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setTitle("Quelta chart");
    QPainter painter(&pdf);
    if (figure.IsSet()) {
        // The page (which the writer keeps in whole points) in the chart's pixels at the
        // writer's resolution, the chart fitted and centred on it; texts are still measured at
        // that resolution, so the drawing is the same, only larger or smaller.
        const QSizeF page =
            QSizeF(pdf.pageLayout().fullRectPoints().size()) * (kDotsPerInch / 72.0);
        const double scale =
            std::min(page.width() / pixels.width(), page.height() / pixels.height());
        painter.translate((page.width() - scale * pixels.width()) / 2,
                          (page.height() - scale * pixels.height()) / 2);
        painter.scale(scale, scale);
    }
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

bool WriteChart(CChartModel& model, CQueltaDoc& doc, const std::string& format, QIODevice& out,
                const SFigureSize& figure) {
    if (format == "svg" || format == "pdf") {
        CChartRenderer renderer(model, doc);
        renderer.Prepare();
        return format == "svg" ? WriteSvg(renderer, out, figure) : WritePdf(renderer, out, figure);
    }
    if (format != "png" || figure.IsSet())
        return false;
    const QImage image = RenderChartImage(model, doc);
    return !image.isNull() && image.save(&out, "PNG");
}

bool ExportChart(CChartModel& model, CQueltaDoc& doc, const std::string& path, std::string& error,
                 const SFigureSize& figure) {
    const QString name = QString::fromStdString(path);
    const std::string suffix = QFileInfo(name).suffix().toLower().toStdString();
    if (figure.IsSet() && (suffix == "bmp" || suffix == "png")) {
        error = "a physical size is given to .svg and .pdf figures only";
        return false;
    }
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
                     [&](QIODevice& out) { return WriteChart(model, doc, suffix, out, figure); });
}

QByteArray RenderChartSvg(CChartModel& model, CQueltaDoc& doc) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    WriteChart(model, doc, "svg", buffer);
    return buffer.data();
}
