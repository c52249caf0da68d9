#include "ChartEvents.h"
#include "ComboChoice.h"
#include "app/MainWindow.h"
#include "database/DatabaseCommands.h"
#include "document/DatabaseHook.h"
#include "document/LegislatureCopy.h"
#include "document/QueltaDoc.h"
#include "document/ScenarioFile.h"
#include "views/widgets/VisualView.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

/// The main window on a private copy of the shipped legislature database.
class DatabaseWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        InstallDatabaseCommands();
        path = dir.filePath("legislature.sqlite");
        ASSERT_TRUE(QFile::copy(QDir(QUELTA_EXAMPLES).filePath("legislature.sqlite"), path));
        QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        doc.SetConfigPath("");
        frame = std::make_unique<CQueltaFrame>(doc);
    }
    void TearDown() override {
        frame.reset();
        SetDatabaseCommands(nullptr);
    }

    /// Everything the scenario holds: its text and its legislature.
    std::string Whole() const { return ScenarioText(doc) + LegislatureState(doc); }
    CVisualView& View() { return frame->ChartView(); }
    QPoint At(const CFPoint& point) { return WidgetPoint(View(), point); }

    QTemporaryDir dir;
    QString path;
    CQueltaDoc doc;
    std::unique_ptr<CQueltaFrame> frame;
};

TEST_F(DatabaseWindowTest, DatabaseOnTheCommandLineFillsTheScenarioListAndAChoiceOpensIt) {
    ASSERT_TRUE(frame->OpenStartupFile(path));
    EXPECT_EQ(doc.Header().sourceKind, SOURCE_DATABASE);
    auto* scenarios = frame->findChild<QComboBox*>("scenario");
    ASSERT_NE(scenarios, nullptr);
    const int tax = scenarios->findText("Tax reform");
    ASSERT_GE(tax, 0) << "the stored scenarios are offered";
    EXPECT_GT(frame->findChild<QComboBox*>("committees")->count(), 1)
        << "the upper house's committees are offered";
    EXPECT_GE(frame->findChild<QComboBox*>("horizontalScale")->count(), 3);
    frame->show();
    ChooseInComboBox(*scenarios, "Tax reform");
    EXPECT_EQ(doc.Header().scenarioName, "Tax reform");
    EXPECT_EQ(doc.Game().Members().size(), 5u);
    EXPECT_EQ(frame->findChild<QComboBox*>("horizontalScale")->currentText(),
              QString::fromStdString(doc.Header().horizontalScale->Rating()));
}

TEST_F(DatabaseWindowTest, ControlZTakesBackADeletionAndADragOfAStoredScenario) {
    ASSERT_TRUE(frame->OpenStartupFile(path));
    frame->show();
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    ChooseInComboBox(*frame->findChild<QComboBox*>("scenario"), "Tax reform");
    const std::string opened = Whole();
    const auto members = [this] { return doc.Header().currentCommittee->Members(); };
    ASSERT_EQ(members().size(), 5u);

    const CMember* first = members().front();
    QTest::mouseClick(&View(), Qt::RightButton, Qt::ShiftModifier, At(first->IdealPoint()));
    ASSERT_EQ(members().size(), 4u);
    EXPECT_TRUE(frame->isWindowModified());
    PressUndo(*frame);
    EXPECT_EQ(Whole(), opened) << "the member is back in its committees";
    EXPECT_FALSE(frame->isWindowModified());

    const CFPoint start = members().back()->IdealPoint();
    const QPoint from = At(start);
    const QPoint to = At(CFPoint(start.x + 10, start.y - 10));
    DragOnChart(View(), from, to);
    ASSERT_NE(Whole(), opened);
    EXPECT_EQ(doc.History().StepNames().back(), "Move Member") << "the drag is one step";
    PressUndo(*frame);
    EXPECT_EQ(Whole(), opened);
    QTest::keySequence(frame.get(), QKeySequence::Redo);
    EXPECT_NE(Whole(), opened);
}

} // namespace
