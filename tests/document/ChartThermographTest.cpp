#include "document/ChartThermograph.h"
#include "thermograph/Thermograph.h"
#include "views/LongConcepts.h"
#include "views/ThermographFixture.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace {

class ChartThermographTest : public CThermographFixture {
protected:
    void SetUp() override {
        CThermographFixture::SetUp();
        OpenFiveMembers({45, 50}, 30, 30);
    }
    /// How many maps have shown their progress so far (each starts at row 0).
    int MapsRun() const {
        int maps = 0;
        for (const SStatusRecord& record : platform.StatusTexts())
            maps += record.pane == 1 && record.text == "Percent done: 0.0";
        return maps;
    }
    /// Runs the pending work as the desktop does, cancelled after `polls` polls.
    void RunPendingCancelledAfter(int polls) {
        const std::vector<SLongConcept> pending = PendingLongConcepts(doc);
        ASSERT_EQ(pending.size(), 1u);
        EXPECT_EQ(pending[0].name, "thermograph");
        platform.RequestCancelAfter(polls);
        pending[0].compute();
        platform.RequestCancelAfter(-1);
        HideCancelledConcepts(pending);
    }
};

TEST_F(ChartThermographTest, MapIsReusedWhileFreshAndRecomputedAfterAChange) {
    doc.Config().typeThermo = THERMO_AREA;
    EXPECT_TRUE(ChartThermographPending(doc));
    const QImage first = Picture();
    EXPECT_EQ(MapsRun(), 1);
    EXPECT_FALSE(ChartThermographPending(doc));
    EXPECT_TRUE(PendingLongConcepts(doc).empty());
    EXPECT_EQ(Picture(), first);
    EXPECT_EQ(MapsRun(), 1) << "a fresh map is reused";

    doc.SetStatusQuo(CFPoint(40, 40));
    EXPECT_EQ(Picture(), first);
    EXPECT_EQ(MapsRun(), 1) << "the map does not depend on the status quo";
    EXPECT_EQ(doc.Game().StatusQuo().x, 40.0);

    doc.SetMemberIdealPoint("XX4", CFPoint(55, 40));
    EXPECT_TRUE(ChartThermographPending(doc)) << "a member moved";
    const QImage moved = Picture();
    EXPECT_EQ(MapsRun(), 2);
    EXPECT_NE(moved, first);

    doc.Config().nUncoveredSet = 12;
    EXPECT_TRUE(ChartThermographPending(doc)) << "the uncovered set's grid sorts the pixels";
    doc.Config().nUncoveredSet = 20;
    EXPECT_FALSE(ChartThermographPending(doc));

    doc.Game().VetoChanged();
    EXPECT_TRUE(ChartThermographPending(doc)) << "a veto changes the win sets";
    doc.Config().szChart = {32, 30};
    doc.UpdateGridMap();
    EXPECT_EQ(Picture().width(), first.width() + 2);
    EXPECT_EQ(MapsRun(), 3) << "one map for both changes";
}

TEST_F(ChartThermographTest, VoteModesFollowTheStatusQuoAndShortModesAreNeverPending) {
    doc.Config().typeThermo = THERMO_TOTAL;
    EXPECT_FALSE(ChartThermographPending(doc)) << "painting computes the vote count itself";
    const QImage before = Picture();
    const std::uint64_t serial = doc.Thermograph().Serial();
    Picture();
    EXPECT_EQ(doc.Thermograph().Serial(), serial);
    doc.SetStatusQuo(CFPoint(30, 60));
    EXPECT_NE(Picture(), before) << "the vote grid moved with the status quo";
    EXPECT_GT(doc.Thermograph().Serial(), serial);
    doc.Config().flagThermo = 0;
    doc.Config().typeThermo = THERMO_AREA;
    EXPECT_FALSE(ChartThermographPending(doc)) << "nothing is shown";
}

TEST_F(ChartThermographTest, CancelledMapKeepsThePreviousPictureAndStatusQuo) {
    doc.Config().typeThermo = THERMO_AREA | 2;
    const QImage area = Picture();
    const std::uint64_t serial = doc.Thermograph().Serial();
    const CFPoint statusQuo = doc.Game().StatusQuo();

    // Another mode asked for and cancelled: the chart goes back to the map it showed.
    doc.Config().typeThermo = THERMO_BOD | 2;
    RunPendingCancelledAfter(5);
    EXPECT_EQ(doc.Config().typeThermo, THERMO_AREA | 2) << "the shade bit stays";
    EXPECT_EQ(doc.Config().flagThermo, 1);
    EXPECT_EQ(doc.Thermograph().Serial(), serial);
    EXPECT_EQ(Picture(), area);
    EXPECT_EQ(doc.Game().StatusQuo().x, statusQuo.x);
    EXPECT_EQ(doc.Game().StatusQuo().y, statusQuo.y);

    // The same mode after a change, cancelled: no fresh map is left, so the display goes off
    // and painting does not start the map again.
    doc.SetMemberIdealPoint("XX0", CFPoint(20, 35));
    RunPendingCancelledAfter(5);
    EXPECT_EQ(doc.Config().flagThermo, 0);
    EXPECT_EQ(doc.Thermograph().Serial(), serial) << "the previous map is kept";
    EXPECT_EQ(doc.Thermograph().Grid().mode, THERMO_AREA);
    EXPECT_EQ(doc.Game().StatusQuo().x, statusQuo.x);
    EXPECT_TRUE(PendingLongConcepts(doc).empty());

    // Switched on again, the map is computed in full, as if nothing had been cancelled.
    doc.Config().flagThermo = 1;
    for (const SLongConcept& item : PendingLongConcepts(doc))
        item.compute();
    EXPECT_FALSE(ChartThermographPending(doc));
    EXPECT_GT(doc.Thermograph().Serial(), serial);
}

TEST_F(ChartThermographTest, UntitledDocumentPaintsTheCustomMapWithoutAFile) {
    doc.ResetScenario();
    ASSERT_FALSE(doc.IsReady()) << "a reset leaves no scenario";
    doc.Config().flagThermo = 1;
    doc.Config().typeThermo = THERMO_CUSTOM;
    EXPECT_TRUE(UpdateChartThermograph(doc)) << "nothing to do without a scenario";
    EXPECT_FALSE(ChartThermographPending(doc));

    LoadText(MembersScenario({{20, 25}, {80, 25}, {50, 77}}, {50, 50}, {50, 50}));
    doc.SetPathName("*");
    doc.Config().szChart = {30, 30};
    doc.UpdateGridMap();
    doc.Config().flagThermo = 1;
    doc.Config().typeThermo = THERMO_CUSTOM;
    ASSERT_TRUE(UpdateChartThermograph(doc));
    EXPECT_FALSE(doc.Thermograph().Grid().levels.empty());
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("scenario.txt.custom.txt")));
    EXPECT_FALSE(QFileInfo::exists("*.custom.txt"));
}

} // namespace

namespace {

TEST_F(ChartThermographTest, OnlyADocumentThatKeepsTheFileWritesItAndSaysWhenItCannot) {
    const QString file = QString::fromStdString(doc.PathName()) + ".custom.txt";
    doc.Config().typeThermo = THERMO_CUSTOM;
    ASSERT_TRUE(UpdateChartThermograph(doc));
    EXPECT_FALSE(QFileInfo::exists(file)) << "by default no file is written";

    const SDistributionFilesWritten desktop;
    doc.Thermograph().MarkOutOfDate();
    ASSERT_TRUE(UpdateChartThermograph(doc));
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.readAll().startsWith("area,count\n"));
    written.remove();

    // A FIFO at the file's name is neither replaced nor waited on; the map is still painted.
    ASSERT_EQ(::mkfifo(file.toLocal8Bit().constData(), 0644), 0);
    doc.Thermograph().MarkOutOfDate();
    EXPECT_TRUE(UpdateChartThermograph(doc));
    EXPECT_FALSE(doc.Thermograph().Grid().levels.empty());
    EXPECT_FALSE(QFileInfo(file).isFile());
    EXPECT_TRUE(QFileInfo::exists(file));
    ASSERT_EQ(platform.MessageTexts().size(), 1u);
    EXPECT_EQ(platform.MessageTexts()[0], file.toStdString() + "\nThe file could not be accessed.");
}

} // namespace
