#pragma once

#include <string>
#include <vector>

/// One format "Save Graphics" offers: the file dialog's filter text and the file extension.
struct SGraphicsFormat {
    const char* filter;
    const char* extension;
};

/// The formats "Save Graphics" offers, the default (PNG) first; the bitmap's filter text is the
/// bitmap save's own.
const std::vector<SGraphicsFormat>& GraphicsFormats();

/// The name a chart is saved under: the typed name when it ends in the extension of a format
/// offered (in any letter case), which then decides the format; otherwise the typed name with
/// the chosen filter's extension appended ("chart" with the PNG filter gives "chart.png";
/// "chart.png" with the bitmap filter stays "chart.png").
std::string GraphicsFileName(const std::string& typed, const std::string& filterExtension);

/// The extension of a name, in lower case, without its dot ("" when it has none).
std::string LowerExtension(const std::string& name);
