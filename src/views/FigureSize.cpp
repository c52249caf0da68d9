#include "views/FigureSize.h"

#include <QRegularExpression>
#include <QString>

#include <cstdio>

namespace {

constexpr double kMmPerInch = 25.4;
constexpr double kPointsPerInch = 72;
/// The resolution of a figure of which nothing was asked.
constexpr double kDefaultDpi = 96;

std::string Number(double value, const char* format = "%g") {
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

} // namespace

std::optional<SFigureSize> ParseFigureSize(const std::string& text, std::string& error) {
    static const QRegularExpression form(
        QStringLiteral(R"(^([0-9]+(?:\.[0-9]*)?)x([0-9]+(?:\.[0-9]*)?)(mm|in)$)"));
    const QRegularExpressionMatch match = form.match(QString::fromStdString(text));
    const std::string range = "sides from " + Number(kMinFigureMm) + " to " + Number(kMaxFigureMm) +
                              " mm (" + Number(kMinFigureMm / kMmPerInch, "%.2f") + " to " +
                              Number(kMaxFigureMm / kMmPerInch, "%.2f") + " in)";
    if (!match.hasMatch()) {
        error = "--size takes WxHmm or WxHin, such as 120x90mm, with " + range;
        return std::nullopt;
    }
    SFigureSize size{match.captured(1).toDouble(), match.captured(2).toDouble(),
                     match.captured(3) == "in", 0};
    const double scale = size.inches ? kMmPerInch : 1;
    for (const double side : {size.width * scale, size.height * scale})
        if (!(side >= kMinFigureMm && side <= kMaxFigureMm)) {
            error = "--size takes " + range;
            return std::nullopt;
        }
    return size;
}

std::optional<SFigureSize> ParseFigureDpi(const std::string& text, std::string& error) {
    bool numeric = false;
    const double dpi = QString::fromStdString(text).toDouble(&numeric);
    if (!numeric || !(dpi >= kMinFigureDpi && dpi <= kMaxFigureDpi)) {
        error =
            "--dpi takes a number from " + Number(kMinFigureDpi) + " to " + Number(kMaxFigureDpi);
        return std::nullopt;
    }
    SFigureSize size;
    size.dpi = dpi;
    return size;
}

QSizeF FigurePoints(const SFigureSize& size, QSize pixels) {
    if (size.width > 0 && size.height > 0) {
        const double perUnit = size.inches ? kPointsPerInch : kPointsPerInch / kMmPerInch;
        return {size.width * perUnit, size.height * perUnit};
    }
    const double dpi = size.dpi > 0 ? size.dpi : kDefaultDpi;
    return QSizeF(pixels) * (kPointsPerInch / dpi);
}

std::string FigureSvgLength(const SFigureSize& size, QSize pixels, bool width) {
    const QSizeF points = FigurePoints(size, pixels);
    const double length = (width ? points.width() : points.height()) / kPointsPerInch;
    if (size.width > 0 && size.height > 0 && !size.inches)
        return Number(length * kMmPerInch) + "mm";
    return Number(length) + "in";
}
