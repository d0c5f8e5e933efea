// The stretch of designs a record of changes must hold: wide enough whether
// the change was applied or reverted, and never wider than it needs to be
// for a change at one place.

#include <gtest/gtest.h>

#include "app/ChangedSpan.h"

namespace grill {
namespace {

GrillWindow Named(const std::string& name) {
  GrillWindow window;
  window.name = name;
  return window;
}

DesignEdit Replace(std::size_t index) {
  return {index, Named("old"), Named("new")};
}
DesignEdit Insert(std::size_t index) {
  return {index, std::nullopt, Named("new")};
}
DesignEdit Remove(std::size_t index) {
  return {index, Named("old"), std::nullopt};
}

struct EndsCase {
  const char* what;
  std::vector<DesignEdit> edits;
  std::size_t before;
  std::size_t after;
  std::optional<std::size_t> head;  // nullopt: no such change
  std::size_t tail;
};

TEST(SharedEnds, FollowTheEditsEitherWay) {
  const EndsCase cases[] = {
      {"replace in the middle", {Replace(3)}, 10, 10, 3, 6},
      {"replace the last", {Replace(9)}, 10, 10, 9, 0},
      {"append", {Insert(10)}, 10, 11, 10, 0},
      {"append undone", {Insert(10)}, 11, 10, 10, 0},
      {"insert at the front", {Insert(0)}, 10, 11, 0, 10},
      {"delete in the middle", {Remove(4)}, 10, 9, 4, 5},
      {"delete undone", {Remove(4)}, 9, 10, 4, 5},
      {"import of three", {Insert(5), Insert(6), Insert(7)}, 5, 8, 5, 0},
      {"import undone", {Insert(5), Insert(6), Insert(7)}, 8, 5, 5, 0},
      // Sizes that fit both ways: the stretch covers either.
      {"remove and insert", {Remove(2), Insert(4)}, 6, 6, 2, 1},
      {"two places", {Replace(1), Replace(8)}, 10, 10, 1, 1},
      {"size that fits neither way", {Insert(3)}, 10, 10, std::nullopt, 0},
      {"index beyond the list", {Replace(10)}, 10, 10, std::nullopt, 0},
  };
  for (const EndsCase& c : cases) {
    DesignChange change;
    change.edits = c.edits;
    const std::optional<SharedEnds> ends = SharedEndsOf(change, c.before, c.after);
    ASSERT_EQ(ends.has_value(), c.head.has_value()) << c.what;
    if (ends) {
      EXPECT_EQ(ends->head, *c.head) << c.what;
      EXPECT_EQ(ends->tail, c.tail) << c.what;
    }
  }
}

TEST(ChangedSpan, GathersChangesUntilReset) {
  ChangedSpan span;
  span.Reset(10);
  EXPECT_EQ(span.Removed() + span.Added(), 0u);
  EXPECT_FALSE(span.Whole());

  DesignChange edit;
  edit.edits = {Replace(6)};
  span.Add(edit, 10);
  EXPECT_EQ(span.From(), 6u);
  EXPECT_EQ(span.Removed(), 1u);
  EXPECT_EQ(span.Added(), 1u);

  DesignChange append;
  append.edits = {Insert(10)};
  span.Add(append, 11);
  EXPECT_EQ(span.From(), 6u);
  EXPECT_EQ(span.Removed(), 4u);
  EXPECT_EQ(span.Added(), 5u);

  span.Reset(11);
  DesignChange impossible;
  impossible.edits = {Insert(40)};
  span.Add(impossible, 12);
  EXPECT_TRUE(span.Whole());
  EXPECT_EQ(span.Removed(), 11u);
  EXPECT_EQ(span.Added(), 12u);

  span.Reset(3);
  span.AddAll(0);
  EXPECT_TRUE(span.Whole());
  EXPECT_EQ(span.Removed(), 3u);
}

}  // namespace
}  // namespace grill
