// The stretch of designs a record of changes must hold: what the changes
// since the last record touched, and never wider.

#include <gtest/gtest.h>

#include "app/ChangedSpan.h"

namespace grill {
namespace {

TEST(ChangedSpan, GathersChangesUntilReset) {
  ChangedSpan span;
  span.Reset(10);
  EXPECT_EQ(span.Removed() + span.Added(), 0u);
  EXPECT_FALSE(span.Whole());

  span.Add(DesignsChanged{6, 1, 1}, 10);
  EXPECT_EQ(span.From(), 6u);
  EXPECT_EQ(span.Removed(), 1u);
  EXPECT_EQ(span.Added(), 1u);

  span.Add(DesignsChanged{10, 0, 1}, 11);
  EXPECT_EQ(span.From(), 6u);
  EXPECT_EQ(span.Removed(), 4u);
  EXPECT_EQ(span.Added(), 5u);

  span.Reset(11);
  span.Add(DesignsChanged{40, 0, 1}, 12);
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
