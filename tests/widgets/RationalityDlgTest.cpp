#include "dialogs/RationalityDlg.h"
#include "ComboChoice.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

/// The rationality model dialog over two committees, driven with Qt Test's events.
class RationalityDlgTest : public ::testing::Test {
protected:
    void SetUp() override { dialog.show(); }

    void Click(const char* name) {
        auto* button = dialog.findChild<QRadioButton*>(name);
        ASSERT_NE(button, nullptr) << name;
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(4, button->height() / 2));
    }
    /// Picks a model from the list as the user does, with the mouse and the keys.
    void Pick(const char* model) {
        auto* models = dialog.findChild<QComboBox*>("model");
        ASSERT_NE(models, nullptr);
        ChooseInComboBox(*models, model);
        EXPECT_EQ(models->currentText(), model);
    }

    CRationalityDlg dialog{{{"C1", "Committee (3)"}, {"C2", "--Sub (0)"}}};
};

} // namespace

TEST_F(RationalityDlgTest, UncertaintyRangeWithCityBlockGivesBothBlocksItsPreset) {
    Click("default4");
    Pick("Uncertainty - Range");
    const SRationalityModelAnswer answer = dialog.Answer();
    EXPECT_EQ(answer.model, 5);
    for (const SSamplingBlockAnswer& block : {answer.idealPoint, answer.statusQuo}) {
        EXPECT_EQ(block.shape, 4);
        EXPECT_EQ(block.samples, 10);
        EXPECT_EQ(block.resolution, 10.0);
    }
    EXPECT_TRUE(dialog.findChild<QLineEdit*>("ipSamples")->isEnabled());
    EXPECT_TRUE(dialog.findChild<QLineEdit*>("sqSamples")->isEnabled());
    EXPECT_TRUE(answer.committeeId.empty()) << "no committee is chosen when the dialog opens";
}

TEST_F(RationalityDlgTest, TheAnswerCarriesEachBlocksOwnEditsAndTheChosenCommittee) {
    Pick("Transaction Cost");
    EXPECT_FALSE(dialog.findChild<QLineEdit*>("ipSamples")->isEnabled());
    ASSERT_TRUE(dialog.findChild<QLineEdit*>("sqSamples")->isEnabled());
    QLineEdit* complementarity = dialog.findChild<QLineEdit*>("sqComplementarity");
    complementarity->setText("0.75");
    Click("sqShape5");
    Click("sqMemberSpread");
    auto* list = dialog.findChild<QListWidget*>("committees");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(1)).center());
    const SRationalityModelAnswer answer = dialog.Answer();
    EXPECT_EQ(answer.committeeId, "C2");
    EXPECT_EQ(answer.model, 1);
    EXPECT_EQ(answer.statusQuo.complementarity, 0.75);
    EXPECT_EQ(answer.statusQuo.shape, 5);
    EXPECT_TRUE(answer.statusQuo.useMemberSpread);
    EXPECT_EQ(answer.idealPoint.shape, 0);
    EXPECT_EQ(answer.idealPoint.samples, 1);

    Pick("Uncertainty - Core");
    EXPECT_TRUE(dialog.Answer().statusQuo.useMemberSpread) << "presets keep the sources";
    EXPECT_EQ(dialog.Answer().statusQuo.complementarity, 0.0);
}
