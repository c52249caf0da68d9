#include "views/widgets/InputView.h"

#include "document/QueltaDoc.h"
#include "document/ScenarioFile.h"
#include "platform/HeadlessPlatform.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class InputViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        doc.SetConfigPath("");
        ASSERT_TRUE(ReadScenarioFile(doc, QUELTA_EXAMPLES "/triangle.txt"));
        view = std::make_unique<CInputView>(doc);
        view->show();
    }

    /// The number field whose position in the form is `index` (status quo H, V, proposal H, V,
    /// zoom, fraction, quota, total).
    QLineEdit* Field(int index) {
        QList<QLineEdit*> fields;
        for (QLineEdit* field : view->findChildren<QLineEdit*>())
            if (!qobject_cast<QComboBox*>(field->parent()))
                fields << field;
        return fields.at(index);
    }

    void Type(QLineEdit* field, const QString& text) {
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }

    CRecordingPlatform platform;
    CScopedPlatform scoped{platform};
    CQueltaDoc doc;
    std::unique_ptr<CInputView> view;
};

TEST_F(InputViewTest, TypedFractionIsClampedAndTheFieldsAgree) {
    Type(Field(5), "1.5");
    EXPECT_DOUBLE_EQ(doc.Game().VoteRule(), 1.0);
    EXPECT_EQ(Field(5)->text(), "1");
    EXPECT_EQ(Field(6)->text(), "3") << "the quota follows the fraction";
}

TEST_F(InputViewTest, ZoomZeroBecomesOneAndTheStepButtonsAddHalves) {
    Type(Field(4), "0");
    EXPECT_DOUBLE_EQ(doc.Zoom(), 1.0);
    EXPECT_EQ(Field(4)->text(), "1");
    for (QAbstractButton* button : view->findChildren<QAbstractButton*>())
        if (button->text() == "+1/2")
            QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_DOUBLE_EQ(doc.Zoom(), 1.5);
}

TEST_F(InputViewTest, StatusQuoFieldsMoveTheStatusQuo) {
    Type(Field(0), "40");
    EXPECT_DOUBLE_EQ(doc.Game().StatusQuo().x, 40.0);
    Type(Field(1), "abc");
    EXPECT_DOUBLE_EQ(doc.Game().StatusQuo().y, 50.0) << "a field that is not a number is ignored";
    view->ShowDraggedPoint(true, CFPoint(10.0, 12.5));
    EXPECT_EQ(Field(0)->text(), "10");
    EXPECT_EQ(Field(1)->text(), "12.500");
    EXPECT_DOUBLE_EQ(doc.Game().StatusQuo().x, 40.0) << "a drag only shows the point";
}

TEST_F(InputViewTest, CommitteeListShowsEntriesAndRelativeButtonSetsPlurality) {
    auto* list = view->findChild<QComboBox*>("committees");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->itemText(0), "Committee (3)");
    for (QRadioButton* button : view->findChildren<QRadioButton*>())
        if (button->text() == "Relative")
            QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(doc.Game().AbsolutePlurality(), 0);
}

} // namespace
