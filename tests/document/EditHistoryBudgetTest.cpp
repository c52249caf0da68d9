#include "document/EditHistory.h"

#include <gtest/gtest.h>

namespace {

/// The origin of a scenario saved at `path`.
SScenarioOrigin SavedAt(const std::string& path) {
    SScenarioOrigin origin;
    origin.path = path;
    return origin;
}

/// A snapshot whose text weighs `bytes` and names the state `tag`.
SScenarioSnapshot State(char tag, size_t bytes = 100) {
    return {std::string(bytes, tag), 1.0, nullptr};
}

/// A history whose snapshots may weigh five states of 100 bytes, with states a..j recorded.
class EditHistoryBudgetTest : public ::testing::Test {
protected:
    void SetUp() override {
        history.SetBudget(500);
        history.Restart(State('a'));
        for (char tag = 'b'; tag <= 'j'; ++tag)
            ASSERT_TRUE(history.Record(std::string(1, tag), State(tag)));
    }
    /// The states undo walks back through from the current one, oldest last.
    std::string UndoWalk() {
        std::string walk(1, history.Current().text[0]);
        while (const SScenarioSnapshot* back = history.StepBack({}).snapshot)
            walk += back->text[0];
        return walk;
    }
    CEditHistory history;
};

TEST_F(EditHistoryBudgetTest, TheOldestStepsGoWhenTheSnapshotsOutweighTheBudget) {
    EXPECT_EQ(history.Weight(), 500u);
    EXPECT_EQ(history.StepNames(), (std::vector<std::string>{"g", "h", "i", "j"}));
    EXPECT_EQ(UndoWalk(), "jihgf") << "undo still reaches the first state kept";
    EXPECT_EQ(history.StepForward({}).snapshot->text[0], 'g');
}

TEST_F(EditHistoryBudgetTest, SavedPositionsMoveWithTheStepsAndGoWithTheirState) {
    history.MarkClean("saved.txt");
    ASSERT_TRUE(history.Record("k", State('k')));
    EXPECT_FALSE(history.IsClean());
    history.StepBack({});
    EXPECT_TRUE(history.IsClean()) << "the save at j is one step back after the oldest went";
    ASSERT_TRUE(history.Record("l", State('l')));
    for (char tag = 'm'; tag <= 'p'; ++tag)
        ASSERT_TRUE(history.Record(std::string(1, tag), State(tag)));
    EXPECT_EQ(UndoWalk(), "ponml");
    EXPECT_FALSE(history.IsClean()) << "the saved state is forgotten, not another taken for it";
}

TEST_F(EditHistoryBudgetTest, TheLastStepIsKeptWhateverItWeighs) {
    ASSERT_TRUE(history.Record("huge", State('z', 10000)));
    EXPECT_EQ(history.StepNames(), std::vector<std::string>{"huge"});
    EXPECT_EQ(UndoWalk(), "zj");
}

TEST_F(EditHistoryBudgetTest, AForgottenReplacementKeepsTheLaterScenariosApart) {
    history.Restart(State('a'));
    ASSERT_TRUE(history.RecordReplacement("generate", SavedAt("a.txt"), State('g'), SavedAt("")));
    history.MarkClean("g.txt");
    ASSERT_TRUE(history.RecordReplacement("generate", SavedAt("g.txt"), State('h'), SavedAt("")));
    history.MarkClean("h.txt");
    for (char tag = 'i'; tag <= 'k'; ++tag)
        ASSERT_TRUE(history.Record(std::string(1, tag), State(tag)));
    ASSERT_EQ(history.StepNames().size(), 4u) << "the first replacement is forgotten";
    for (int step = 0; step < 3; ++step)
        history.StepBack(SavedAt("h.txt"));
    EXPECT_TRUE(history.IsClean()) << "h as saved";
    const SHistoryPlace back = history.StepBack(SavedAt("h.txt"));
    EXPECT_EQ(back.snapshot->text[0], 'g');
    EXPECT_EQ(back.origin->path, "g.txt");
    EXPECT_TRUE(history.IsClean()) << "g keeps its own saved position";
}

TEST(EditHistoryDefaultBudgetTest, SmallScenariosKeepEveryStep) {
    CEditHistory history;
    history.Restart(State('a', 30000));
    for (int step = 0; step < 1000; ++step)
        ASSERT_TRUE(history.Record("drag", State(step % 2 ? 'a' : 'b', 30000)));
    EXPECT_EQ(history.StepNames().size(), 1000u);
}

} // namespace
