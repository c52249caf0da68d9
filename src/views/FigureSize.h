#pragma once

#include <QSize>
#include <QSizeF>

#include <optional>
#include <string>

/// The physical size asked of an exported figure (SVG, PDF): its width and height in
/// millimetres or inches, or the resolution of the chart's pixels. Nothing asked keeps a pixel
/// at 1/96 inch. The drawing is the chart's either way; only its size on paper changes (a PDF
/// page in whole points, 1/72 inch, as the PDF writer keeps it).
struct SFigureSize {
    double width = 0;
    double height = 0;
    bool inches = false;
    double dpi = 0;

    /// Whether a size or a resolution was asked.
    bool IsSet() const { return dpi > 0 || (width > 0 && height > 0); }
};

/// Sides of a figure, in millimetres, and the resolutions a figure may take.
constexpr double kMinFigureMm = 1;
constexpr double kMaxFigureMm = 5000;
constexpr double kMinFigureDpi = 10;
constexpr double kMaxFigureDpi = 10000;

/// Reads "WxHmm" or "WxHin" (such as "120x90mm" or "4.5x3in"); nothing, with the accepted form
/// and range in `error`, for any other text or a side out of range.
std::optional<SFigureSize> ParseFigureSize(const std::string& text, std::string& error);

/// Reads a resolution in dots per inch; nothing, with the range in `error`, for other text.
std::optional<SFigureSize> ParseFigureDpi(const std::string& text, std::string& error);

/// The figure's size in points (1/72 inch) for a chart of `pixels`.
QSizeF FigurePoints(const SFigureSize& size, QSize pixels);

/// The figure's width or height as an SVG length: millimetres when the size was asked in
/// millimetres, inches otherwise.
std::string FigureSvgLength(const SFigureSize& size, QSize pixels, bool width);
