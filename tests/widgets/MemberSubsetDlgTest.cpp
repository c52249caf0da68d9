#include "dialogs/MemberSubsetDlg.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using Ids = std::vector<std::string>;

class MemberSubsetDlgTest : public ::testing::Test {
protected:
    void SetUp() override { dialog.show(); }
    QListWidget& List() { return *dialog.findChild<QListWidget*>("members"); }
    void ClickBox(int row) {
        // The check box sits at the left of the row.
        const QRect rect = List().visualItemRect(List().item(row));
        QTest::mouseClick(List().viewport(), Qt::LeftButton, {},
                          QPoint(rect.left() + 10, rect.center().y()));
    }
    QString Count() { return dialog.findChild<QLabel*>("count")->text(); }

    CMemberSubsetDlg dialog{"Select Subgroup", {{"A1", "Adams"}, {"B2", "Baker"}, {"C3", "Cole"}}};
};

} // namespace

TEST_F(MemberSubsetDlgTest, TheAnswerHoldsTheTickedMembersInListOrder) {
    EXPECT_EQ(dialog.windowTitle(), "Select Subgroup");
    EXPECT_EQ(List().item(1)->text(), "Baker");
    EXPECT_TRUE(dialog.Answer().memberIds.empty()) << "nobody is chosen when it opens";
    EXPECT_EQ(Count(), "0 of 3 chosen");
    ClickBox(2);
    ClickBox(0);
    EXPECT_EQ(dialog.Answer().memberIds, (Ids{"A1", "C3"}));
    EXPECT_EQ(Count(), "2 of 3 chosen");
    ClickBox(0);
    EXPECT_EQ(dialog.Answer().memberIds, (Ids{"C3"})) << "a second click takes the tick away";
}

TEST_F(MemberSubsetDlgTest, AllAndNoneTickEveryMemberOrNone) {
    dialog.findChild<QPushButton*>("selectAll")->click();
    EXPECT_EQ(dialog.Answer().memberIds, (Ids{"A1", "B2", "C3"}));
    EXPECT_EQ(Count(), "3 of 3 chosen");
    dialog.findChild<QPushButton*>("selectNone")->click();
    EXPECT_TRUE(dialog.Answer().memberIds.empty());
}
