#include "app/CommandMenus.h"
#include "app/MainWindow.h"
#include "document/Commands.h"
#include "document/QueltaDoc.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

/// Every action reachable through the menu bar, submenus included.
void CollectActions(const QList<QAction*>& actions, std::vector<QAction*>& into) {
    for (QAction* action : actions) {
        if (QMenu* menu = action->menu())
            CollectActions(menu->actions(), into);
        else if (!action->isSeparator())
            into.push_back(action);
    }
}

class CommandMenusTest : public ::testing::Test {
protected:
    void SetUp() override {
        doc.SetConfigPath("");
        frame = std::make_unique<CQueltaFrame>(doc);
        ASSERT_TRUE(frame->OpenStartupFile(QUELTA_EXAMPLES "/triangle.txt"));
    }
    QAction& Action(ECommandId id) {
        QAction* action = frame->Menus().Action(id);
        EXPECT_NE(action, nullptr);
        return *action;
    }

    CQueltaDoc doc;
    std::unique_ptr<CQueltaFrame> frame;
};

TEST_F(CommandMenusTest, EveryCommandIsInTheMenusOnceWithItsTextAndAccelerator) {
    std::vector<QAction*> actions;
    CollectActions(frame->menuBar()->actions(), actions);
    std::map<QString, int> byText;
    for (QAction* action : actions)
        ++byText[action->text()];
    for (const SCommand& command : CommandTable()) {
        QAction* action = frame->Menus().Action(command.id);
        ASSERT_NE(action, nullptr) << command.menuText;
        EXPECT_EQ(action->text(), QString::fromUtf8(command.menuText));
        EXPECT_EQ(std::count(actions.begin(), actions.end(), action), 1) << command.menuText;
        if (*command.accelerator) {
            EXPECT_EQ(action->shortcut(), QKeySequence(QString::fromUtf8(command.accelerator)))
                << command.menuText;
        }
    }
    EXPECT_EQ(byText["Whiteboard \tCtrl+N"], 1);
    EXPECT_EQ(byText["Script"], 2) << "File New Script and File Open Script";
    EXPECT_GE(byText.count("&Print...\tCtrl+P"), 1u) << "the window's own items join the File menu";
}

TEST_F(CommandMenusTest, ShowItemRunsItsCommandAndFollowsTheDocument) {
    QAction& winSet = Action(ECommandId::ShowWinSet);
    ASSERT_TRUE(winSet.isEnabled()) << "the triangle has members and two scales";
    EXPECT_FALSE(winSet.isChecked());
    winSet.trigger();
    EXPECT_EQ(doc.Config().flagWinSet, 1);
    EXPECT_TRUE(winSet.isChecked());
    EXPECT_TRUE(doc.IsModified());
    winSet.trigger();
    EXPECT_EQ(doc.Config().flagWinSet, 0);
    EXPECT_FALSE(winSet.isChecked());
}

TEST_F(CommandMenusTest, ItemsFollowTheEnableRulesAfterTheScenarioCloses) {
    doc.SetModifiedFlag(false);
    Action(ECommandId::ShowYolk).trigger();
    ASSERT_EQ(doc.Config().flagYolk, 1);
    doc.ResetScenario();
    frame->RefreshViews();
    EXPECT_FALSE(Action(ECommandId::ShowYolk).isEnabled());
    EXPECT_FALSE(Action(ECommandId::ShowYolk).isChecked());
    EXPECT_EQ(doc.Config().flagYolk, 0) << "a Show item that is not offered clears its flag";
    EXPECT_FALSE(Action(ECommandId::Close).isEnabled());
    EXPECT_TRUE(Action(ECommandId::ShowGrid).isEnabled()) << "always offered";
    EXPECT_TRUE(Action(ECommandId::NewWhiteboard).isEnabled());
}

TEST_F(CommandMenusTest, ToolbarsCarryTheCommonCommandsWithPictures) {
    const QList<QAction*> barActions = frame->Menus().WinSetToolBar()->actions();
    const std::set<QAction*> winSetBar(barActions.begin(), barActions.end());
    for (ECommandId id : {ECommandId::ShowWinSet, ECommandId::ShowYolk, ECommandId::CaptureWinSet,
                          ECommandId::CaptureUnion, ECommandId::CaptureExclusive}) {
        EXPECT_TRUE(winSetBar.count(&Action(id))) << static_cast<int>(id);
        EXPECT_FALSE(Action(id).icon().isNull()) << static_cast<int>(id);
    }
    EXPECT_TRUE(frame->Menus().MainToolBar()->actions().contains(&Action(ECommandId::OpenFile)));
}

} // namespace
