#include "views/ThermoColors.h"

#include <algorithm>
#include <cmath>

namespace {

double HueComponent(double m1, double m2, double hue) {
    hue = std::fmod(hue, 360.0);
    if (hue < 0.0)
        hue += 360.0;
    if (hue < 60.0)
        return m1 + (m2 - m1) * hue / 60.0;
    if (hue < 180.0)
        return m2;
    if (hue < 240.0)
        return m1 + (m2 - m1) * (240.0 - hue) / 60.0;
    return m1;
}

int Byte(double unit) {
    return std::clamp(static_cast<int>(std::floor(unit * 255.0 + 0.5)), 0, 255);
}

bool IsGrey(std::uint32_t color) {
    return RedOf(color) == GreenOf(color) && GreenOf(color) == BlueOf(color);
}

} // namespace

SHls RgbToHls(const QColor& color) {
    const double r = color.red() / 255.0, g = color.green() / 255.0, b = color.blue() / 255.0;
    const double high = std::max({r, g, b}), low = std::min({r, g, b});
    SHls hls;
    hls.lightness = (high + low) / 2.0;
    if (high == low)
        return hls;
    const double spread = high - low;
    hls.saturation = hls.lightness <= 0.5 ? spread / (high + low) : spread / (2.0 - high - low);
    if (r == high)
        hls.hue = (g - b) / spread;
    else if (g == high)
        hls.hue = 2.0 + (b - r) / spread;
    else
        hls.hue = 4.0 + (r - g) / spread;
    hls.hue *= 60.0;
    if (hls.hue < 0.0)
        hls.hue += 360.0;
    return hls;
}

QColor HlsToRgb(const SHls& hls) {
    const double l = std::clamp(hls.lightness, 0.0, 1.0);
    const double s = std::clamp(hls.saturation, 0.0, 1.0);
    if (s == 0.0)
        return QColor(Byte(l), Byte(l), Byte(l));
    const double m2 = l <= 0.5 ? l * (1.0 + s) : l + s - l * s;
    const double m1 = 2.0 * l - m2;
    return QColor(Byte(HueComponent(m1, m2, hls.hue + 120.0)), Byte(HueComponent(m1, m2, hls.hue)),
                  Byte(HueComponent(m1, m2, hls.hue - 120.0)));
}

QColor ThermoColor(const DisplayConfig& config, double value, double range) {
    if (range == 0.0)
        range = 1.0;
    const double x = std::clamp(value / range, 0.0, 1.0);
    const SHls own = RgbToHls(
        QColor(RedOf(config.colorThermo), GreenOf(config.colorThermo), BlueOf(config.colorThermo)));
    const bool grey = IsGrey(config.colorThermo);
    if (config.typeThermo & 2)
        return HlsToRgb({own.hue, 1.0 - x / 2.0, grey ? 0.0 : 1.0});
    if (grey)
        return HlsToRgb({288.0 * (1.0 - x), 1.0, 0.0});
    return HlsToRgb({288.0 * (1.0 - x), own.lightness, own.saturation});
}
