#include "dialogs/WinSetListDlg.h"

#include "geometry/Rgn.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

using Rows = std::vector<std::size_t>;
using EKind = SWinSetListEdit::EKind;

class WinSetListDlgTest : public ::testing::Test {
protected:
    void SetUp() override { dialog.show(); }
    QListWidget& List() { return *dialog.findChild<QListWidget*>("winSets"); }
    QPushButton& Button(const char* name) { return *dialog.findChild<QPushButton*>(name); }
    void Select(std::initializer_list<int> rows) {
        List().clearSelection();
        for (int row : rows)
            List().item(row)->setSelected(true);
    }
    QStringList Shown() {
        QStringList texts;
        for (int row = 0; row < List().count(); ++row)
            texts << List().item(row)->text();
        return texts;
    }

    CWinSetListDlg dialog{{"1", "2", "3\t( 1 or 2 )"}};
};

} // namespace

TEST_F(WinSetListDlgTest, ButtonsAreOfferedByHowManyEntriesAreSelected) {
    EXPECT_EQ(dialog.windowTitle(), "Win Set List Editor");
    const auto offered = [this] {
        return std::vector<bool>{
            Button("union").isEnabled(),     Button("intersection").isEnabled(),
            Button("exclusive").isEnabled(), Button("difference").isEnabled(),
            Button("capture").isEnabled(),   Button("delete").isEnabled()};
    };
    EXPECT_EQ(offered(), (std::vector<bool>{false, false, false, false, false, false}));
    Select({1});
    EXPECT_EQ(offered(), (std::vector<bool>{false, false, false, false, true, true}));
    Select({0, 2});
    EXPECT_EQ(offered(), (std::vector<bool>{true, true, true, true, false, true}));
}

TEST_F(WinSetListDlgTest, EditsAreRecordedInOrderAndTheListFollowsThem) {
    Select({2, 0});
    Button("intersection").click();
    EXPECT_EQ(Shown(), (QStringList{"1", "2", "3    ( 1 or 2 )", "4    ( 1 and 3 )"}));
    Select({1, 2, 3});
    Button("exclusive").click();
    EXPECT_EQ(Shown().last(), "5    ( 2 X 3 X 4 )");
    Select({3});
    Button("capture").click();
    EXPECT_TRUE(dialog.findChild<QLabel*>("status")->text().contains("4"));
    Select({0, 1});
    Button("delete").click();
    EXPECT_EQ(Shown(), (QStringList{"1    ( 1 or 2 )", "2    ( 1 and 3 )", "3    ( 2 X 3 X 4 )"}))
        << "entries are numbered by their place; descriptions keep the numbers they were made of";
    Select({0, 2});
    Button("difference").click();
    EXPECT_EQ(Shown().last(), "4    ( 1 - 3 )");

    const std::vector<SWinSetListEdit> edits = dialog.Answer().edits;
    ASSERT_EQ(edits.size(), 5u);
    EXPECT_EQ(edits[0].kind, EKind::Combine);
    EXPECT_EQ(edits[0].mode, RGN_AND);
    EXPECT_EQ(edits[0].selected, (Rows{0, 2})) << "selected entries go in list order";
    EXPECT_EQ(edits[1].mode, RGN_XOR);
    EXPECT_EQ(edits[1].selected, (Rows{1, 2, 3}));
    EXPECT_EQ(edits[2].kind, EKind::Capture);
    EXPECT_EQ(edits[2].selected, (Rows{3}));
    EXPECT_EQ(edits[3].kind, EKind::Delete);
    EXPECT_EQ(edits[3].selected, (Rows{0, 1}));
    EXPECT_EQ(edits[4].mode, RGN_DIFF);
    EXPECT_EQ(edits[4].selected, (Rows{0, 2})) << "indexes count in the list as it stands";
}
