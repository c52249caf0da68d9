#include "dialogs/ColorCodeDlg.h"

#include <QLabel>

#include <gtest/gtest.h>

TEST(ColorCodeDlgTest, TheScaleRunsFromVioletToRedOrFromWhiteToTheThermographColour) {
    DisplayConfig config;
    config.colorThermo = MakeRgb(255, 0, 0);
    const QImage hues = ColorScaleImage(config, QSize(100, 4));
    EXPECT_NEAR(hues.pixelColor(0, 0).hslHue(), 288, 2) << "lowest value";
    EXPECT_EQ(hues.pixelColor(99, 2), QColor(255, 0, 0)) << "highest value";

    config.typeThermo = 8 | 2;
    config.colorThermo = MakeRgb(0, 0, 255);
    const QImage shades = ColorScaleImage(config, QSize(100, 4));
    EXPECT_EQ(shades.pixelColor(0, 0), QColor(255, 255, 255)) << "the lowest value is white";
    EXPECT_EQ(shades.pixelColor(99, 0).hslHue(), QColor(0, 0, 255).hslHue());
    EXPECT_NEAR(shades.pixelColor(99, 0).lightnessF(), 0.5, 0.01);

    CColorCodeDlg dialog(config);
    EXPECT_EQ(dialog.windowTitle(), "Color Code");
    EXPECT_TRUE(dialog.findChild<QLabel*>("mode")->text().contains("Scale to Total"));
    EXPECT_TRUE(dialog.findChild<QLabel*>("mode")->text().contains("shades"));
}
