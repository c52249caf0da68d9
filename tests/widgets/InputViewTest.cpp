#include "views/widgets/InputView.h"

#include "document/QueltaDoc.h"
#include "document/ScenarioFile.h"
#include "platform/HeadlessPlatform.h"
#include "views/widgets/NumberFields.h"
#include "widgets/RefusedField.h"

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

TEST_F(InputViewTest, RefusedTextIsMarkedSaysWhyAndTheFieldShowsTheModelAgain) {
    struct SCase {
        int field;
        const char* text;
        const char* shown;
        const char* why;
    };
    // Status quo H, V, proposal H, zoom, fraction and quota, each with text it cannot take.
    const SCase cases[] = {
        {0, "abc", "50", "a number from -1e15 to 1e15"},
        {1, "1e300", "50", "a number from -1e15 to 1e15"},
        {2, "nan", "50", "a number from -1e15 to 1e15"},
        {4, "0", "1", "a zoom from 0.000001 to 1000000"},
        {4, "2e6", "1", "a zoom from 0.000001 to 1000000"},
        {5, "half", "0.500", "a fraction from 0 to 1"},
        {5, "1.5", "0.500", "a fraction from 0 to 1"},
        {6, "1.5", "2", "a whole number of votes from 0 to 3"},
        {6, "4", "2", "a whole number of votes from 0 to 3"},
    };
    const std::string before = ScenarioText(doc);
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.text);
        platform.Clear();
        Type(Field(c.field), c.text);
        EXPECT_EQ(ScenarioText(doc), before) << "the model never holds a refused value";
        EXPECT_DOUBLE_EQ(doc.Zoom(), 1.0);
        ExpectRefused(*Field(c.field), platform, c.text, c.shown, c.why);
    }
    Type(Field(5), "1");
    EXPECT_DOUBLE_EQ(doc.Game().VoteRule(), 1.0);
    EXPECT_FALSE(IsFieldRefused(*Field(5))) << "an accepted number clears the mark";
    EXPECT_EQ(Field(6)->text(), "3") << "the quota follows the fraction";
    Type(Field(6), "2");
    EXPECT_EQ(Field(6)->text(), "2");
}

TEST_F(InputViewTest, TheZoomStepButtonsAddHalves) {
    for (QAbstractButton* button : view->findChildren<QAbstractButton*>())
        if (button->text() == "+1/2")
            QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_DOUBLE_EQ(doc.Zoom(), 1.5);
}

TEST_F(InputViewTest, StatusQuoFieldsMoveTheStatusQuo) {
    Type(Field(0), "40");
    EXPECT_DOUBLE_EQ(doc.Game().StatusQuo().x, 40.0);
    view->ShowDraggedPoint(true, CFPoint(10.0, 12.5));
    EXPECT_EQ(Field(0)->text(), "10");
    EXPECT_EQ(Field(1)->text(), "12.500");
    EXPECT_DOUBLE_EQ(doc.Game().StatusQuo().x, 40.0) << "a drag only shows the point";
}

TEST_F(InputViewTest, FieldsShowTheNumberTheyHoldWhole) {
    // The form's number format rounds large and long numbers ("5e+04" for a quota of 50001,
    // "2e+04" for a position of 25000, "0.123" for 0.123456789); a field shows the number
    // itself, so Return in it leaves the model as it was.
    EXPECT_EQ(NumberFieldText(50001), "50001");
    EXPECT_EQ(NumberFieldText(100000), "100000");
    EXPECT_EQ(NumberFieldText(0.0001), "0.000100");
    EXPECT_EQ(NumberFieldText(0.00001), "1e-05");
    EXPECT_EQ(NumberFieldText(1e20), "1e+20");
    EXPECT_EQ(NumberFieldText(-12.5), "-12.500") << "the form's format where it is exact";
    doc.SetStatusQuo(CFPoint(25000, 0.123456789));
    view->UpdateFromDocument();
    EXPECT_EQ(Field(0)->text(), "25000");
    EXPECT_EQ(Field(1)->text(), "0.123456789");
    const std::string before = ScenarioText(doc);
    for (const int field : {0, 1}) {
        Field(field)->setFocus();
        QTest::keyClick(Field(field), Qt::Key_Return);
    }
    EXPECT_EQ(doc.Game().StatusQuo(), CFPoint(25000, 0.123456789));
    EXPECT_EQ(ScenarioText(doc), before);
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
