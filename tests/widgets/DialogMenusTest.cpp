#include "ModalSteps.h"
#include "app/CommandMenus.h"
#include "app/MainWindow.h"
#include "dialogs/ColorCodeDlg.h"
#include "dialogs/ConfigSheet.h"
#include "dialogs/MemberSubsetDlg.h"
#include "dialogs/RationalityDlg.h"
#include "dialogs/WinSetListDlg.h"
#include "document/Commands.h"
#include "document/EditSteps.h"
#include "document/QueltaDoc.h"
#include "model/Member.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

class DialogMenusTest : public ::testing::Test {
protected:
    void SetUp() override {
        doc.SetConfigPath("");
        frame = std::make_unique<CQueltaFrame>(doc);
        ASSERT_TRUE(frame->OpenStartupFile(QUELTA_EXAMPLES "/triangle.txt"));
        doc.SetModifiedFlag(false);
    }
    void Run(ECommandId id) {
        frame->RefreshViews();
        QAction* action = frame->Menus().Action(id);
        ASSERT_NE(action, nullptr);
        ASSERT_TRUE(action->isEnabled()) << static_cast<int>(id);
        action->trigger();
    }
    std::vector<int> Candidates() {
        std::vector<int> flags;
        for (const CMember* member : doc.Game().Members())
            flags.push_back(member->Candidate());
        return flags;
    }

    CQueltaDoc doc;
    std::unique_ptr<CQueltaFrame> frame;
    bool seen = false;
};

} // namespace

TEST_F(DialogMenusTest, ConfigurationSheetAppliesOnOkAndCancelChangesNothing) {
    doc.Config().nCopeland = 77;
    CommitEdit(doc, "Copeland samples");
    const bool modified = doc.IsModified();
    const DisplayConfig before = doc.Config();
    WhenShown<CConfigSheet>(seen, false, [](CConfigSheet& sheet) {
        EXPECT_EQ(sheet.findChild<QSpinBox*>("nCopeland")->value(), 77) << "opens on the settings";
        sheet.findChild<QCheckBox*>("flagGrid")->click();
        sheet.findChild<QSpinBox*>("nCore")->setValue(90);
    });
    Run(ECommandId::Configuration);
    ASSERT_TRUE(seen);
    EXPECT_TRUE(doc.Config() == before);
    EXPECT_EQ(doc.IsModified(), modified);

    seen = false;
    WhenShown<CConfigSheet>(seen, true, [](CConfigSheet& sheet) {
        EXPECT_EQ(sheet.windowTitle(), "Configuration Settings");
        sheet.findChild<QCheckBox*>("flagGrid")->click();
        sheet.findChild<QSpinBox*>("nCore")->setValue(90);
        sheet.findChild<QCheckBox*>("flagVoteWt")->click();
    });
    Run(ECommandId::Configuration);
    ASSERT_TRUE(seen);
    EXPECT_EQ(doc.Config().flagGrid, 1);
    EXPECT_EQ(doc.Config().nCore, 90);
    EXPECT_EQ(doc.Config().flagVoteWt, 1);
    EXPECT_TRUE(doc.Game().WeightedVoting()) << "the game follows the switches of the sheet";
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(DialogMenusTest, ColourCodeTurnsOnOnlyWhenTheDialogIsConfirmed) {
    WhenShown<CColorCodeDlg>(seen, false);
    Run(ECommandId::ShowColorCode);
    ASSERT_TRUE(seen);
    EXPECT_EQ(doc.Config().flagColorCode, 0);
    seen = false;
    WhenShown<CColorCodeDlg>(seen, true);
    Run(ECommandId::ShowColorCode);
    ASSERT_TRUE(seen);
    EXPECT_EQ(doc.Config().flagColorCode, 1);
    Run(ECommandId::ShowColorCode);
    EXPECT_EQ(doc.Config().flagColorCode, 0) << "turning it off asks nothing";
}

TEST_F(DialogMenusTest, WinSetListEditsReachTheDocumentsListAndTheCapture) {
    Run(ECommandId::AddWinSetToList);
    doc.Game().SetStatusQuo(CFPoint(35.0, 40.0));
    Run(ECommandId::AddWinSetToList);
    ASSERT_EQ(doc.WinSetList().Size(), 2u);

    WhenShown<CWinSetListDlg>(seen, false, [](CWinSetListDlg& dialog) {
        auto* list = dialog.findChild<QListWidget*>("winSets");
        list->selectAll();
        dialog.findChild<QPushButton*>("union")->click();
    });
    Run(ECommandId::ShowWinSetList);
    ASSERT_TRUE(seen);
    EXPECT_EQ(doc.WinSetList().Size(), 2u) << "Cancel drops the edits";

    seen = false;
    QStringList shown;
    WhenShown<CWinSetListDlg>(seen, true, [&shown](CWinSetListDlg& dialog) {
        auto* list = dialog.findChild<QListWidget*>("winSets");
        list->selectAll();
        dialog.findChild<QPushButton*>("difference")->click();
        list->clearSelection();
        list->item(2)->setSelected(true);
        dialog.findChild<QPushButton*>("capture")->click();
        list->clearSelection();
        list->item(0)->setSelected(true);
        dialog.findChild<QPushButton*>("delete")->click();
        for (int row = 0; row < list->count(); ++row)
            shown << list->item(row)->text();
    });
    Run(ECommandId::ShowWinSetList);
    ASSERT_TRUE(seen);
    ASSERT_EQ(doc.WinSetList().Size(), 2u);
    EXPECT_EQ(doc.WinSetList().Label(1), "2\t( 1 - 2 )");
    ASSERT_EQ(shown.size(), 2);
    EXPECT_EQ(shown[1], "2    ( 1 - 2 )") << "the editor showed the list the document now has";
    EXPECT_DOUBLE_EQ(doc.Game().CapturedWinSet().GetArea(), doc.WinSetList().At(1).GetArea());
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(DialogMenusTest, MemberSelectionChoosesCandidatesAndItsCancelKeepsTheProposal) {
    WhenShown<CMemberSubsetDlg>(seen, true, [](CMemberSubsetDlg& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Select Candidates");
        dialog.findChild<QListWidget*>("members")->item(1)->setCheckState(Qt::Checked);
    });
    Run(ECommandId::TwoCandidate);
    ASSERT_TRUE(seen);
    EXPECT_EQ(Candidates(), (std::vector<int>{0, 1, 0}));

    doc.SetModifiedFlag(false);
    const CFPoint proposal = doc.Game().Proposal();
    seen = false;
    WhenShown<CMemberSubsetDlg>(seen, false, [](CMemberSubsetDlg& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Select Subgroup");
        dialog.findChild<QPushButton*>("selectAll")->click();
    });
    Run(ECommandId::ProposalBySubgroup);
    ASSERT_TRUE(seen);
    EXPECT_EQ(doc.Game().Proposal(), proposal);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(DialogMenusTest, RationalityModelGivesTheChosenCommitteeItsModelAndCancelKeepsIt) {
    std::vector<PreferenceSpec> before;
    for (const CMember* member : doc.Game().Members())
        before.push_back(member->Preference());
    WhenShown<CRationalityDlg>(seen, false, [](CRationalityDlg& dialog) {
        dialog.findChild<QListWidget*>("committees")->setCurrentRow(0);
        dialog.ChooseModel("Strategic - Core");
    });
    Run(ECommandId::RationalityGeneral);
    ASSERT_TRUE(seen);
    for (std::size_t i = 0; i < before.size(); ++i)
        EXPECT_TRUE(doc.Game().Members()[i]->Preference() == before[i]) << "Cancel keeps it";
    EXPECT_FALSE(doc.IsModified());

    seen = false;
    WhenShown<CRationalityDlg>(seen, true, [](CRationalityDlg& dialog) {
        dialog.findChild<QListWidget*>("committees")->setCurrentRow(0);
        dialog.ChooseModel("Uncertainty - Range");
    });
    Run(ECommandId::RationalityGeneral);
    ASSERT_TRUE(seen);
    for (const CMember* member : doc.Game().Members()) {
        EXPECT_EQ(member->Preference().modelType, 5);
        EXPECT_EQ(member->Preference().idealPoint.samples, 10);
    }
    EXPECT_EQ(doc.Config().flagPrefRational, 0);
    EXPECT_TRUE(doc.IsModified());
}
