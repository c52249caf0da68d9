#include "app/MainWindow.h"
#include "document/EditSteps.h"
#include "document/QueltaDoc.h"
#include "document/ScenarioFile.h"
#include "geometry/Rgn.h"
#include "model/Member.h"
#include "views/widgets/InputView.h"
#include "views/widgets/VisualView.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

/// The real main window on a shipped example, driven with Qt Test's mouse events.
class ChartViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        doc.SetConfigPath("");
        frame = std::make_unique<CQueltaFrame>(doc);
        ASSERT_TRUE(frame->OpenStartupFile(QUELTA_EXAMPLES "/triangle.txt"));
        frame->show();
        // The chart fits the window once its size has settled.
        QTest::qWait(400);
    }

    CVisualView& View() { return frame->ChartView(); }
    /// The widget position of an issue-space point.
    QPoint At(double x, double y) {
        return View().ToWidget(View().Model().Layout().ToChart(CFPoint(x, y)));
    }
    void Drag(const QPoint& from, const QPoint& to, Qt::KeyboardModifiers keys = {}) {
        QTest::mousePress(&View(), Qt::LeftButton, keys, from);
        QTest::mouseMove(&View(), (from + to) / 2);
        QTest::mouseMove(&View(), to);
        QTest::mouseRelease(&View(), Qt::LeftButton, keys, to);
    }
    QString Field(int index) {
        QList<QLineEdit*> fields;
        for (QLineEdit* field : frame->InputView().findChildren<QLineEdit*>())
            if (!qobject_cast<QComboBox*>(field->parent()))
                fields << field;
        return fields.at(index)->text();
    }

    CQueltaDoc doc;
    std::unique_ptr<CQueltaFrame> frame;
};

TEST_F(ChartViewTest, ShiftClickCreatesAMemberWhereClicked) {
    QTest::mouseClick(&View(), Qt::LeftButton, Qt::ShiftModifier, At(30.0, 70.0));
    const auto& members = doc.Header().currentCommittee->Members();
    ASSERT_EQ(members.size(), 4u);
    EXPECT_EQ(members.back()->MemberID(), "XX3");
    EXPECT_NEAR(members.back()->IdealPoint().x, 30.0, 0.25);
    EXPECT_NEAR(members.back()->IdealPoint().y, 70.0, 0.25);
    QTest::mouseClick(&View(), Qt::RightButton, Qt::ShiftModifier, At(30.0, 70.0));
    EXPECT_EQ(doc.Header().currentCommittee->Members().size(), 3u) << "Shift+right deletes";
}

TEST_F(ChartViewTest, AStatusQuoDragRecomputesTheWinSetAtEveryMoveAsASynchronousRunWould) {
    doc.SetProposal(CFPoint(70.0, 70.0));
    doc.Config().flagWinSet = 1;
    doc.Config().flagHeart = 1;
    frame->RefreshViews();
    doc.SetModifiedFlag(false);
    // A second document on the same grid computes each point's win set from scratch.
    CQueltaDoc reference;
    reference.SetConfigPath("");
    ASSERT_TRUE(ReadScenarioFile(reference, QUELTA_EXAMPLES "/triangle.txt"));
    reference.SetFittedChartSize(doc.ChartSize());
    QTest::mousePress(&View(), Qt::LeftButton, {}, At(50.0, 50.0));
    for (const auto& [x, y] : {std::pair(45.0, 45.0), {40.0, 35.0}, {30.0, 40.0}}) {
        QTest::mouseMove(&View(), At(x, y));
        QApplication::processEvents();
        const CFPoint point = doc.Game().StatusQuo();
        EXPECT_NEAR(point.x, x, 0.25) << "the status quo follows the mouse";
        EXPECT_NEAR(Field(0).toDouble(), point.x, 1e-3) << "the form shows it";
        EXPECT_FALSE(doc.Game().Stale().IsStale(EConcept::WinSet)) << "computed in the frame";
        reference.Game().SetStatusQuo(point);
        EXPECT_TRUE(doc.Game().GetWinSet().GetRgn().EqualRgn(reference.Game().GetWinSet().GetRgn()))
            << x << ", " << y;
    }
    QTest::mouseRelease(&View(), Qt::LeftButton, {}, At(30.0, 40.0));
    EXPECT_NEAR(doc.Game().StatusQuo().x, 30.0, 0.25);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_FALSE(doc.Game().Stale().IsStale(EConcept::Heart)) << "the heart follows on release";
}

TEST_F(ChartViewTest, AMemberDraggedLiveAndBackLeavesTheDocumentAsItWas) {
    // Shown as the menu shows it: one step of the history, so the drag is measured against it.
    doc.Config().flagWinSet = 1;
    CommitEdit(doc, "Win Set");
    frame->RefreshViews();
    doc.SetModifiedFlag(false);
    CMember* member = doc.Header().currentCommittee->Members()[0];
    const CFPoint start = member->IdealPoint();
    const double area = doc.Game().GetWinSetArea();
    const QPoint from = At(start.x, start.y);
    QTest::mousePress(&View(), Qt::LeftButton, {}, from);
    QTest::mouseMove(&View(), At(30.0, 60.0));
    QApplication::processEvents();
    EXPECT_NEAR(member->IdealPoint().x, 30.0, 0.25) << "the member follows the mouse";
    EXPECT_NE(doc.Game().GetWinSetArea(), area) << "and the win set follows the member";
    QTest::mouseMove(&View(), from);
    QTest::mouseRelease(&View(), Qt::LeftButton, {}, from);
    EXPECT_EQ(member->IdealPoint().x, start.x);
    EXPECT_EQ(member->IdealPoint().y, start.y);
    EXPECT_DOUBLE_EQ(doc.Game().GetWinSetArea(), area);
    EXPECT_FALSE(doc.IsModified()) << "a drag back to the start changes nothing";
}

TEST_F(ChartViewTest, AMemberDraggedOutOfThePlotStaysAtItsLastPointInside) {
    const CMember* left = doc.Header().currentCommittee->Members()[0];
    const QPoint inside = At(10.0, 25.0);
    QTest::mousePress(&View(), Qt::LeftButton, {}, At(20.0, 25.0));
    QTest::mouseMove(&View(), inside);
    QTest::mouseMove(&View(), inside - QPoint(200, 0));
    QTest::mouseRelease(&View(), Qt::LeftButton, {}, inside - QPoint(200, 0));
    const CFPoint last = View().Model().Layout().ToWorld(View().ToLogical(inside));
    EXPECT_DOUBLE_EQ(left->IdealPoint().x, last.x);
    EXPECT_DOUBLE_EQ(left->IdealPoint().y, last.y);
}

TEST_F(ChartViewTest, OneScaleOnBothAxesPutsMembersOnTheDiagonalAndCatchesNone) {
    doc.SelectVerticalScale(doc.Header().horizontalScale->RatingID());
    frame->RefreshViews();
    const CMember* left = doc.Header().currentCommittee->Members()[0];
    const CFPoint before = left->IdealPoint();
    EXPECT_EQ(before, CFPoint(20.0, 20.0)) << "its one rating on both axes";
    // A scenario with one scale on both axes is not ready: the chart catches no member, so a
    // drag from the member leaves it where it is.
    ASSERT_FALSE(doc.IsReady());
    doc.SetModifiedFlag(false);
    Drag(At(before.x, before.y), At(40.0, 60.0));
    EXPECT_EQ(left->IdealPoint(), before);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(ChartViewTest, ControlClickShowsTheCoalitionAndControlRightHidesIt) {
    QTest::mouseClick(&View(), Qt::LeftButton, Qt::ControlModifier, At(30.0, 30.0));
    EXPECT_EQ(doc.Config().flagCoalition, 1);
    EXPECT_NEAR(doc.Game().Proposal().x, 30.0, 0.25);
    QTimer::singleShot(0, [] {
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
    });
    QTest::mouseClick(&View(), Qt::RightButton, Qt::ControlModifier, At(90.0, 90.0));
    EXPECT_EQ(doc.Config().flagCoalition, 0);
}

TEST_F(ChartViewTest, RightClickOnEmptyPlotOffersOnlyTheCoordinates) {
    QStringList items;
    QTimer::singleShot(0, [&items] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (QAction* action : menu->actions())
                items << action->text();
            menu->close();
        }
    });
    QTest::mouseClick(&View(), Qt::RightButton, {}, At(90.0, 90.0));
    ASSERT_EQ(items.size(), 1);
    EXPECT_NEAR(items[0].section(',', 0, 0).toDouble(), 90.0, 0.5) << items[0].toStdString();
    EXPECT_NEAR(items[0].section(',', 1, 1).toDouble(), 90.0, 0.5) << items[0].toStdString();
}

} // namespace
