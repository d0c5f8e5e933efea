#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "PageChecks.h"
#include "PrintDesigns.h"
#include "model/InchFraction.h"
#include "print/DesignPages.h"
#include "print/GrillDrawing.h"
#include "print/JobPrint.h"

namespace grill::print {
namespace {

using test::ExpectLegible;
using test::Has;
using test::ItemsOf;
using test::MakeCutTable;
using test::MakePrintDesign;

class DesignPagesTest : public ::testing::Test {
 protected:
  test::PrintConfig config;
  // 36 x 48 inches outside, three horizontal and two vertical bars.
  GrillWindow window = MakePrintDesign(config, "Kitchen left", 882.65, 1187.45,
                                       {296.8625, 593.725, 890.5875}, {294.2, 588.4});
  DrawingSettings settings{kLetter, Unit::Inches, "Smith house", "2026-12-08"};

  DrawingPlan PlanOf(const GrillWindow& design) const {
    const CutTable cuts = MakeCutTable(design);
    const DesignLayout layout =
        LayOutDesign(design, cuts, settings, BestOrientation(design, cuts, settings));
    return PlanDrawing(design, layout.drawingArea, settings.unit);
  }
  std::vector<Page> Pages(const GrillWindow& design) const {
    return BuildDesignPages(design, MakeCutTable(design), settings);
  }
};

std::vector<std::string> TextsOf(const Page& page, Role role) {
  std::vector<std::string> texts;
  for (const Text& text : ItemsOf<Text>(page)) {
    if (text.role == role) {
      texts.push_back(text.text);
    }
  }
  return texts;
}

std::vector<std::string> AllTexts(const std::vector<Page>& pages) {
  std::vector<std::string> texts;
  for (const Page& page : pages) {
    for (const Text& text : ItemsOf<Text>(page)) {
      texts.push_back(text.text);
    }
  }
  return texts;
}

std::vector<Rect> BarRects(const Page& page) {
  std::vector<Rect> bars;
  for (const Rect& rect : ItemsOf<Rect>(page)) {
    if (rect.role == Role::Bar) {
      bars.push_back(rect);
    }
  }
  return bars;
}

bool Covers(const Box& box, Point point) {
  return box.left < point.x && point.x < box.Right() && box.top < point.y && point.y < box.Bottom();
}

TEST_F(DesignPagesTest, GrillIsDrawnToScaleAsLargeAsTheAreaAllows) {
  const std::vector<Page> pages = Pages(window);
  const DrawingPlan plan = PlanOf(window);
  ASSERT_TRUE(plan.drawable);
  const std::vector<Rect> rects = ItemsOf<Rect>(pages.front());
  const auto inner = std::find_if(rects.begin(), rects.end(),
                                  [](const Rect& r) { return r.role == Role::InnerOutline; });
  ASSERT_NE(inner, rects.end());
  EXPECT_NEAR(inner->box.width, window.innerWidth * plan.scale, 1e-9);
  EXPECT_NEAR(inner->box.height, window.innerHeight * plan.scale, 1e-9);
  // The outline keeps the edge's width on every side, at the same scale.
  EXPECT_NEAR(inner->box.left - plan.outer.left, 15.875 * plan.scale, 1e-9);
  EXPECT_NEAR(plan.outer.Bottom() - inner->box.Bottom(), 15.875 * plan.scale, 1e-9);
  // A tall design is held by the area's height: little room is left below.
  EXPECT_GT(plan.outer.Bottom(), plan.area.Bottom() - 10.0);
  EXPECT_LE(plan.outer.Bottom(), plan.area.Bottom());
  EXPECT_GE(plan.outer.left, plan.area.left);
  EXPECT_LE(plan.outer.Right(), plan.area.Right());
}

TEST_F(DesignPagesTest, BarsLieAtTheirPositionsAtTheBarTypesWidth) {
  const DrawingPlan plan = PlanOf(window);
  const std::vector<Rect> bars = BarRects(Pages(window).front());
  // Four rows of two vertical segments, three bars of three horizontal ones.
  ASSERT_EQ(bars.size(), 8u + 9u);
  const double width = 19.05 * plan.scale;
  const double x = plan.inner.left + 588.4 * plan.scale;
  const double y = plan.inner.top + 593.725 * plan.scale;
  EXPECT_TRUE(std::any_of(bars.begin(), bars.end(), [&](const Rect& r) {
    return r.filled && std::abs(r.box.left + r.box.width / 2 - x) < 1e-9 &&
           std::abs(r.box.width - width) < 1e-9;
  }));
  EXPECT_TRUE(std::any_of(bars.begin(), bars.end(), [&](const Rect& r) {
    return std::abs(r.box.top + r.box.height / 2 - y) < 1e-9 &&
           std::abs(r.box.height - width) < 1e-9;
  }));
  // Bars at the grill's edge are cut off at the inner outline.
  for (const Rect& bar : bars) {
    EXPECT_GE(bar.box.left, plan.inner.left - 1e-9);
    EXPECT_LE(bar.box.Bottom(), plan.inner.Bottom() + 1e-9);
  }
}

TEST_F(DesignPagesTest, RemovedSegmentIsAbsent) {
  const DrawingPlan plan = PlanOf(window);
  // The first vertical bar between the first and second horizontal bars.
  const Point middle{plan.inner.left + 294.2 * plan.scale,
                     plan.inner.top + (296.8625 + 593.725) / 2 * plan.scale};
  const auto covered = [&](const std::vector<Rect>& bars) {
    return std::any_of(bars.begin(), bars.end(),
                       [&](const Rect& r) { return Covers(r.box, middle); });
  };
  EXPECT_TRUE(covered(BarRects(Pages(window).front())));

  window.vertSegments[1][1] = 0;
  const std::vector<Rect> bars = BarRects(Pages(window).front());
  EXPECT_EQ(bars.size(), 16u);
  EXPECT_FALSE(covered(bars));
}

TEST_F(DesignPagesTest, BarsWithoutAWidthAreLines) {
  window.barType = &config.lineBar;
  const Page page = Pages(window).front();
  EXPECT_TRUE(BarRects(page).empty());
  const std::vector<Line> lines = ItemsOf<Line>(page);
  EXPECT_EQ(
      std::count_if(lines.begin(), lines.end(), [](const Line& l) { return l.role == Role::Bar; }),
      17);
}

TEST_F(DesignPagesTest, DimensionValuesInEitherUnit) {
  struct Case {
    Unit unit;
    std::vector<std::string> values;
  };
  const Case cases[] = {
      {Unit::Inches,
       {"11 11/16\"", "23 3/16\"", "23 3/8\"", "35 1/16\"", "11 9/16\"", "inner 34 3/4\"",
        "inner 46 3/4\""}},
      {Unit::Millimetres,
       {"296.9", "593.7", "890.6", "294.2", "588.4", "inner 882.6", "inner 1187.5"}},
  };
  for (const Case& c : cases) {
    settings.unit = c.unit;
    std::vector<std::string> values = TextsOf(Pages(window).front(), Role::DimensionValue);
    std::vector<std::string> expected = c.values;
    std::sort(values.begin(), values.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(values, expected);
  }
}

TEST_F(DesignPagesTest, RoundingIsStatedOncePerPage) {
  const std::vector<Page> pages = Pages(window);
  const std::vector<std::string> labels = TextsOf(pages.front(), Role::Label);
  EXPECT_EQ(std::count_if(labels.begin(), labels.end(),
                          [](const std::string& t) {
                            return t.find("rounded to 1/16 inch") != std::string::npos;
                          }),
            1);
}

TEST_F(DesignPagesTest, TitleBlockNamesTheDesign) {
  const std::vector<std::string> values = TextsOf(Pages(window).front(), Role::Value);
  for (const char* wanted :
       {"Smith house", "Kitchen left", "2026-12-08", "2", "Georgian, 5/8 x 3/4 i", "Flat", "White",
        "Sandstone", "36\" x 48\"", "34 3/4\" x 46 3/4\"", "inches"}) {
    EXPECT_TRUE(Has(values, wanted)) << wanted;
  }
  settings.jobName.clear();
  EXPECT_TRUE(Has(TextsOf(Pages(window).front(), Role::Value), "Untitled"));
}

TEST_F(DesignPagesTest, CrowdedDesignsStayLegible) {
  struct Case {
    const char* what;
    double width;
    double height;
    int horz;
    int vert;
    PaperSize paper;
  };
  const Case cases[] = {
      {"30 x 30 square, Letter", 1200.0, 1200.0, 30, 30, kLetter},
      {"30 x 30 square, A4", 1200.0, 1200.0, 30, 30, kA4},
      {"30 x 30 tall and narrow", 250.0, 2400.0, 30, 30, kLetter},
      {"30 x 30 wide and low", 2400.0, 250.0, 30, 30, kA4},
      {"30 x 30 tiny", 40.0, 40.0, 30, 30, kLetter},
      {"few bars", 900.0, 600.0, 1, 2, kLetter},
  };
  for (const Case& c : cases) {
    settings.paper = c.paper;
    for (const Unit unit : {Unit::Inches, Unit::Millimetres}) {
      settings.unit = unit;
      const GrillWindow crowded =
          MakePrintDesign(config, "Crowded", c.width, c.height, test::EvenBars(c.horz, c.height),
                          test::EvenBars(c.vert, c.width));
      const std::vector<Page> pages = BuildDesignPrint(crowded, MakeCutTable(crowded), settings);
      ExpectLegible(pages, c.what);
      EXPECT_EQ(TextsOf(pages.front(), Role::DimensionValue).size(),
                static_cast<std::size_t>(c.horz + c.vert + 2))
          << c.what;
    }
  }
}

TEST_F(DesignPagesTest, OrientationFollowsTheDesignsShape) {
  const GrillWindow wide = MakePrintDesign(config, "Wide", 2000.0, 600.0, {300.0}, {1000.0});
  const GrillWindow tall = MakePrintDesign(config, "Tall", 600.0, 2000.0, {1000.0}, {300.0});
  for (const PaperSize paper : {kLetter, kA4}) {
    settings.paper = paper;
    EXPECT_EQ(BestOrientation(wide, MakeCutTable(wide), settings), Orientation::Landscape);
    EXPECT_EQ(BestOrientation(tall, MakeCutTable(tall), settings), Orientation::Portrait);
    const Page page = Pages(wide).front();
    EXPECT_GT(page.width, page.height);
  }
}

TEST_F(DesignPagesTest, CutListRowsShowLengthsCountsAndNotches) {
  const std::vector<Page> pages = Pages(window);
  ASSERT_EQ(pages.size(), 1u);
  const std::vector<std::string> values = TextsOf(pages.front(), Role::Value);
  EXPECT_TRUE(Has(values, "Vertical bars"));
  EXPECT_TRUE(Has(values, "46 3/4\""));
  EXPECT_TRUE(Has(values, "11 @ 11 9/16\", 11 @ 23 3/16\""));
  EXPECT_TRUE(Has(values, "15 @ 11 11/16\", 15 @ 23 3/8\", 15 @ 35 1/16\""));
}

// "Pieces" counts one window's; "Total" what the order needs, pieces times quantity.
TEST_F(DesignPagesTest, CutListTotalsThePiecesOfTheQuantity) {
  GrillWindow ordered = window;
  ordered.quantity = 7;
  const CutTable cuts = MakeCutTable(ordered);
  const std::vector<Page> pages = BuildDesignPages(ordered, cuts, settings);
  const std::vector<std::string> values = TextsOf(pages.front(), Role::Value);
  ASSERT_FALSE(cuts.empty());
  for (const CutRow& row : cuts) {
    EXPECT_TRUE(Has(values, std::to_string(row.count * 7))) << row.group;
  }
  EXPECT_TRUE(Has(AllTexts(pages), "Total"));
}

// A drawing never shows pieces the export would refuse to write: it says why instead.
TEST_F(DesignPagesTest, UncuttableDesignShowsItsProblemInPlaceOfPieces) {
  GrillWindow huge = window;
  huge.outerWidth = 20000.0;
  const std::vector<std::string> values = TextsOf(Pages(huge).front(), Role::Value);
  EXPECT_TRUE(Has(values, "Cannot be cut"));
  EXPECT_TRUE(Has(values, "Window Too Large: width 787 3/8\", at most 393 11/16\""));
  EXPECT_FALSE(Has(values, "Vertical bars"));
}

TEST_F(DesignPagesTest, LongCutListRunsOnOverPagesWithItsHeadings) {
  CutTable cuts;
  for (int i = 0; i < 150; ++i) {
    std::vector<CutNotch> notches;
    for (int n = 0; n < (i % 7) * 5; ++n) {
      notches.push_back({25.4 * n + 3.175, "15"});
    }
    cuts.push_back({PieceKind::Bar, "Piece " + std::to_string(i), 500.0 + i, 1, notches});
  }
  const std::vector<Page> pages = BuildDesignPrint(window, cuts, settings);
  ASSERT_GE(pages.size(), 4u);
  const std::vector<std::string> texts = AllTexts(pages);
  for (int i = 0; i < 150; ++i) {
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "Piece " + std::to_string(i)), 1) << i;
  }
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "Cut list (continued)"),
            static_cast<long>(pages.size()) - 2);
  EXPECT_TRUE(Has(texts, "Page 1 of " + std::to_string(pages.size())));
  // The drawing keeps the first page to itself; no row runs into the footer.
  EXPECT_FALSE(Has(TextsOf(pages.front(), Role::Value), "Piece 0"));
  for (const Page& page : pages) {
    for (const Rect& rect : ItemsOf<Rect>(page)) {
      EXPECT_LE(rect.box.Bottom(), page.height - kPageMargin - kFooterHeight + 1e-9);
    }
  }
  ExpectLegible(pages, "long cut list");
}

TEST_F(DesignPagesTest, DesignsThatCannotBeDrawnStillPrint) {
  struct Case {
    const char* what;
    double width;
    double height;
  };
  const Case cases[] = {
      {"zero size", 0.0, 0.0},
      {"negative", -5.0, 100.0},
      {"not a number", std::nan(""), 100.0},
      {"huge", 1e300, 1e300},
  };
  for (const Case& c : cases) {
    GrillWindow bad = window;
    bad.innerWidth = c.width;
    bad.innerHeight = c.height;
    bad.outerWidth = c.width;
    const std::vector<Page> pages = Pages(bad);
    ASSERT_FALSE(pages.empty()) << c.what;
    EXPECT_TRUE(Has(TextsOf(pages.front(), Role::Value), "Kitchen left")) << c.what;
  }
  // Bars far outside the grill or with no position draw inside the outline.
  window.vertPos[1] = -1e9;
  window.horzPos[2] = std::nan("");
  const DrawingPlan plan = PlanOf(window);
  for (const Rect& bar : BarRects(Pages(window).front())) {
    EXPECT_GE(bar.box.left, plan.inner.left - 1e-9);
    EXPECT_FALSE(std::isnan(bar.box.top));
  }
}

}  // namespace
}  // namespace grill::print
