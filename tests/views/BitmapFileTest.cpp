#include "views/BitmapFile.h"
#include "platform/HeadlessPlatform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdint>

namespace {

std::uint32_t Little32(const QByteArray& bytes, int at) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | static_cast<std::uint8_t>(bytes[at + i]);
    return value;
}

std::uint16_t Little16(const QByteArray& bytes, int at) {
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes[at]) |
                                      static_cast<std::uint8_t>(bytes[at + 1]) << 8);
}

TEST(BitmapFileTest, HeaderAndPaddedRowsOfOddWidths) {
    CRecordingPlatform platform;
    CScopedPlatform scope(platform);
    QTemporaryDir dir;
    for (const int width : {1, 2, 3, 5, 13, 401}) {
        const int height = 7;
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::white);
        image.setPixel(0, height - 1, qRgb(10, 20, 30)); // bottom-left: the file's first pixel
        const std::string path = dir.filePath("chart" + QString::number(width)).toStdString();
        ASSERT_TRUE(SaveBitmap(image, path)) << width;
        QFile file(QString::fromStdString(path + ".bmp"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "\".bmp\" appended";
        const QByteArray bytes = file.readAll();
        const int row = (width * 3 + 3) / 4 * 4;
        ASSERT_EQ(bytes.size(), 54 + row * height) << width;
        EXPECT_EQ(bytes.left(2), QByteArray("BM"));
        EXPECT_EQ(Little32(bytes, 2), static_cast<std::uint32_t>(bytes.size())) << "file size";
        EXPECT_EQ(Little32(bytes, 6), 0u) << "reserved words";
        EXPECT_EQ(Little32(bytes, 10), 54u) << "pixel offset: no colour table";
        EXPECT_EQ(Little32(bytes, 14), 40u) << "information header size";
        EXPECT_EQ(Little32(bytes, 18), static_cast<std::uint32_t>(width));
        EXPECT_EQ(Little32(bytes, 22), static_cast<std::uint32_t>(height)) << "bottom-up rows";
        EXPECT_EQ(Little16(bytes, 26), 1) << "planes";
        EXPECT_EQ(Little16(bytes, 28), 24) << "bits per pixel";
        EXPECT_EQ(Little32(bytes, 30), 0u) << "uncompressed";
        EXPECT_EQ(bytes.mid(54, 3), QByteArray("\x1e\x14\x0a", 3)) << "blue, green, red";
        for (int pad = width * 3; pad < row; ++pad)
            EXPECT_EQ(bytes[54 + pad], '\0') << "row padding of width " << width;
    }
    EXPECT_TRUE(platform.MessageTexts().empty());
}

TEST(BitmapFileTest, NamesAndFailures) {
    EXPECT_EQ(BitmapFileName("chart"), "chart.bmp");
    EXPECT_EQ(BitmapFileName("CHART.BMP"), "CHART.BMP");
    EXPECT_EQ(BitmapFileName("chart.Bmp"), "chart.Bmp");
    EXPECT_EQ(BitmapFileName("chart.png"), "chart.png.bmp");

    CRecordingPlatform platform;
    CScopedPlatform scope(platform);
    QTemporaryDir dir;
    EXPECT_FALSE(SaveBitmap(QImage(), dir.filePath("none").toStdString()));
    const std::string missing = dir.filePath("no/such/folder/chart.bmp").toStdString();
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::white);
    EXPECT_FALSE(SaveBitmap(image, missing));
    EXPECT_EQ(platform.MessageTexts(), (std::vector<std::string>{"CFileBMP: Bad bitmap retrieval",
                                                                 "CFileBMP: Bad file creation"}));
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty()) << "no file left behind";
}

} // namespace
