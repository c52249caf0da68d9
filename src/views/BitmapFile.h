#pragma once

#include <QImage>

#include <string>

/// The name a chart bitmap is saved under: ".bmp" appended unless the name already ends in it
/// (in any letter case).
std::string BitmapFileName(const std::string& name);

/// Writes the image as an uncompressed bitmap file (file header, 40-byte information header,
/// 24 bits per pixel, rows bottom-up padded to four bytes) under `BitmapFileName(name)`. A
/// failure shows one of the "CFileBMP: ..." messages and leaves no file behind: the bitmap is
/// written to a temporary file that replaces the target only when it is complete.
bool SaveBitmap(const QImage& image, const std::string& name);
