// Checks that a picture of the desktop's window shows a window with content rather than a
// blank or single-coloured area: enough colours overall, no colour covering nearly all of it,
// and detail spread over most of its parts. Prints what it measured; exit code 0 when the
// picture passes, 1 when it does not, 2 when it cannot be read.
#include <QColor>
#include <QHash>
#include <QImage>
#include <QSet>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kTiles = 4;         // the picture is cut into kTiles x kTiles parts
constexpr int kLeastColours = 32; // antialiased text and the chart give hundreds
constexpr double kMostShare = 0.9;
constexpr int kLeastDetailedTiles = kTiles * kTiles / 2;

/// Whether a part of the picture holds more than a few colours.
bool Detailed(const QImage& image, const QRect& part) {
    QSet<QRgb> colours;
    for (int y = part.top(); y <= part.bottom(); ++y)
        for (int x = part.left(); x <= part.right(); ++x) {
            colours.insert(image.pixel(x, y));
            if (colours.size() > 3)
                return true;
        }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: window_picture_check PICTURE.png\n");
        return 2;
    }
    const QImage image =
        QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_RGB32);
    if (image.isNull()) {
        std::printf("the picture cannot be read\n");
        return 2;
    }
    QHash<QRgb, long long> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    long long most = 0;
    for (const long long count : counts)
        most = std::max(most, count);
    const double share =
        static_cast<double>(most) / (static_cast<double>(image.width()) * image.height());
    int detailed = 0;
    const int w = image.width() / kTiles, h = image.height() / kTiles;
    for (int row = 0; row < kTiles; ++row)
        for (int column = 0; column < kTiles; ++column)
            detailed += Detailed(image, QRect(column * w, row * h, w, h));
    std::printf(
        "%d x %d pixels, %lld colours, the commonest on %.1f %%, detail in %d of %d parts\n",
        image.width(), image.height(), static_cast<long long>(counts.size()), 100 * share, detailed,
        kTiles * kTiles);
    const bool passes = image.width() >= 320 && image.height() >= 240 &&
                        counts.size() >= kLeastColours && share <= kMostShare &&
                        detailed >= kLeastDetailedTiles;
    return passes ? 0 : 1;
}
