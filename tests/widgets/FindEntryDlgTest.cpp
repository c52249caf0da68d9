#include "dialogs/FindEntryDlg.h"
#include "app/MainWindow.h"
#include "document/QueltaDoc.h"
#include "model/Member.h"
#include "views/widgets/InputView.h"
#include "views/widgets/VisualView.h"
#include "widgets/ModalSteps.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace {

/// The main window on the triangle scenario; the form's "?" button opens the find dialogs.
class FindEntryDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        doc.SetConfigPath("");
        frame = std::make_unique<CQueltaFrame>(doc);
        ASSERT_TRUE(frame->OpenStartupFile(QUELTA_EXAMPLES "/triangle.txt"));
    }
    void PressFind() { frame->InputView().findChild<QPushButton*>("find")->click(); }
    QComboBox& List() { return *frame->InputView().findChild<QComboBox*>("committees"); }
    static QStringList Found(CFindEntryDlg& dialog) {
        QStringList texts;
        auto* list = dialog.findChild<QListWidget*>("found");
        for (int row = 0; row < list->count(); ++row)
            texts << list->item(row)->text();
        return texts;
    }

    CQueltaDoc doc;
    std::unique_ptr<CQueltaFrame> frame;
};

TEST_F(FindEntryDlgTest, FoundMemberIsChosenInTheListAndHighlightedOnTheChart) {
    frame->InputView().PressButton(4);
    QString title;
    QStringList all, byName;
    OnNextModal<CFindEntryDlg>([&](CFindEntryDlg& dialog) {
        title = dialog.windowTitle();
        all = Found(dialog);
        dialog.findChild<QLineEdit*>("text")->setText("tOP");
        byName = Found(dialog);
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    PressFind();
    EXPECT_EQ(title, "Find Member");
    EXPECT_EQ(all.size(), 3) << "an empty text lists every member";
    EXPECT_EQ(byName.size(), 1);
    CMember* top = doc.FindMember("XX2");
    ASSERT_NE(top, nullptr);
    EXPECT_EQ(frame->InputView().Form().HighlightedMember(), top);
    EXPECT_EQ(frame->ChartView().HighlightedMember(), top);
    EXPECT_EQ(List().currentIndex(), 2);
}

TEST_F(FindEntryDlgTest, SeveralFoundNeedAChoiceAndCancelChangesNothing) {
    frame->InputView().PressButton(4);
    bool openAfterOk = false;
    OnNextModal<CFindEntryDlg>([&](CFindEntryDlg& dialog) {
        dialog.findChild<QRadioButton*>("byCommittee")->click();
        dialog.findChild<QLineEdit*>("text")->setText("committee");
        EXPECT_EQ(Found(dialog).size(), 3) << "every member sits on the committee";
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        openAfterOk = dialog.isVisible();
        dialog.findChild<QListWidget*>("found")->setCurrentRow(1);
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    PressFind();
    EXPECT_TRUE(openAfterOk) << "OK with nothing chosen among several keeps the dialog";
    EXPECT_EQ(frame->InputView().Form().HighlightedMember(), doc.FindMember("XX1"));

    OnNextModal<CFindEntryDlg>([](CFindEntryDlg& dialog) {
        dialog.findChild<QLineEdit*>("text")->setText("Left");
        dialog.reject();
    });
    PressFind();
    EXPECT_EQ(frame->InputView().Form().HighlightedMember(), doc.FindMember("XX1"));
}

TEST_F(FindEntryDlgTest, FoundCommitteeBecomesTheDocumentsCommittee) {
    frame->InputView().PressButton(3);
    doc.SelectCommittee("");
    frame->RefreshViews();
    ASSERT_EQ(doc.Header().currentCommittee, nullptr);
    QString title;
    OnNextModal<CFindEntryDlg>([&](CFindEntryDlg& dialog) {
        title = dialog.windowTitle();
        EXPECT_EQ(dialog.findChild<QRadioButton*>("byName"), nullptr)
            << "committees are found by name only";
        dialog.findChild<QLineEdit*>("text")->setText("c1");
        dialog.accept();
    });
    PressFind();
    EXPECT_EQ(title, "Find Committee");
    ASSERT_NE(doc.Header().currentCommittee, nullptr);
    EXPECT_EQ(doc.Header().currentCommittee->CommitteeID(), "C1");
    EXPECT_EQ(List().currentIndex(), 0);
}

} // namespace
