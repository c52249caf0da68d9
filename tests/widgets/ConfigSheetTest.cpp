#include "dialogs/ConfigSheet.h"
#include "ModalSteps.h"
#include "dialogs/StyleControls.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Rgb(int i) {
    return std::to_string(i % 256) + "\t" + std::to_string(2 * i % 256) + "\t" +
           std::to_string(3 * i % 256);
}

std::uint32_t RgbValue(int i) {
    return MakeRgb(i % 256, 2 * i % 256, 3 * i % 256);
}

template <typename T> T& Child(QWidget& owner, const std::string& name) {
    T* child = owner.findChild<T*>(QString::fromStdString(name));
    if (!child)
        throw std::runtime_error("no control " + name);
    return *child;
}

void PressOk(QDialog& dialog) {
    dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
}

/// Sets the control of one key to a value that depends on `i` and returns the block's text for
/// that value, so the record can be built through the block's own key setter.
std::string SetControl(QWidget& sheet, const std::string& key, int i) {
    QWidget& control = Child<QWidget>(sheet, key);
    if (auto* box = qobject_cast<QCheckBox*>(&control)) {
        if (i % 2 == 0)
            box->click();
        return box->isChecked() ? "1" : "0";
    }
    if (auto* spin = qobject_cast<QSpinBox*>(&control)) {
        spin->setValue(3 + i);
        return std::to_string(3 + i);
    }
    if (auto* spin = qobject_cast<QDoubleSpinBox*>(&control)) {
        spin->setValue(0.25 + i / 8.0);
        return QString::number(0.25 + i / 8.0, 'f', 6).toStdString();
    }
    if (auto* button = qobject_cast<CColorButton*>(&control)) {
        button->SetColor(RgbValue(i));
        return Rgb(i);
    }
    if (qobject_cast<CPenEditor*>(&control) || qobject_cast<CBrushEditor*>(&control)) {
        const bool pen = qobject_cast<CPenEditor*>(&control) != nullptr;
        const int style = i % (pen ? 6 : 3);
        SelectCode(Child<QComboBox>(control, key + "Style"), style);
        const int second = i % 6;
        if (pen)
            Child<QSpinBox>(control, key + "Width").setValue(second);
        else
            SelectCode(Child<QComboBox>(control, key + "Hatch"), second);
        Child<CColorButton>(control, key + "Color").SetColor(RgbValue(i));
        return std::to_string(style) + "\t" + std::to_string(second) + "\t" + Rgb(i);
    }
    if (qobject_cast<CFontEditor*>(&control)) {
        Child<QLineEdit>(control, key + "Face").setText(QString("Face %1").arg(i));
        Child<QSpinBox>(control, key + "Height").setValue(8 + i % 20);
        Child<QSpinBox>(control, key + "Weight").setValue(100 * (i % 9));
        Child<QCheckBox>(control, key + "Italic").setChecked(i % 2 == 1);
        Child<CColorButton>(control, key + "Color").SetColor(RgbValue(i));
        return "Face " + std::to_string(i) + "\t" + std::to_string(8 + i % 20) + "\t" +
               std::to_string(100 * (i % 9)) + "\t" + (i % 2 == 1 ? "1" : "0") + "\t" + Rgb(i);
    }
    if (qobject_cast<CSizeEditor*>(&control)) {
        Child<QSpinBox>(control, key + "H").setValue(10 + i);
        Child<QSpinBox>(control, key + "V").setValue(20 + i);
        return std::to_string(10 + i) + "\t" + std::to_string(20 + i);
    }
    throw std::runtime_error("no way to set " + key);
}

} // namespace

TEST(ConfigSheetTest, EveryKeyOfTheBlockHasAControlAndOkWritesWhatItHolds) {
    const DisplayConfig initial;
    CConfigSheet sheet(initial);
    sheet.show();
    DisplayConfig expected = initial;
    int i = 0;
    for (const std::string& key : DisplayConfig::KeyNames()) {
        if (key == "typeThermo" || key == "typeCand")
            continue;
        ASSERT_NO_THROW(expected.SetValue(key, SetControl(sheet, key, i))) << key;
        ++i;
    }
    auto& modes = Child<QComboBox>(sheet, "typeThermo");
    modes.setCurrentIndex(modes.findText("Distance from Members"));
    Child<QCheckBox>(sheet, "typeThermoShade").setChecked(true);
    expected.typeThermo = 64 | 2;
    auto& candidates = Child<QComboBox>(sheet, "typeCand");
    candidates.setCurrentIndex(candidates.findText("Cleave"));
    expected.typeCand = 4;
    // Switches the block does not save are on the sheet too.
    for (int DisplayConfig::*field :
         {&DisplayConfig::flagReportMembers, &DisplayConfig::flagReportPareto,
          &DisplayConfig::flagCoalition, &DisplayConfig::flagYolkTri})
        expected.*field = expected.*field ? 0 : 1;
    for (const char* name :
         {"flagReportMembers", "flagReportPareto", "flagCoalition", "flagYolkTri"})
        Child<QCheckBox>(sheet, name).click();

    PressOk(sheet);
    EXPECT_EQ(sheet.result(), QDialog::Accepted);
    const DisplayConfig written = sheet.Config();
    for (const std::string& key : DisplayConfig::KeyNames())
        EXPECT_EQ(written.GetValue(key), expected.GetValue(key)) << key;
    EXPECT_TRUE(written == expected);
}

TEST(ConfigSheetTest, ValuesTheSheetDoesNotOfferSurviveWhenLeftAlone) {
    DisplayConfig initial;
    initial.flagGrid = 7;
    initial.nCore = -3;
    initial.lfTitle.italic = 255;
    initial.typeThermo = 16 | 4;
    initial.typeCand = 2;
    initial.lpCore.style = 9;
    initial.dCopeland = 0.1234567;
    CConfigSheet sheet(initial);
    EXPECT_TRUE(sheet.Config() == initial);
}

TEST(ConfigSheetTest, UnusableValuesAreRefusedWithAMessageNamingThem) {
    CConfigSheet sheet{DisplayConfig{}};
    sheet.show();
    Child<QSpinBox>(sheet, "nCore").setValue(5000);
    QString message;
    CloseNextMessage(message);
    PressOk(sheet);
    EXPECT_TRUE(message.contains("Core samples")) << message.toStdString();
    EXPECT_TRUE(message.contains("3600")) << message.toStdString();
    EXPECT_NE(sheet.result(), QDialog::Accepted);
    EXPECT_TRUE(sheet.isVisible());
    auto& pages = Child<QTabWidget>(sheet, "pages");
    EXPECT_EQ(pages.tabText(pages.currentIndex()), "&Algorithms") << "the value is shown";

    Child<QSpinBox>(sheet, "nCore").setValue(3600);
    Child<QSpinBox>(sheet, "szChartH").setValue(20001);
    message.clear();
    CloseNextMessage(message);
    PressOk(sheet);
    EXPECT_TRUE(message.contains("Chart size")) << message.toStdString();
    EXPECT_NE(sheet.result(), QDialog::Accepted);

    Child<QSpinBox>(sheet, "szChartH").setValue(600);
    PressOk(sheet);
    EXPECT_EQ(sheet.result(), QDialog::Accepted);
    EXPECT_EQ(sheet.Config().nCore, 3600);
    EXPECT_EQ(sheet.Config().szChart.cx, 600);
}

TEST(ConfigSheetTest, ASwatchOpensTheColourPickerAndTakesItsChoice) {
    CConfigSheet sheet{DisplayConfig{}};
    sheet.show();
    auto& swatch = Child<CColorButton>(sheet, "colorBackground");
    OnNextModal<QColorDialog>([](QColorDialog& picker) {
        picker.setCurrentColor(QColor(10, 20, 30));
        picker.accept();
    });
    swatch.click();
    EXPECT_EQ(swatch.Color(), MakeRgb(10, 20, 30));
    EXPECT_EQ(sheet.Config().colorBackground, MakeRgb(10, 20, 30));
}
