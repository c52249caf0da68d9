#include "views/ThermoColors.h"

#include <gtest/gtest.h>

namespace {

TEST(ThermoColorsTest, HueAndShadeModes) {
    DisplayConfig hue;
    hue.colorThermo = MakeRgb(255, 0, 0);
    DisplayConfig shade = hue;
    shade.typeThermo = 8 | 2;
    DisplayConfig greyShade = shade;
    greyShade.colorThermo = MakeRgb(128, 128, 128);
    DisplayConfig greyHue = hue;
    greyHue.colorThermo = MakeRgb(90, 90, 90);
    const struct {
        const char* name;
        const DisplayConfig& config;
        double value, range;
        QColor color;
    } cases[] = {
        {"hue mode at 0: violet", hue, 0, 10, QColor(204, 0, 255)},
        {"hue mode at the top: the colour's hue 0", hue, 10, 10, QColor(255, 0, 0)},
        {"hue mode halfway: hue 144", hue, 5, 10, QColor(0, 255, 102)},
        {"a zero range counts as 1", hue, 1, 0, QColor(255, 0, 0)},
        {"shade mode at 0: white", shade, 0, 4, QColor(255, 255, 255)},
        {"shade mode at the top: the colour", shade, 4, 4, QColor(255, 0, 0)},
        {"shade mode halfway", shade, 2, 4, QColor(255, 128, 128)},
        {"grey shade mode has no saturation", greyShade, 4, 4, QColor(128, 128, 128)},
        {"grey hue mode is white", greyHue, 3, 4, QColor(255, 255, 255)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ThermoColor(c.config, c.value, c.range), c.color) << c.name;
}

TEST(ThermoColorsTest, HlsRoundTripsEveryPrimaryAndGrey) {
    for (const QColor& color : {QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 0, 255),
                                QColor(255, 255, 0), QColor(64, 64, 64), QColor(12, 200, 99)})
        EXPECT_EQ(HlsToRgb(RgbToHls(color)), color) << color.name().toStdString();
}

} // namespace
