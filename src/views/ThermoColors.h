#pragma once

#include "document/DisplayConfig.h"

#include <QColor>

/// A colour in the hue-lightness-saturation model: hue in degrees, lightness and saturation
/// from 0 to 1.
struct SHls {
    double hue = 0.0;
    double lightness = 0.0;
    double saturation = 0.0;
};

/// The hue, lightness and saturation of a colour (hue 0 for a grey).
SHls RgbToHls(const QColor& color);
/// The colour of a hue, lightness and saturation by the standard HLS rule.
QColor HlsToRgb(const SHls& hls);

/// The thermograph's colour of a value within a range (a range of 0 counts as 1), from the
/// thermograph colour: in shade mode (the bit of value 2 of `typeThermo`) its hue, lightening
/// towards white as the value falls; otherwise the hue runs from 288 degrees at 0 to 0 at the
/// top of the range with the colour's own lightness and saturation.
QColor ThermoColor(const DisplayConfig& config, double value, double range);
