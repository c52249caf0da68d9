#include "app/CommandMenus.h"
#include "app/EditActions.h"
#include "app/MainWindow.h"
#include "dialogs/RegularPolygonDlg.h"
#include "document/Commands.h"
#include "document/QueltaDoc.h"
#include "document/ScenarioFile.h"
#include "platform/Platform.h"
#include "views/InputForm.h"
#include "views/widgets/InputView.h"
#include "views/widgets/VisualView.h"

#include "ChartEvents.h"
#include "ComboChoice.h"
#include "ModalSteps.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QTest>

#include <gtest/gtest.h>

#include <map>

namespace {

/// The real main window on the triangle example, driven with Qt Test's mouse and key events.
class EditMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        doc.SetConfigPath("");
        frame = std::make_unique<CQueltaFrame>(doc);
        ASSERT_TRUE(frame->OpenStartupFile(QUELTA_EXAMPLES "/triangle.txt"));
        frame->show();
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    }

    CVisualView& View() { return frame->ChartView(); }
    QPoint At(const CFPoint& point) { return WidgetPoint(View(), point); }
    void PressUndo() { ::PressUndo(*frame); }
    QLineEdit* FractionField() {
        QList<QLineEdit*> fields;
        for (QLineEdit* field : frame->InputView().findChildren<QLineEdit*>())
            if (!qobject_cast<QComboBox*>(field->parent()))
                fields << field;
        return fields.at(5);
    }
    void TypeFraction(const QString& text) {
        QLineEdit* field = FractionField();
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }
    CMember& FirstMember() { return *doc.Header().currentCommittee->Members().front(); }

    CQueltaDoc doc;
    std::unique_ptr<CQueltaFrame> frame;
};

} // namespace

TEST_F(EditMenuTest, ControlZTakesBackADragADeletionAndARuleChange) {
    const std::string read = ScenarioText(doc);
    EXPECT_FALSE(frame->isWindowModified());
    EXPECT_TRUE(frame->windowTitle().contains("[*]"));

    const CFPoint start = FirstMember().IdealPoint();
    const QPoint from = At(start);
    const QPoint to = At(CFPoint(start.x + 10, start.y + 10));
    DragOnChart(View(), from, to);
    ASSERT_NE(ScenarioText(doc), read);
    EXPECT_EQ(doc.History().StepNames(), std::vector<std::string>{"Move Member"})
        << "the whole drag is one step";
    PressUndo();
    EXPECT_EQ(ScenarioText(doc), read);
    EXPECT_FALSE(frame->isWindowModified());

    QTest::mouseClick(&View(), Qt::RightButton, Qt::ShiftModifier, At(FirstMember().IdealPoint()));
    ASSERT_EQ(doc.Header().currentCommittee->Members().size(), 2u);
    PressUndo();
    EXPECT_EQ(doc.Header().currentCommittee->Members().size(), 3u);
    EXPECT_EQ(ScenarioText(doc), read);

    TypeFraction("0.75");
    ASSERT_DOUBLE_EQ(doc.Game().VoteRule(), 0.75);
    PressUndo();
    EXPECT_EQ(ScenarioText(doc), read);
    EXPECT_EQ(FractionField()->text(), "0.500") << "the form shows the restored rule";
    EXPECT_EQ(frame->EditActions().RedoAction()->text(), "&Redo Decision Rule");
    QTest::keySequence(frame.get(), QKeySequence::Redo);
    EXPECT_DOUBLE_EQ(doc.Game().VoteRule(), 0.75);
}

TEST_F(EditMenuTest, UndoAndRedoNameTheStepAChartGestureHasJustTaken) {
    // The menu is never opened: the texts are up to date as soon as the mouse is let go.
    const QAction& undo = *frame->EditActions().UndoAction();
    const QAction& redo = *frame->EditActions().RedoAction();
    doc.SetProposal({30.0, 60.0});
    frame->RefreshViews();
    DragOnChart(View(), At(doc.Game().StatusQuo()), At(CFPoint(60.0, 40.0)));
    EXPECT_EQ(undo.text().toStdString(), "&Undo Move Status Quo");
    DragOnChart(View(), At(doc.Game().Proposal()), At(CFPoint(35.0, 65.0)));
    EXPECT_EQ(undo.text().toStdString(), "&Undo Move Proposal");
    const CFPoint start = FirstMember().IdealPoint();
    DragOnChart(View(), At(start), At(CFPoint(start.x + 5, start.y + 5)));
    EXPECT_EQ(undo.text().toStdString(), "&Undo Move Member");
    PressUndo();
    EXPECT_EQ(undo.text().toStdString(), "&Undo Move Proposal");
    EXPECT_EQ(redo.text().toStdString(), "&Redo Move Member");

    QTest::mouseClick(&View(), Qt::LeftButton, Qt::ControlModifier, At(CFPoint(70.0, 70.0)));
    EXPECT_EQ(undo.text().toStdString(), "&Undo Move Proposal");
    EXPECT_EQ(redo.text().toStdString(), "&Redo") << "a new step leaves nothing to replay";
    QTest::mouseClick(&View(), Qt::LeftButton, Qt::ShiftModifier, At(CFPoint(10.0, 90.0)));
    EXPECT_EQ(undo.text().toStdString(), "&Undo Create Member");
    QTest::mouseClick(&View(), Qt::RightButton, Qt::ShiftModifier, At(FirstMember().IdealPoint()));
    EXPECT_EQ(undo.text().toStdString(), "&Undo Delete Member");
}

TEST_F(EditMenuTest, ControlZTakesBackAGeneratedPolygonToTheFileBeforeIt) {
    const std::string read = ScenarioText(doc);
    const QString title = frame->windowTitle();
    OnNextModal<CRegularPolygonDlg>([](CRegularPolygonDlg& dialog) {
        dialog.findChild<QLineEdit*>("members")->setText("6");
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    frame->Menus().Action(ECommandId::NewRegularPolygon)->trigger();
    ASSERT_EQ(doc.Header().currentCommittee->Members().size(), 6u);
    EXPECT_TRUE(frame->isWindowModified());
    EXPECT_EQ(frame->EditActions().UndoAction()->text(), "&Undo Regular Polygon");

    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get())) << "back from the dialog";
    PressUndo();
    EXPECT_EQ(ScenarioText(doc), read);
    EXPECT_EQ(frame->windowTitle(), title) << "the window names the file again";
    EXPECT_FALSE(frame->isWindowModified());
    QTest::keySequence(frame.get(), QKeySequence::Redo);
    EXPECT_EQ(doc.Header().currentCommittee->Members().size(), 6u);
}

TEST_F(EditMenuTest, DeleteRemovesTheSelectedMemberAsAStepWithoutAsking) {
    frame->InputView().Form().SetListMode(LIST_MEMBERS);
    frame->InputView().ChooseListEntry(0);
    ASSERT_NE(View().HighlightedMember(), nullptr);
    View().setFocus();
    QTest::keyClick(&View(), Qt::Key_Delete);
    EXPECT_EQ(doc.Header().currentCommittee->Members().size(), 2u);
    PressUndo();
    EXPECT_EQ(doc.Header().currentCommittee->Members().size(), 3u);
    QTest::keyClick(&View(), Qt::Key_Backspace);
    EXPECT_EQ(doc.Header().currentCommittee->Members().size(), 3u)
        << "the member chosen before the undo is gone, so nothing is selected";
}

TEST_F(EditMenuTest, DeleteMemberIsEnabledOnlyWhileAMemberOfTheScenarioIsSelected) {
    QAction* remove = frame->EditActions().DeleteAction();
    EXPECT_FALSE(remove->isEnabled()) << "nothing is selected";
    QTest::keyClick(frame.get(), Qt::Key_F10, Qt::AltModifier); // "Show Members"
    auto* list = frame->findChild<QComboBox*>("committees");
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), 3);
    ChooseInComboBox(*list, list->itemText(1));
    EXPECT_TRUE(remove->isEnabled());
    View().setFocus();
    QTest::keyClick(&View(), Qt::Key_Delete);
    EXPECT_EQ(doc.Header().currentCommittee->Members().size(), 2u);
    EXPECT_FALSE(remove->isEnabled()) << "the selected member is gone";
    PressUndo();
    EXPECT_FALSE(remove->isEnabled()) << "the member that comes back is another one";
}

TEST_F(EditMenuTest, NoTwoActionsOfTheMainWindowShareAShortcut) {
    std::map<QString, QString> owners;
    const auto claim = [&owners](const QKeySequence& key, const QString& owner) {
        if (key.isEmpty())
            return;
        const QString text = key.toString(QKeySequence::PortableText);
        const auto [it, fresh] = owners.emplace(text, owner);
        EXPECT_TRUE(fresh) << text.toStdString() << " is used by " << it->second.toStdString()
                           << " and " << owner.toStdString();
    };
    for (QAction* action : frame->findChildren<QAction*>()) {
        for (const QKeySequence& key : action->shortcuts())
            claim(key, action->text());
        // A key shown after the tab of a menu text is the key the item answers to.
        const QString shown = action->text().section('\t', 1).trimmed();
        if (!shown.isEmpty()) {
            EXPECT_EQ(QKeySequence(shown, QKeySequence::PortableText), action->shortcut())
                << action->text().toStdString() << " answers to "
                << action->shortcut().toString().toStdString();
        }
    }
    for (QShortcut* shortcut : frame->findChildren<QShortcut*>())
        claim(shortcut->key(), "shortcut of the form");
    EXPECT_EQ(owners.count("Ctrl+Z"), 1u);
    EXPECT_EQ(owners.count("Ctrl+W"), 1u);
    EXPECT_EQ(owners["Ctrl+S"], "Scenario \tCtrl+S") << "Ctrl+S saves in place";
    EXPECT_EQ(owners["Ctrl+Shift+S"], "To File \tCtrl+Shift+S");
}

TEST_F(EditMenuTest, CancelOnAnErrorBoxWithUnsavedChangesDoesNotQuit) {
    TypeFraction("0.75");
    ASSERT_TRUE(doc.IsModified());
    QString errorText;
    QString promptText;
    OnNextModal<QMessageBox>([&](QMessageBox& error) {
        errorText = error.text();
        OnNextModal<QMessageBox>([&](QMessageBox& prompt) {
            promptText = prompt.text();
            prompt.button(QMessageBox::Cancel)->click();
        });
        error.button(QMessageBox::Cancel)->click();
    });
    ErrorBox("TEST1", "an unexpected failure");
    QApplication::processEvents();
    EXPECT_TRUE(errorText.contains("Select CANCEL to exit Quelta."));
    EXPECT_EQ(promptText, "Do you want to save changes to triangle.txt?");
    EXPECT_TRUE(frame->isVisible()) << "Cancel in the save question keeps the program running";
    EXPECT_DOUBLE_EQ(doc.Game().VoteRule(), 0.75);
}
