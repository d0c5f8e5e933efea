// The undo history: steps, their limit and the clean state.

#include <gtest/gtest.h>

#include "editing/UndoHistory.h"

namespace grill {
namespace {

DesignChange Step(int number) {
  return DesignChange{"step " + std::to_string(number), {}, {}, {}};
}

TEST(UndoHistory, UndoAndRedoWalkTheSteps) {
  UndoHistory history;
  EXPECT_EQ(history.StepBack(), nullptr);
  history.Push(Step(1));
  history.Push(Step(2));
  EXPECT_EQ(history.StepBack()->label, "step 2");
  EXPECT_EQ(history.NextRedo()->label, "step 2");
  EXPECT_EQ(history.NextUndo()->label, "step 1");
  EXPECT_EQ(history.StepForward()->label, "step 2");
  EXPECT_EQ(history.StepForward(), nullptr);
}

TEST(UndoHistory, ANewStepDropsTheUndoneOnes) {
  UndoHistory history;
  history.Push(Step(1));
  history.Push(Step(2));
  history.StepBack();
  history.Push(Step(3));
  EXPECT_EQ(history.NextRedo(), nullptr);
  EXPECT_EQ(history.StepBack()->label, "step 3");
  EXPECT_EQ(history.StepBack()->label, "step 1");
}

TEST(UndoHistory, CleanStateIsWhereTheJobWasSaved) {
  UndoHistory history;
  EXPECT_TRUE(history.IsClean());
  history.Push(Step(1));
  EXPECT_FALSE(history.IsClean());
  history.MarkClean();
  history.Push(Step(2));
  EXPECT_FALSE(history.IsClean());
  history.StepBack();
  EXPECT_TRUE(history.IsClean());
  history.StepBack();
  EXPECT_FALSE(history.IsClean());
  history.StepForward();
  EXPECT_TRUE(history.IsClean());
  // Undone past the saved state and changed anew: that state cannot return.
  history.StepBack();
  history.Push(Step(3));
  history.StepBack();
  EXPECT_FALSE(history.IsClean());
}

TEST(UndoHistory, KeepsTheNewestStepsUpToItsLimit) {
  UndoHistory history;
  history.MarkClean();
  for (int i = 0; i < static_cast<int>(UndoHistory::kLimit) + 5; ++i) {
    history.Push(Step(i));
  }
  std::size_t undone = 0;
  std::string oldest;
  while (const DesignChange* step = history.StepBack()) {
    oldest = step->label;
    ++undone;
  }
  EXPECT_EQ(undone, UndoHistory::kLimit);
  EXPECT_EQ(oldest, "step 5");
  EXPECT_FALSE(history.IsClean());  // the saved state fell off the end
}

}  // namespace
}  // namespace grill
