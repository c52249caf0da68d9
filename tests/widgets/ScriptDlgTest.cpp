#include "dialogs/ScriptDlg.h"
#include "app/DialogWindows.h"
#include "app/MainWindow.h"
#include "dialogs/EditHilite.h"
#include "document/QueltaDoc.h"
#include "document/TextLines.h"
#include "platform/HeadlessPlatform.h"
#include "views/widgets/VisualView.h"

#include <QApplication>
#include <QCheckBox>
#include <QMainWindow>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

/// The Script window on its own, with a recording platform answering its questions.
class ScriptDlgTest : public ::testing::Test {
protected:
    void SetUp() override { dialog.show(); }

    QPushButton* Button(const char* name) { return dialog.findChild<QPushButton*>(name); }
    void Press(const char* name) { QTest::mouseClick(Button(name), Qt::LeftButton); }
    void SetInput(const QString& text) { dialog.InputBox().setPlainText(text); }
    QString Output() { return dialog.OutputBox().toPlainText(); }
    void SetStepMode(bool on) { dialog.findChild<QCheckBox*>("stepMode")->setChecked(on); }
    /// Waits until the running script has ended (false after five seconds).
    bool WaitForEnd() {
        return QTest::qWaitFor([this] { return !dialog.IsRunning(); }, 5000);
    }

    CRecordingPlatform platform;
    CScopedPlatform scope{platform};
    CScriptDlg dialog{nullptr};
};

/// How many pixels differ between two pictures within four pixels of a point.
int ChangedPixels(const QImage& before, const QImage& after, const QPoint& centre) {
    int changed = 0;
    for (int y = centre.y() - 4; y <= centre.y() + 4; ++y)
        for (int x = centre.x() - 4; x <= centre.x() + 4; ++x)
            changed += before.valid(x, y) && before.pixel(x, y) != after.pixel(x, y);
    return changed;
}

} // namespace

TEST_F(ScriptDlgTest, StepModeHighlightsEachLineThenTakesThreePressesToStartAgain) {
    SetInput("10 PRINT \"a\"\n20 PRINT \"b\"\n30 PRINT \"c\"\n");
    SetStepMode(true);
    const int expected[] = {1, 2, 3, 4, 0, 1};
    for (const int position : expected) {
        Press("run");
        EXPECT_EQ(dialog.Session().StepPosition(), position);
        EXPECT_EQ(dialog.InputBox().HighlightLine(), position) << "the Input box shows line P";
    }
    EXPECT_EQ(Output(), "a\nb\nc\na\n");
}

TEST_F(ScriptDlgTest, OutputAccumulatesOverRunsAndInputReadsTheOutputBox) {
    SetInput("10 PRINT \"first\"\n");
    Press("run");
    ASSERT_TRUE(WaitForEnd());
    SetInput("10 INPUT A\n20 PRINT A * 2\n");
    dialog.OutputBox().setPlainText(Output() + "21");
    Press("run");
    ASSERT_TRUE(WaitForEnd());
    EXPECT_EQ(Output(), "first\n21\n42\n") << "INPUT read the last line typed into Output";
    EXPECT_EQ(dialog.Session().StepPosition(), 2) << "a whole run leaves the line count";
}

TEST_F(ScriptDlgTest, StopAndEscapeInterruptARunWhileTheWindowKeepsWorking) {
    SetInput("10 LET I = I + 1\n20 GOTO 10\n");
    Press("run");
    EXPECT_TRUE(dialog.IsRunning()) << "the run goes on from the event loop";
    EXPECT_FALSE(Button("run")->isEnabled());
    ASSERT_TRUE(Button("stop")->isEnabled());
    QTest::qWait(60);
    EXPECT_TRUE(dialog.IsRunning());
    Press("stop");
    ASSERT_TRUE(WaitForEnd());
    EXPECT_TRUE(Output() == "Interrupted on line 10\n" || Output() == "Interrupted on line 20\n")
        << Output().toStdString();
    EXPECT_TRUE(Button("run")->isEnabled());

    dialog.OutputBox().clear();
    Press("run");
    QTest::qWait(30);
    QTest::keyClick(&dialog.InputBox(), Qt::Key_Escape);
    ASSERT_TRUE(WaitForEnd());
    EXPECT_TRUE(Output().startsWith("Interrupted on line")) << Output().toStdString();
    EXPECT_TRUE(dialog.isVisible()) << "Escape never closes the window";
}

TEST_F(ScriptDlgTest, SaveWritesTheScriptThatOpenScriptReadsBack) {
    const auto folder = std::filesystem::temp_directory_path() / "quelta-script-dlg";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "saved").string();
    SetInput("10 PRINT \"x\"\n\n20 PRINT \"y\"");
    platform.QueueFileName(path);
    Press("save");
    EXPECT_EQ(dialog.Session().Path(), path + ".bas") << "the saved path is remembered";
    std::string text;
    std::string cause;
    ASSERT_TRUE(ReadTextFile(path + ".bas", text, cause)) << cause;
    EXPECT_EQ(text, "10 PRINT \"x\"\n20 PRINT \"y\"\n");

    CQueltaDoc doc;
    doc.SetConfigPath("");
    QMainWindow window;
    CDialogWindows windows(doc, window);
    platform.QueueFileName(path + ".bas");
    windows.OpenScript();
    EXPECT_EQ(windows.ScriptWindow().InputBox().toPlainText().toStdString(), text);
    EXPECT_EQ(windows.ScriptWindow().Session().Path(), path + ".bas");
    EXPECT_EQ(doc.Header().sourceKind, SOURCE_WHITEBOARD) << "nothing was loaded before";
    windows.OpenScriptWindow();
    EXPECT_EQ(&windows.ScriptWindow(), window.findChild<CScriptDlg*>()) << "one window at most";
    std::filesystem::remove_all(folder);
}

TEST_F(ScriptDlgTest, OkEmptiesBothBoxesAndForgetsTheSteps) {
    SetInput("10 PRINT \"a\"\n20 PRINT \"b\"\n");
    SetStepMode(true);
    Press("run");
    Press("ok");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(dialog.InputBox().toPlainText().isEmpty());
    EXPECT_TRUE(Output().isEmpty());
    EXPECT_EQ(dialog.Session().StepPosition(), 0);
    dialog.show();
    SetInput("10 PRINT \"c\"\n");
    Press("run");
    EXPECT_EQ(Output(), "c\n") << "stepping starts at the new program's first line";
}

/// The main window's Script window acts on the open scenario through the model functions.
TEST(ScriptWindowOnTheDocumentTest, AScriptRunChangesTheScenarioAndTheChart) {
    CQueltaDoc doc;
    doc.SetConfigPath("");
    CQueltaFrame frame(doc);
    ASSERT_TRUE(frame.OpenStartupFile(QUELTA_EXAMPLES "/triangle.txt"));
    frame.show();
    CVisualView& chart = frame.ChartView();
    const auto at = [&chart](double x, double y) {
        return chart.ToWidget(chart.Model().Layout().ToChart(CFPoint(x, y)));
    };
    const QImage before = chart.grab().toImage();
    frame.OpenScriptWindow();
    CScriptDlg& script = frame.Dialogs().ScriptWindow();
    script.InputBox().setPlainText("10 LET OK = AddMember(\"New\", 30, 40)\n"
                                   "20 CALL SetStatusQuo(40, 45)\n"
                                   "30 PRINT GetMemberCount()\n");
    QTest::mouseClick(script.findChild<QPushButton*>("run"), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&script] { return !script.IsRunning(); }, 60000));
    EXPECT_EQ(script.OutputBox().toPlainText(), "4\n");
    EXPECT_EQ(doc.Header().currentCommittee->Members().size(), 4u);
    EXPECT_NEAR(doc.Game().StatusQuo().x, 40.0, 1e-9);
    EXPECT_TRUE(doc.IsModified());
    // The chart shows the new member where the script put it and the status quo at its new
    // place, and no longer at its old one.
    const QImage after = chart.grab().toImage();
    ASSERT_EQ(after.size(), before.size());
    for (const QPoint& changed : {at(30, 40), at(40, 45), at(50, 50)})
        EXPECT_GT(ChangedPixels(before, after, changed), 8)
            << "around " << changed.x() << ", " << changed.y();
    EXPECT_EQ(ChangedPixels(before, after, at(90, 90)), 0) << "an empty corner stays as it was";
}
