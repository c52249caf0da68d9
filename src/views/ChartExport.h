#pragma once

#include "views/FigureSize.h"

#include <QByteArray>
#include <QImage>

#include <string>

class CChartModel;
class CQueltaDoc;
class QIODevice;

/// The chart as an image of its total extent; the image's offset is the logical position of its
/// top left pixel (the extent's top left).
QImage RenderChartImage(CChartModel& model, CQueltaDoc& doc);

/// Writes the chart to a file chosen by its extension: ".bmp" (uncompressed bitmap), ".png",
/// ".svg" (vector: regions as paths, text as text) or ".pdf", the vector figures at the physical
/// size asked (if any). An unknown extension, a size asked of a bitmap, or a file that cannot be
/// written gives false with the reason in `error`.
bool ExportChart(CChartModel& model, CQueltaDoc& doc, const std::string& path, std::string& error,
                 const SFigureSize& figure = {});

/// The chart as an SVG document (for the clipboard), the same drawing as an exported ".svg".
QByteArray RenderChartSvg(CChartModel& model, CQueltaDoc& doc);

/// Writes the chart in a format ("png", "svg" or "pdf") to any device, the bytes ExportChart
/// writes to a file of that extension; false for another format, a size asked of a PNG, or when
/// drawing failed.
bool WriteChart(CChartModel& model, CQueltaDoc& doc, const std::string& format, QIODevice& out,
                const SFigureSize& figure = {});
