// What a change touches, and how a step joins the one before it.

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "editing/DesignChange.h"
#include "editing/UndoHistory.h"
#include "named_design.h"

namespace grill {
namespace {

using test::Named;

DesignEdit Replace(std::size_t index) {
  return {index, Named("old"), Named("new")};
}
DesignEdit Insert(std::size_t index) {
  return {index, std::nullopt, Named("new")};
}
DesignEdit Remove(std::size_t index) {
  return {index, Named("old"), std::nullopt};
}

struct StretchCase {
  const char* what;
  std::vector<DesignEdit> edits;
  PlayDirection direction;
  std::size_t size;  // before the change
  ListStretch stretch;
};

TEST(StretchOf, FollowsTheEditsInTheirDirection) {
  constexpr PlayDirection apply = PlayDirection::Apply;
  constexpr PlayDirection revert = PlayDirection::Revert;
  const StretchCase cases[] = {
      {"replace in the middle", {Replace(3)}, apply, 10, {3, 1, 1}},
      {"replace the last", {Replace(9)}, apply, 10, {9, 1, 1}},
      {"append", {Insert(10)}, apply, 10, {10, 0, 1}},
      {"append undone", {Insert(10)}, revert, 11, {10, 1, 0}},
      {"insert at the front", {Insert(0)}, apply, 10, {0, 0, 1}},
      {"delete in the middle", {Remove(4)}, apply, 10, {4, 1, 0}},
      {"delete undone", {Remove(4)}, revert, 9, {4, 0, 1}},
      {"import of three", {Insert(5), Insert(6), Insert(7)}, apply, 5, {5, 0, 3}},
      {"import undone", {Insert(5), Insert(6), Insert(7)}, revert, 8, {5, 3, 0}},
      {"remove and insert", {Remove(2), Insert(4)}, apply, 6, {2, 3, 3}},
      {"two places", {Replace(1), Replace(8)}, apply, 10, {1, 8, 8}},
      {"nothing touched", {}, apply, 10, {10, 0, 0}},
      // Edits that do not fit the list touch all of it.
      {"insertion beyond the list", {Insert(12)}, apply, 10, {0, 10, 10}},
      {"index beyond the list", {Replace(10)}, apply, 10, {0, 10, 10}},
  };
  for (const StretchCase& c : cases) {
    DesignChange change;
    change.edits = c.edits;
    EXPECT_EQ(StretchOf(change, c.direction, c.size), c.stretch) << c.what;
  }
}

// A nudge of bar 2 of design 0: its position goes from `from` to `to`.
DesignChange Nudge(double from, double to, const char* way) {
  GrillWindow before = Named("Kitchen", 3);
  GrillWindow after = before;
  before.horzPos[2] = from;
  after.horzPos[2] = to;
  DesignChange change{std::string("Nudge Bar 2 ") + way, {}, {0, {}}, {0, {}}};
  change.edits.push_back({0, before, after});
  change.merge = MergeRule{"nudge 0 horizontal 1", "Nudge Bar 2"};
  return change;
}

TEST(UndoHistoryMerge, NudgesOfOneBarJoinIntoOneStep) {
  UndoHistory history;
  history.Push(DesignChange{"New Kitchen", {}, {}, {}});
  history.Push(Nudge(100, 110, "Down"));
  history.Push(Nudge(110, 120, "Down"));
  history.Push(Nudge(120, 130, "Down"));
  const DesignChange* step = history.NextUndo();
  ASSERT_NE(step, nullptr);
  EXPECT_EQ(step->label, "Nudge Bar 2 Down");
  EXPECT_EQ(step->edits[0].before->horzPos[2], 100);
  EXPECT_EQ(step->edits[0].after->horzPos[2], 130);
  history.StepBack();
  EXPECT_EQ(history.NextUndo()->label, "New Kitchen");

  // Down and up again name the bar alone; back where it began is no step.
  history.StepForward();
  history.Push(Nudge(130, 125, "Up"));
  EXPECT_EQ(history.NextUndo()->label, "Nudge Bar 2");
  history.Push(Nudge(125, 100, "Up"));
  EXPECT_EQ(history.NextUndo()->label, "New Kitchen");
  EXPECT_EQ(history.NextRedo(), nullptr);
}

// The second nudge stands as a step of its own.
TEST(UndoHistoryMerge, StepsApartDoNotJoin) {
  struct Case {
    const char* what;
    std::function<void(UndoHistory&)> between;
    std::optional<MergeRule> secondRule;
  };
  const MergeRule sameBar{"nudge 0 horizontal 1", "Nudge Bar 2"};
  const Case cases[] = {
      {"another bar", [](UndoHistory&) {}, MergeRule{"nudge 0 horizontal 2", "Nudge Bar 3"}},
      {"a step without a rule", [](UndoHistory&) {}, std::nullopt},
      {"a save between", [](UndoHistory& h) { h.MarkClean(); }, sameBar},
      {"another step between",
       [](UndoHistory& h) {
         h.Push(DesignChange{"Edit Bar Position", {}, {}, {}});
       },
       sameBar},
  };
  for (const Case& c : cases) {
    UndoHistory history;
    history.Push(Nudge(100, 110, "Down"));
    c.between(history);
    DesignChange second = Nudge(110, 120, "Down");
    second.merge = c.secondRule;
    history.Push(second);
    const DesignChange* newest = history.NextUndo();
    ASSERT_NE(newest, nullptr) << c.what;
    EXPECT_EQ(newest->edits[0].before->horzPos[2], 110) << c.what;
  }
}

}  // namespace
}  // namespace grill
