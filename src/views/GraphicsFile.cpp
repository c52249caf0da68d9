#include "views/GraphicsFile.h"

#include <algorithm>
#include <cctype>

const std::vector<SGraphicsFormat>& GraphicsFormats() {
    static const std::vector<SGraphicsFormat> formats = {
        {"PNG image (*.png)", "png"},
        {"SVG drawing (*.svg)", "svg"},
        {"PDF document (*.pdf)", "pdf"},
        {"bitmap files (*.bmp)", "bmp"},
    };
    return formats;
}

std::string LowerExtension(const std::string& name) {
    const std::size_t dot = name.find_last_of("./");
    if (dot == std::string::npos || name[dot] != '.')
        return "";
    std::string extension = name.substr(dot + 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

std::string GraphicsFileName(const std::string& typed, const std::string& filterExtension) {
    const std::string extension = LowerExtension(typed);
    for (const SGraphicsFormat& format : GraphicsFormats())
        if (extension == format.extension)
            return typed;
    return typed + "." + filterExtension;
}
