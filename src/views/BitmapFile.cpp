#include "views/BitmapFile.h"

#include "platform/AtomicFile.h"
#include "platform/Platform.h"

#include <QBuffer>
#include <QImageWriter>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <new>

namespace {

bool EndsWithBmp(const std::string& name) {
    if (name.size() < 4)
        return false;
    std::string tail = name.substr(name.size() - 4);
    std::transform(tail.begin(), tail.end(), tail.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return tail == ".bmp";
}

bool Fail(const char* message) {
    MessageBoxOk(message);
    return false;
}

} // namespace

std::string BitmapFileName(const std::string& name) {
    return EndsWithBmp(name) ? name : name + ".bmp";
}

bool SaveBitmap(const QImage& image, const std::string& name) {
    if (image.isNull())
        return Fail("CFileBMP: Bad bitmap retrieval");
    QImage pixels;
    try {
        // Colours only: the file holds 24 bits per pixel without alpha.
        pixels = image.convertToFormat(QImage::Format_RGB32);
    } catch (const std::bad_alloc&) {
        return Fail("CFileBMP: Bad memory allocation");
    }
    if (pixels.isNull())
        return Fail("CFileBMP: Bad bit retrieval");
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "bmp");
    if (!writer.write(pixels))
        return Fail("CFileBMP: Bad write of file-header");
    const QByteArray& bytes = buffer.data();
    switch (WriteFileAtomically(BitmapFileName(name),
                                std::string_view(bytes.constData(), bytes.size()))) {
    case 0:
        break;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
    case EIO:
        return Fail("CFileBMP: Bad write of file-header");
    default:
        return Fail("CFileBMP: Bad file creation");
    }
    return true;
}
