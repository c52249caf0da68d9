#include "app/CommandMenus.h"
#include "app/MainWindow.h"
#include "dialogs/AgendaDlg.h"
#include "dialogs/BenefitOfDoubtDlg.h"
#include "dialogs/ImportDlg.h"
#include "dialogs/MonteCarloDlg.h"
#include "dialogs/RegularPolygonDlg.h"
#include "document/Commands.h"
#include "document/QueltaDoc.h"
#include "model/Member.h"
#include "montecarlo/RandomDeviates.h"
#include "views/widgets/VisualView.h"
#include "widgets/ModalSteps.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <stdexcept>

namespace {

template <typename Widget = QWidget> Widget& Child(QWidget& parent, const char* name) {
    auto* child = parent.findChild<Widget*>(name);
    if (!child)
        throw std::runtime_error(std::string("no widget ") + name);
    return *child;
}

void Type(QWidget& dialog, const char* field, const QString& text) {
    Child<QLineEdit>(dialog, field).setText(text);
}

void PressOk(QDialog& dialog) {
    dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
}

/// Both axes normal far below the box of the blank scenario: about one candidate in seventeen
/// thousand falls inside, so a full draw of the largest count would take most of a minute.
SMonteCarloSettings RareSettings(int members, int seed) {
    SMonteCarloSettings s;
    s.members = members;
    s.seed = seed;
    s.distributionH = s.distributionV = MC_NORMAL;
    s.meanH = s.meanV = -250;
    s.stdDevH = s.stdDevV = 100;
    return s;
}

void TypeRareSettings(QWidget& dialog, int members, int seed) {
    Type(dialog, "members", QString::number(members));
    Type(dialog, "seed", QString::number(seed));
    for (const std::string axis : {"h", "v"}) {
        Child<QRadioButton>(dialog, (axis + "Normal").c_str()).click();
        Type(dialog, (axis + "Mean").c_str(), "-250");
        Type(dialog, (axis + "StdDev").c_str(), "100");
    }
}

/// What the dialog offered while it drew.
struct SDrawingView {
    bool watched = false;
    bool fieldsLocked = false;
    bool stopOffered = false;
    bool progressShown = false;
    int progressMax = -1;
    int progressValue = -1;
};

/// Once the dialog's progress shows `points` accepted (or after half a minute), notes what the
/// dialog offers and runs `stop`.
void WhenDrawn(QDialog& dialog, int points, SDrawingView& view, std::function<void()> stop) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(
        timer, &QTimer::timeout, [&dialog, points, &view, stop, timer, tries = 0]() mutable {
            auto& progress = Child<QProgressBar>(dialog, "progress");
            if (progress.value() < points && ++tries < 3000)
                return;
            timer->stop();
            timer->deleteLater();
            view.watched = true;
            view.fieldsLocked =
                !Child(dialog, "members").isEnabled() && !Child(dialog, "hMean").isEnabled() &&
                !Child(dialog, "run").isEnabled() && !Child(dialog, "retain").isEnabled() &&
                !Child(dialog, "ok").isEnabled() && !Child(dialog, "cancel").isEnabled();
            view.stopOffered = Child(dialog, "stop").isEnabled();
            view.progressShown = progress.isVisible();
            view.progressMax = progress.maximum();
            view.progressValue = progress.value();
            stop();
        });
    timer->start();
}

/// The main window on an empty document, in a working folder of its own (the Monte Carlo
/// settings file lives there); the generator commands run through its menus and their dialogs
/// are driven from inside their event loops.
class GeneratorDialogsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetRandomDeviates();
        m_previousFolder = QDir::currentPath();
        QDir::setCurrent(folder.path());
        doc.SetConfigPath("");
        frame = std::make_unique<CQueltaFrame>(doc);
        frame->RefreshViews();
    }
    void TearDown() override {
        frame.reset();
        QDir::setCurrent(m_previousFolder);
        ResetRandomDeviates();
    }
    void Trigger(ECommandId id) {
        QAction* action = frame->Menus().Action(id);
        ASSERT_NE(action, nullptr);
        ASSERT_TRUE(action->isEnabled());
        action->trigger();
    }
    const std::vector<CMember*>& Members() { return doc.Game().Members(); }

    QTemporaryDir folder;
    CQueltaDoc doc;
    std::unique_ptr<CQueltaFrame> frame;

private:
    QString m_previousFolder;
};

TEST_F(GeneratorDialogsTest, RegularPolygonRefusesRangesAndPlacesTheConfirmedMembers) {
    QString firstMessage, secondMessage;
    bool stayedOpen = false;
    OnNextModal<CRegularPolygonDlg>([&](CRegularPolygonDlg& dialog) {
        Type(dialog, "radius", "150");
        CloseNextMessage(firstMessage);
        PressOk(dialog);
        Type(dialog, "radius", "10");
        Type(dialog, "members", "2");
        CloseNextMessage(secondMessage);
        PressOk(dialog);
        stayedOpen = dialog.isVisible();
        Type(dialog, "members", "4");
        Child<QComboBox>(dialog, "model").setCurrentText("City Block");
        PressOk(dialog);
    });
    Trigger(ECommandId::NewRegularPolygon);
    EXPECT_EQ(firstMessage, "\"Radial Distance\" must be a number from 0 to 100.");
    EXPECT_EQ(secondMessage, "\"Number of Members\" must be an integer from 3 to 1000.");
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(doc.Header().sourceKind, SOURCE_REGULAR_POLYGON);
    ASSERT_EQ(Members().size(), 4u);
    const CFPoint expected[] = {{60, 50}, {50, 60}, {40, 50}, {50, 40}};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_NEAR(Members()[i]->IdealPoint().x, expected[i].x, 1e-9);
        EXPECT_NEAR(Members()[i]->IdealPoint().y, expected[i].y, 1e-9);
        EXPECT_EQ(Members()[i]->PrefType(), 4);
    }
}

TEST_F(GeneratorDialogsTest, ImportReadsTheFileTheDialogNamesAsANewScenario) {
    QString refusal;
    bool stayedOpen = false;
    OnNextModal<CImportDlg>([&](CImportDlg& dialog) {
        Type(dialog, "file", "");
        CloseNextMessage(refusal);
        PressOk(dialog);
        stayedOpen = dialog.isVisible();
        Type(dialog, "file", QUELTA_EXAMPLES "/import/members-sample.csv");
        Child<QComboBox>(dialog, "format").setCurrentIndex(0);
        Child<QSpinBox>(dialog, "congress").setValue(110);
        Child<QComboBox>(dialog, "chamber").setCurrentText("Senate");
        PressOk(dialog);
    });
    Trigger(ECommandId::ImportFile);
    EXPECT_EQ(refusal, "\"File\" must name the file to import.");
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(Members().size(), 3u) << "the senators of Congress 110";
    EXPECT_EQ(Members()[0]->MemberID(), "90101");
    EXPECT_EQ(doc.Header().scenarioName, "Senate, Congress 110 (NOMINATE scores)");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(frame->windowTitle().contains("Senate, Congress 110")) << "the window names it";
    for (ECommandId item : {ECommandId::NewWhiteboard, ECommandId::NewMonteCarlo,
                            ECommandId::NewRegularPolygon, ECommandId::NewBargain})
        EXPECT_FALSE(frame->Menus().Action(item)->isChecked()) << "no File > New item made it";
}

TEST_F(GeneratorDialogsTest, AgendaAndBenefitOfDoubtTakeTheirDialogsValues) {
    ASSERT_TRUE(frame->OpenStartupFile(QUELTA_EXAMPLES "/triangle.txt"));
    QString refused;
    OnNextModal<CAgendaDlg>([&](CAgendaDlg& dialog) {
        Type(dialog, "iterations", "0");
        CloseNextMessage(refused);
        PressOk(dialog);
        Type(dialog, "iterations", "3");
        PressOk(dialog);
    });
    Trigger(ECommandId::Agenda);
    EXPECT_EQ(refused, "\"Number of Iterations\" must be an integer from 1 to 100000.");
    EXPECT_EQ(doc.AgendaPath().size(), 4u) << "the start and three proposals";

    OnNextModal<CBenefitOfDoubtDlg>([](CBenefitOfDoubtDlg& dialog) {
        Child<QSlider>(dialog, "value").setValue(35);
        PressOk(dialog);
    });
    Trigger(ECommandId::BenefitOfDoubt);
    EXPECT_DOUBLE_EQ(doc.Config().dBOD, 0.35);
    EXPECT_EQ(doc.Config().flagQuotaLine, 1);

    OnNextModal<CBenefitOfDoubtDlg>([](CBenefitOfDoubtDlg& dialog) { dialog.reject(); });
    Trigger(ECommandId::BenefitOfDoubt);
    EXPECT_DOUBLE_EQ(doc.Config().dBOD, 0.35) << "Cancel keeps the value";
}

TEST_F(GeneratorDialogsTest, MonteCarloDialogRunsRetainsDiscardsAndStoresItsSettings) {
    SMonteCarloSettings stored;
    stored.members = 7;
    stored.seed = 3;
    stored.distributionH = MC_NORMAL;
    stored.meanH = 50;
    stored.stdDevH = 10;
    ASSERT_TRUE(WriteMonteCarloSettings(stored));
    struct {
        bool normalShown = false, uniformHidden = false, runOffered = true, chartChanged = false,
             chartRestored = false;
        std::size_t drawn = 0, retained = 0, afterDiscard = 99;
        QString seed;
    } seen;
    OnNextModal<CMonteCarloDlg>([&](CMonteCarloDlg& dialog) {
        EXPECT_EQ(Child<QLineEdit>(dialog, "members").text(), "7");
        seen.normalShown = Child<QLineEdit>(dialog, "hMean").isVisible();
        seen.uniformHidden = !Child<QLineEdit>(dialog, "vMean").isVisible();
        const QImage before = frame->ChartView().Image();
        Child<QPushButton>(dialog, "run").click();
        seen.drawn = doc.DrawnPoints().size();
        seen.runOffered = Child<QPushButton>(dialog, "run").isEnabled();
        seen.seed = Child<QLineEdit>(dialog, "seed").text();
        seen.chartChanged = frame->ChartView().Image() != before;
        Child<QPushButton>(dialog, "retain").click();
        seen.retained = Members().size();
        const QImage retained = frame->ChartView().Image();
        Child<QPushButton>(dialog, "run").click();
        Child<QPushButton>(dialog, "discard").click();
        seen.afterDiscard = doc.DrawnPoints().size();
        seen.chartRestored = frame->ChartView().Image() == retained;
        Child<QPushButton>(dialog, "reset").click();
        EXPECT_EQ(Child<QLineEdit>(dialog, "seed").text(), "-1");
        EXPECT_FALSE(Child<QLineEdit>(dialog, "hMean").isVisible());
        Type(dialog, "members", "2");
        PressOk(dialog);
    });
    Trigger(ECommandId::NewMonteCarlo);
    EXPECT_TRUE(seen.normalShown);
    EXPECT_TRUE(seen.uniformHidden);
    EXPECT_EQ(seen.drawn, 7u);
    EXPECT_FALSE(seen.runOffered);
    EXPECT_NE(seen.seed, "3") << "the seed field shows the generator's new state";
    EXPECT_TRUE(seen.chartChanged) << "the drawn points are on the chart before Retain";
    EXPECT_EQ(seen.retained, 7u);
    EXPECT_EQ(seen.afterDiscard, 0u);
    EXPECT_TRUE(seen.chartRestored) << "Discard redraws the scenario without the draw";
    EXPECT_EQ(Members().size(), 7u) << "OK keeps what was retained; nothing else was drawn";
    EXPECT_EQ(doc.Header().sourceKind, SOURCE_MONTE_CARLO);
    SMonteCarloSettings written;
    written.members = 2;
    EXPECT_EQ(ReadMonteCarloSettings(), written) << "OK stores the fields as they stand";
}

TEST_F(GeneratorDialogsTest, MonteCarloDrawsBesideALiveDialogAndStopsWithThePointsFound) {
    struct SRunSeen {
        SDrawingView view;
        bool stayedOpen = false, runOffered = true, retainOffered = false, fieldsBack = false;
        std::size_t drawn = 0;
        QString seed;
    };
    SRunSeen escape, closeBox, stopButton;
    std::vector<CFPoint> firstDraw;
    OnNextModal<CMonteCarloDlg>([&](CMonteCarloDlg& dialog) {
        TypeRareSettings(dialog, kMaxGeneratedMembers, 5);
        const auto runAndStop = [&](SRunSeen& seen, std::function<void()> stop) {
            WhenDrawn(dialog, 3, seen.view, std::move(stop));
            Child<QPushButton>(dialog, "run").click();
            seen.stayedOpen = dialog.isVisible();
            seen.drawn = doc.DrawnPoints().size();
            seen.runOffered = Child(dialog, "run").isEnabled();
            seen.retainOffered = Child(dialog, "retain").isEnabled();
            seen.fieldsBack =
                Child(dialog, "members").isEnabled() && Child(dialog, "ok").isEnabled();
            seen.seed = Child<QLineEdit>(dialog, "seed").text();
        };
        runAndStop(escape, [&dialog] { QTest::keyClick(&dialog, Qt::Key_Escape); });
        firstDraw = doc.DrawnPoints();
        Child<QPushButton>(dialog, "discard").click();
        runAndStop(closeBox, [&dialog] { dialog.close(); });
        Child<QPushButton>(dialog, "discard").click();
        runAndStop(stopButton, [&dialog] { Child<QPushButton>(dialog, "stop").click(); });
        Child<QPushButton>(dialog, "cancel").click();
    });
    Trigger(ECommandId::NewMonteCarlo);
    for (const SRunSeen* seen : {&escape, &closeBox, &stopButton}) {
        ASSERT_TRUE(seen->view.watched);
        EXPECT_TRUE(seen->view.fieldsLocked) << "only Stop is offered while drawing";
        EXPECT_TRUE(seen->view.stopOffered);
        EXPECT_TRUE(seen->view.progressShown);
        EXPECT_EQ(seen->view.progressMax, kMaxGeneratedMembers);
        EXPECT_GE(seen->view.progressValue, 3) << "the progress follows the accepted points";
        EXPECT_TRUE(seen->stayedOpen) << "stopping the draw does not close the dialog";
        EXPECT_GE(seen->drawn, static_cast<std::size_t>(seen->view.progressValue));
        EXPECT_LT(seen->drawn, static_cast<std::size_t>(kMaxGeneratedMembers));
        EXPECT_FALSE(seen->runOffered) << "the stopped draw waits for Retain or Discard";
        EXPECT_TRUE(seen->retainOffered);
        EXPECT_TRUE(seen->fieldsBack);
        EXPECT_NE(seen->seed, "5") << "the seed field shows the generator's new state";
    }
    EXPECT_TRUE(Members().empty());
    EXPECT_TRUE(doc.DrawnPoints().empty()) << "Cancel, once the draw has stopped, closes";

    // The first stopped draw holds the points a draw of that many from the same start gives.
    ResetRandomDeviates();
    SMonteCarloSettings replay = RareSettings(static_cast<int>(firstDraw.size()), 5);
    EXPECT_EQ(RunMonteCarloDraw(replay, doc.ScaleBox()).points, firstDraw);
}

TEST_F(GeneratorDialogsTest, CancelledMonteCarloLeavesTheBlankScenarioWithoutTheDraw) {
    QString refused;
    OnNextModal<CMonteCarloDlg>([&](CMonteCarloDlg& dialog) {
        Type(dialog, "members", "5x");
        CloseNextMessage(refused);
        Child<QPushButton>(dialog, "run").click();
        EXPECT_TRUE(doc.DrawnPoints().empty());
        Type(dialog, "members", "5");
        Child<QPushButton>(dialog, "run").click();
        EXPECT_EQ(doc.DrawnPoints().size(), 5u);
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
    });
    Trigger(ECommandId::NewMonteCarlo);
    EXPECT_EQ(refused, "\"Number of Members\" must be an integer from 0 to 100000.");
    EXPECT_EQ(doc.Header().scenarioName, "MonteCarlo");
    EXPECT_EQ(doc.Header().sourceKind, SOURCE_NONE);
    EXPECT_TRUE(Members().empty());
    EXPECT_TRUE(doc.DrawnPoints().empty());
    EXPECT_FALSE(QFile::exists("queltamc.txt"));
}

} // namespace
