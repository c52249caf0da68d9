#include "ComboChoice.h"
#include "app/MainWindow.h"
#include "database/DatabaseCommands.h"
#include "document/DatabaseHook.h"
#include "document/QueltaDoc.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

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

} // namespace
