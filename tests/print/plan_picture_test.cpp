#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <string>
#include <vector>

#include "../cutting/SamplePlans.h"
#include "PageChecks.h"
#include "print/PageText.h"
#include "print/PlanPicture.h"

namespace grill::print {
namespace {

using test::Inside;

constexpr double kWidth = 190.0;
constexpr double kPaperTolerance = 0.1;  // mm of paper
using test::kMillimetres;
const SawValues kSaw{3.0, 10.0, 5.0, 500.0};

using cutplan::CutPiece;
using cutplan::RestKind;
using cutplan::StockBar;

// A bar of `stock` holding `pieces`, its rest what the saw leaves of it.
StockBar Bar(double stock, std::vector<CutPiece> pieces, RestKind kind = RestKind::Offcut) {
  double used = kSaw.trimHead + kSaw.trimTail;
  for (const CutPiece& piece : pieces) {
    used += piece.length;
  }
  used += kSaw.kerf * static_cast<double>(pieces.empty() ? 0 : pieces.size() - 1);
  return {stock, std::move(pieces), stock - used, kind};
}

StockBar Kitchen() {
  return Bar(6000, {{1012, "Kitchen", "W", "Horizontal bar 1"},
                    {1012, "Kitchen", "W", "Horizontal bar 2"},
                    {612, "Hall", "H", "Vertical bar 1"}});
}

// Bars 1, 2 and 4 alike; 3 and 5 each their own.
cutplan::GroupPlan SamplePlan() {
  cutplan::GroupPlan plan;
  plan.bars = {Kitchen(), Kitchen(), Bar(6000, {{5900, "Porch", "W", ""}}, RestKind::Waste),
               Kitchen(), Bar(4000, {{1500, "Attic", "H", ""}, {40, "Attic", "H", ""}})};
  return plan;
}

template <typename T>
std::vector<T> Having(const std::vector<Item>& items, Role role) {
  std::vector<T> found;
  for (const Item& item : items) {
    if (const T* typed = std::get_if<T>(&item); typed != nullptr && typed->role == role) {
      found.push_back(*typed);
    }
  }
  return found;
}

bool Inside(Point point, const Box& box) {
  return Inside(Box{point.x, point.y, 0.0, 0.0}, box);
}

TEST(PlanPictureTest, IdenticalBarsAreDrawnOnceWithTheirCount) {
  const cutplan::GroupPlan plan = SamplePlan();
  const std::vector<DrawnBar> rows = DrawPlanPicture(plan, kSaw, kMillimetres, kWidth);
  struct Expected {
    std::vector<std::size_t> bars;
    std::string numbers;
    std::string count;  // empty for a bar drawn for itself alone
  };
  const Expected expected[] = {{{0, 1, 3}, "1, 2, 4", "× 3"}, {{2}, "3", ""}, {{4}, "5", ""}};
  ASSERT_EQ(rows.size(), std::size(expected));
  std::size_t pieces = 0;
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const DrawnBar& row = rows[r];
    EXPECT_EQ(row.bars, expected[r].bars);
    std::vector<std::string> labels;
    for (const Text& text : Having<Text>(row.items, Role::Label)) {
      labels.push_back(text.text);
    }
    std::vector<std::string> wanted{expected[r].numbers};
    if (!expected[r].count.empty()) {
      wanted.push_back(expected[r].count);
    }
    EXPECT_EQ(labels, wanted) << "row " << r;
    // Every piece of the bar drawn once.
    const std::size_t segments = Having<Rect>(row.items, Role::PlanPiece).size();
    EXPECT_EQ(segments, plan.bars[row.bars.front()].pieces.size()) << "row " << r;
    pieces += segments;
  }
  EXPECT_EQ(pieces, 3u + 1u + 2u);
}

// Runs of three or more bars read as a range.
TEST(PlanPictureTest, AStripNamesEveryBarItStandsFor) {
  const StockBar other = Bar(6000, {{5900, "Porch", "W", ""}});
  struct Case {
    std::vector<StockBar> bars;
    std::vector<std::string> first;  // the first strip's labels
  };
  const Case cases[] = {
      {{Kitchen(), Kitchen(), Kitchen(), other, Kitchen()}, {"1–3, 5", "× 4"}},
      {{Kitchen(), other, Kitchen()}, {"1, 3", "× 2"}},
      {{Kitchen(), Kitchen(), other}, {"1, 2", "× 2"}},
      {{other, Kitchen()}, {"1"}},
  };
  for (const Case& c : cases) {
    cutplan::GroupPlan plan;
    plan.bars = c.bars;
    std::vector<std::string> labels;
    for (const Text& text : Having<Text>(
             DrawPlanPicture(plan, kSaw, kMillimetres, kWidth).front().items, Role::Label)) {
      labels.push_back(text.text);
    }
    EXPECT_EQ(labels, c.first) << c.first.front();
  }
}

TEST(PlanPictureTest, BarsAreAlikeOnlyWhenTheyLookAlike) {
  StockBar otherOrder = Kitchen();
  std::swap(otherOrder.pieces[0], otherOrder.pieces[2]);
  StockBar otherDesign = Kitchen();
  otherDesign.pieces[1].label = "Hall";
  StockBar wasted = Kitchen();
  wasted.restKind = RestKind::Waste;
  StockBar longer = Kitchen();
  longer.stockLength = 6500;
  StockBar otherName = Kitchen();  // what a piece is for is not drawn
  otherName.pieces[0].name = "Top edge";
  struct Case {
    const char* what;
    StockBar bar;
    bool alike;
  };
  const Case cases[] = {{"same", Kitchen(), true},
                        {"pieces reordered", otherOrder, false},
                        {"other design", otherDesign, false},
                        {"waste", wasted, false},
                        {"other stock", longer, false},
                        {"other name", otherName, true}};
  for (const Case& c : cases) {
    EXPECT_EQ(DrawnAlike(Kitchen(), c.bar), c.alike) << c.what;
  }
}

// Trims, pieces, kerfs and the rest laid end to end along the strip, each as
// long on paper as in stock times one scale.
TEST(PlanPictureTest, EveryPartIsToScaleAndInCuttingOrder) {
  const cutplan::GroupPlan plan = SamplePlan();
  const double scale = PictureScale(plan, kWidth);
  ASSERT_GT(scale, 0.0);
  for (const DrawnBar& row : DrawPlanPicture(plan, kSaw, kMillimetres, kWidth)) {
    const StockBar& bar = plan.bars[row.bars.front()];
    const std::vector<Rect> outline = Having<Rect>(row.items, Role::PlanBar);
    ASSERT_EQ(outline.size(), 1u);
    EXPECT_NEAR(outline[0].box.width, bar.stockLength * scale, kPaperTolerance);
    EXPECT_NEAR(outline[0].box.left, row.strip.left, kPaperTolerance);

    const std::vector<Rect> trims = Having<Rect>(row.items, Role::PlanTrim);
    ASSERT_EQ(trims.size(), 2u);
    EXPECT_NEAR(trims[0].box.width, kSaw.trimHead * scale, kPaperTolerance);
    EXPECT_NEAR(trims[1].box.width, kSaw.trimTail * scale, kPaperTolerance);
    EXPECT_NEAR(trims[1].box.Right(), outline[0].box.Right(), kPaperTolerance);

    const std::vector<Rect> pieces = Having<Rect>(row.items, Role::PlanPiece);
    ASSERT_EQ(pieces.size(), bar.pieces.size());
    double expectedLeft = trims[0].box.Right();
    for (std::size_t i = 0; i < pieces.size(); ++i) {
      EXPECT_NEAR(pieces[i].box.width, bar.pieces[i].length * scale, kPaperTolerance);
      EXPECT_NEAR(pieces[i].box.left, expectedLeft, kPaperTolerance) << "piece " << i;
      EXPECT_TRUE(pieces[i].filled);
      expectedLeft = pieces[i].box.Right() + kSaw.kerf * scale;  // the kerf's gap
    }
    const Role restRole = bar.restKind == RestKind::Offcut ? Role::PlanOffcut : Role::PlanWaste;
    const std::vector<Rect> rest = Having<Rect>(row.items, restRole);
    ASSERT_EQ(rest.size(), 1u);
    EXPECT_NEAR(rest[0].box.left, pieces.back().box.Right(), kPaperTolerance);
    EXPECT_NEAR(rest[0].box.width, bar.rest * scale, kPaperTolerance);
    EXPECT_NEAR(rest[0].box.Right(), trims[1].box.left, kPaperTolerance);
    // Waste is shaded, an offcut hatched.
    EXPECT_EQ(rest[0].filled, bar.restKind == RestKind::Waste);
    const std::vector<Line> hatch = Having<Line>(row.items, Role::PlanOffcut);
    EXPECT_EQ(hatch.empty(), bar.restKind == RestKind::Waste);
    for (const Line& line : hatch) {
      EXPECT_TRUE(Inside(line.from, rest[0].box) && Inside(line.to, rest[0].box));
    }
    for (const Item& item : row.items) {
      const Box box = std::visit(
          [](const auto& drawn) {
            if constexpr (std::is_same_v<std::decay_t<decltype(drawn)>, Line>) {
              return Box{std::min(drawn.from.x, drawn.to.x), std::min(drawn.from.y, drawn.to.y),
                         std::abs(drawn.to.x - drawn.from.x), std::abs(drawn.to.y - drawn.from.y)};
            } else {
              return drawn.box;
            }
          },
          item);
      EXPECT_TRUE(Inside(box, row.row));
    }
  }
}

// The longest stock fills the strip column; the shortest is drawn shorter.
TEST(PlanPictureTest, OneScaleForTheWholeGroup) {
  const cutplan::GroupPlan plan = SamplePlan();
  const std::vector<DrawnBar> rows = DrawPlanPicture(plan, kSaw, kMillimetres, kWidth);
  const double column = rows.front().strip.width;
  EXPECT_NEAR(PictureScale(plan, kWidth), column / 6000.0, 1e-9);
  EXPECT_NEAR(Having<Rect>(rows.back().items, Role::PlanBar)[0].box.width, column * 4000 / 6000,
              kPaperTolerance);
}

// A narrow segment keeps its length and drops the design, then drops both;
// no text ever runs past its segment.
TEST(PlanPictureTest, PieceTextsShortenToFitTheirSegment) {
  struct Case {
    double length;
    std::string label;
    PlanUnits units;
    std::vector<std::string> texts;
  };
  const PlanUnits mixed{Unit::Inches, CutUnit::kMillimetres};
  const Case cases[] = {
      {2000, "Kitchen", kMillimetres, {"2000.0", "Kitchen"}},
      {400, "A very long name of a design", kMillimetres, {"400.0"}},
      {12, "Kitchen", kMillimetres, {}},
      {2000, "Kitchen", mixed, {"78 3/4\" (2000.0)", "Kitchen"}},
      // Too narrow for both units: the job's alone.
      {500, "", mixed, {"19 11/16\""}},
  };
  for (const Case& c : cases) {
    cutplan::GroupPlan plan;
    plan.bars = {Bar(6000, {{c.length, c.label, "W", ""}})};
    const DrawnBar row = DrawPlanPicture(plan, kSaw, c.units, kWidth).front();
    const Rect segment = Having<Rect>(row.items, Role::PlanPiece).front();
    std::vector<std::string> texts;
    for (const Text& text : Having<Text>(row.items, Role::PlanPiece)) {
      texts.push_back(text.text);
      EXPECT_TRUE(Inside(text.box, segment.box)) << text.text;
      EXPECT_LE(EstimatedTextWidth(text.text, text.size), text.box.width) << text.text;
    }
    EXPECT_EQ(texts, c.texts) << c.length << " " << c.label;
  }
}

// Nothing to draw where the plan has no rest, no trims or no bars at all.
TEST(PlanPictureTest, MissingPartsDrawNothing) {
  cutplan::GroupPlan plan;
  plan.bars = {{3000, {{1500, "A", "", ""}, {1500, "A", "", ""}}, 0.0, RestKind::Waste}};
  const std::vector<DrawnBar> rows = DrawPlanPicture(plan, {}, kMillimetres, kWidth);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_TRUE(Having<Rect>(rows[0].items, Role::PlanTrim).empty());
  EXPECT_TRUE(Having<Rect>(rows[0].items, Role::PlanWaste).empty());
  EXPECT_TRUE(Having<Rect>(rows[0].items, Role::PlanOffcut).empty());
  const std::vector<Rect> pieces = Having<Rect>(rows[0].items, Role::PlanPiece);
  ASSERT_EQ(pieces.size(), 2u);
  EXPECT_NEAR(pieces[1].box.left, pieces[0].box.Right(), 1e-9);  // no kerf, no gap
  EXPECT_TRUE(DrawPlanPicture(cutplan::GroupPlan{}, kSaw, kMillimetres, kWidth).empty());
}

// A plan that claims more than its stock holds still draws inside its strip.
TEST(PlanPictureTest, AnOverfullBarStaysInsideItsStrip) {
  cutplan::GroupPlan plan;
  plan.bars = {{6000, {{4000, "A", "", ""}, {4000, "A", "", ""}}, -2000.0, RestKind::Waste},
               {0, {{100, "B", "", ""}}, 0.0, RestKind::Offcut}};
  for (const DrawnBar& row : DrawPlanPicture(plan, kSaw, kMillimetres, kWidth)) {
    for (const Rect& rect : Having<Rect>(row.items, Role::PlanPiece)) {
      EXPECT_TRUE(Inside(rect.box, row.strip));
      EXPECT_GE(rect.box.width, 0.0);
    }
  }
}

TEST(PlanPictureTest, PlacedMovesEveryItem) {
  const std::vector<Item> items{Line{{1, 2}, {3, 4}}, Rect{{1, 2, 3, 4}}, Text{{5, 6, 7, 8}, "x"}};
  const std::vector<Item> placed = Placed(items, {10, 20});
  EXPECT_DOUBLE_EQ(std::get<Line>(placed[0]).to.y, 24.0);
  EXPECT_DOUBLE_EQ(std::get<Rect>(placed[1]).box.left, 11.0);
  EXPECT_DOUBLE_EQ(std::get<Text>(placed[2]).box.top, 26.0);
  EXPECT_DOUBLE_EQ(std::get<Text>(placed[2]).box.width, 7.0);
}

}  // namespace
}  // namespace grill::print
