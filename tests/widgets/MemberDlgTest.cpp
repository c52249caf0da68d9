#include "dialogs/MemberDlg.h"
#include "app/DialogWindows.h"
#include "app/MainWindow.h"
#include "dialogs/FindEntryDlg.h"
#include "document/QueltaDoc.h"
#include "document/ScenarioFile.h"
#include "platform/HeadlessPlatform.h"
#include "views/widgets/NumberFields.h"
#include "views/widgets/VisualView.h"
#include "widgets/ModalSteps.h"
#include "widgets/RefusedField.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

/// The member dialog on the triangle example, driven with Qt Test's events; message boxes go
/// to a recording platform.
class MemberDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        doc.SetConfigPath("");
        ASSERT_TRUE(ReadScenarioFile(doc, QUELTA_EXAMPLES "/triangle.txt"));
        dialog = std::make_unique<CMemberDlg>(doc);
        dialog->show();
    }

    QLineEdit* Field(const char* name) { return dialog->findChild<QLineEdit*>(name); }
    /// Types a value into a field and leaves it with Enter.
    void Enter(const char* name, const QString& text) {
        QLineEdit* field = Field(name);
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }
    void Click(const char* name) {
        QWidget* button = dialog->findChild<QWidget*>(name);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(4, button->height() / 2));
    }
    const PreferenceSpec& Spec() const { return dialog->Member()->Preference(); }

    CRecordingPlatform platform;
    CScopedPlatform scope{platform};
    CQueltaDoc doc;
    std::unique_ptr<CMemberDlg> dialog;
};

} // namespace

TEST_F(MemberDlgTest, IndependentAfterSalienceTwoAndThirtyDegreesGivesOneAndZero) {
    Enter("salience", "2");
    Enter("angle", "30");
    EXPECT_EQ(Spec().salience, 2.0);
    EXPECT_NEAR(Spec().complementarity, 0.57735026918962573, 1e-12);
    Click("pref5");
    EXPECT_EQ(dialog->Member()->PrefType(), PREF_INDEPENDENT);
    EXPECT_EQ(Spec().salience, 1.0);
    EXPECT_EQ(Spec().complementarity, 0.0);
    EXPECT_EQ(Field("salience")->text(), "1");
    EXPECT_EQ(Field("angle")->text(), "0");
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(MemberDlgTest, FortyFiveDegreesStoreAComplementarityOfOne) {
    Click("pref3");
    Enter("angle", "45");
    EXPECT_EQ(dialog->Member()->PrefType(), PREF_TRADEOFF);
    EXPECT_NEAR(Spec().complementarity, 1.0, 1e-12);
    EXPECT_EQ(Field("angle")->text(), "45");
}

TEST_F(MemberDlgTest, BetaOneHalfLandsThreeTimes) {
    Enter("beta", "0.5");
    EXPECT_EQ(Spec().beta, 0.5);
    EXPECT_EQ(Spec().idealPoint.beta, 0.5);
    EXPECT_EQ(Spec().statusQuo.beta, 0.5);
}

TEST_F(MemberDlgTest, NextOnTheLastMemberSaysSoAndShowsTheFirst) {
    Click("next");
    Click("next");
    EXPECT_EQ(Field("lastName")->text(), "Top");
    EXPECT_TRUE(platform.Messages().empty());
    Click("next");
    EXPECT_EQ(platform.MessageTexts(), std::vector<std::string>{"past end of list"});
    EXPECT_EQ(Field("lastName")->text(), "Left");
    Click("previous");
    EXPECT_EQ(platform.MessageTexts().back(), "past beginning of list");
    EXPECT_EQ(Field("lastName")->text(), "Top");
}

TEST_F(MemberDlgTest, FindStartsFromTheNameShownAndShowsTheMemberFound) {
    QString startedWith;
    int listed = 0;
    OnNextModal<CFindEntryDlg>([&](CFindEntryDlg& dialog) {
        auto* text = dialog.findChild<QLineEdit*>("text");
        startedWith = text->text();
        text->setText("");
        listed = dialog.findChild<QListWidget*>("found")->count();
        text->setText("to");
        dialog.accept();
    });
    Click("find");
    EXPECT_EQ(startedWith, "Left");
    EXPECT_EQ(listed, 3) << "the walked house's members";
    EXPECT_EQ(dialog->Member(), doc.FindMember("XX2"));
    EXPECT_EQ(Field("lastName")->text(), "Top");
    Click("next");
    EXPECT_EQ(platform.MessageTexts(), std::vector<std::string>{"past end of list"})
        << "the walk goes on from the member found";
}

TEST_F(MemberDlgTest, FieldsWriteTheMemberAndAnEmptyHouseDisablesThem) {
    Enter("lastName", "Port");
    EXPECT_EQ(dialog->Member()->Label(), "Port");
    Enter("vote", "2.5");
    EXPECT_EQ(dialog->Member()->VoteWeight(), 2.5);
    Click("veto");
    EXPECT_EQ(dialog->Member()->Veto(), 1);
    ASSERT_TRUE(dialog->findChild<QCheckBox*>("rational")->isChecked()) << "a sincere member";
    Click("rational");
    EXPECT_EQ(dialog->Member()->Rational(), 1) << "clearing Rational makes it bounded-rational";
    Click("rational");
    EXPECT_EQ(dialog->Member()->Rational(), 0);
    Enter("ratingValue", "40");
    EXPECT_EQ(dialog->Member()->IdealPoint().x, 40.0) << "the first rating is the horizontal one";
    EXPECT_EQ(dialog->findChild<QLabel*>("idealPoint")->text(), "40, 25");

    Click("lowerHouse");
    EXPECT_EQ(dialog->Member(), nullptr);
    EXPECT_FALSE(Field("lastName")->isEnabled());
    Click("next");
    ASSERT_EQ(platform.Messages().size(), 1u);
    EXPECT_EQ(platform.Messages()[0].text, "empty list");
    EXPECT_EQ(platform.Messages()[0].title, "ERROR");
}

TEST_F(MemberDlgTest, RefusedNumbersAreMarkedSayWhyAndLeaveTheMemberAsItWas) {
    struct SCase {
        const char* field;
        const char* text;
        const char* why;
    };
    // The vote weight, a rating and the preference fields, each with text it cannot take.
    const SCase cases[] = {
        {"vote", "-1", "a vote weight from 0 to 1e15"},
        {"vote", "many", "a vote weight from 0 to 1e15"},
        {"ratingValue", "1e300", "a number from -1e15 to 1e15"},
        {"salience", "inf", "a number from -1e15 to 1e15"},
        {"angle", "north", "a number from -1e15 to 1e15"},
    };
    const std::string before = ScenarioText(doc);
    for (const SCase& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " " + c.text);
        const QString shown = Field(c.field)->text();
        ASSERT_TRUE(Field(c.field)->isEnabled());
        platform.Clear();
        Enter(c.field, c.text);
        EXPECT_EQ(ScenarioText(doc), before) << "the member never holds a refused value";
        ExpectRefused(*Field(c.field), platform, c.text, shown, c.why);
    }
    Enter("vote", "2");
    EXPECT_EQ(dialog->Member()->VoteWeight(), 2.0);
    EXPECT_FALSE(IsFieldRefused(*Field("vote"))) << "an accepted number clears the mark";
}

/// The main window's double click and drags reach the modeless member dialog.
TEST(MemberDialogFromChartTest, DoubleClickOpensItAndADragUpdatesIt) {
    CQueltaDoc doc;
    doc.SetConfigPath("");
    CQueltaFrame frame(doc);
    ASSERT_TRUE(frame.OpenStartupFile(QUELTA_EXAMPLES "/triangle.txt"));
    frame.show();
    CVisualView& view = frame.ChartView();
    auto at = [&view](double x, double y) {
        return view.ToWidget(view.Model().Layout().ToChart(CFPoint(x, y)));
    };
    QTest::mouseDClick(&view, Qt::LeftButton, {}, at(80.0, 25.0));
    const std::vector<CMemberDlg*> open = frame.Dialogs().MemberDialogs();
    ASSERT_EQ(open.size(), 1u);
    EXPECT_EQ(open[0]->Member()->LastName(), "Right");
    EXPECT_FALSE(open[0]->isModal());

    QTest::mousePress(&view, Qt::LeftButton, {}, at(80.0, 25.0));
    QTest::mouseMove(&view, at(70.0, 40.0));
    QApplication::processEvents();
    const CFPoint moved = open[0]->Member()->IdealPoint();
    EXPECT_EQ(open[0]->findChild<QLabel*>("idealPoint")->text(),
              QLocale::c().toString(moved.x, 'g', 10) + ", " +
                  QLocale::c().toString(moved.y, 'g', 10));
    EXPECT_NEAR(open[0]->Member()->IdealPoint().x, 70.0, 0.5);
    QTest::mouseRelease(&view, Qt::LeftButton, {}, at(70.0, 40.0));

    QTest::mouseDClick(&view, Qt::LeftButton, {}, at(20.0, 25.0));
    EXPECT_EQ(frame.Dialogs().MemberDialogs().size(), 2u);
    open[0]->close();
    ASSERT_EQ(frame.Dialogs().MemberDialogs().size(), 1u);

    // A dialog left open over a scenario that is closed shows nobody, not a freed member.
    CMemberDlg* left = frame.Dialogs().MemberDialogs()[0];
    doc.ResetScenario();
    frame.RefreshViews();
    EXPECT_EQ(left->Member(), nullptr);
    EXPECT_TRUE(left->findChild<QLineEdit*>("lastName")->text().isEmpty());
}
