#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "PrintDesigns.h"
#include "print/PlanPages.h"

namespace grill::print {
namespace {

using test::ItemsOf;

PlanBarText Bar(std::string stock, std::vector<PlanPieceText> pieces, std::string rest,
                std::string restKind) {
  return {std::move(stock), std::move(pieces), std::move(rest), std::move(restKind)};
}

// Two planned groups, one without stock, and two designs left out.
CuttingPlanText SmallPlan() {
  CuttingPlanText plan;
  plan.unit = "mm";
  plan.leftOut = {{"Porch", "no bar type"}, {"Attic", "quantity below 1"}};
  PlanGroupText bars{"bar", "GB", "01", "", {}, 2, "optimal", "optimal", "7.4"};
  bars.bars.push_back(Bar("6000.0",
                          {{"Kitchen", "1012.0", "W"},
                           {"Kitchen", "1012.0", "W"},
                           {"Hall", "612.0", "W"},
                           {"Hall", "1412.0", "H"}},
                          "1899.0", "offcut"));
  bars.bars.push_back(Bar("6000.0", {{"Kitchen", "812.0", "H"}}, "5175.0", "offcut"));
  PlanGroupText edges{
      "edge", "Flat", "01_07", "", {}, 1, "gap 1 bar", "1 bar above the lower bound", "12.5"};
  edges.bars.push_back(Bar("5800.0", {{"Kitchen", "1030.0", "W"}}, "4757.0", "offcut"));
  edges.bars.push_back(Bar("5800.0", {{"Hall", "1430.0", "H"}}, "420.0", "waste"));
  PlanGroupText missing{"edge", "Round", "07", "no stock for Round in Stock.txt", {}, 0,
                        "",     "",      ""};
  plan.groups = {bars, edges, missing};
  return plan;
}

// One group of `count` bars, each with three pieces.
CuttingPlanText LongPlan(int count) {
  CuttingPlanText plan;
  plan.unit = "mm";
  PlanGroupText group{"bar", "GB", "01", "", {}, count, "optimal", "optimal", "3.1"};
  for (int i = 0; i < count; ++i) {
    group.bars.push_back(Bar("6000.0",
                             {{"Design " + std::to_string(i), "1900.0", "W"},
                              {"Design " + std::to_string(i), "1900.0", "W"},
                              {"Design " + std::to_string(i), "1900.0", "H"}},
                             "281.0", "waste"));
  }
  plan.groups = {group};
  return plan;
}

std::vector<Text> TextsOf(const Page& page) {
  return ItemsOf<Text>(page);
}

// Every text of every page, one after the other, as a reader goes through
// them; wrapped lines run on with a space.
std::string AllText(const std::vector<Page>& pages) {
  std::string all;
  for (const Page& page : pages) {
    for (const Text& text : TextsOf(page)) {
      all += text.text + "\n";
    }
  }
  return all;
}

std::vector<Box> BoxesOf(const Page& page) {
  std::vector<Box> boxes;
  for (const Item& item : page.items) {
    if (const auto* text = std::get_if<Text>(&item)) {
      boxes.push_back(text->box);
    } else if (const auto* rect = std::get_if<Rect>(&item)) {
      boxes.push_back(rect->box);
    } else if (const auto* line = std::get_if<Line>(&item)) {
      boxes.push_back({std::min(line->from.x, line->to.x), std::min(line->from.y, line->to.y),
                       std::abs(line->to.x - line->from.x), std::abs(line->to.y - line->from.y)});
    }
  }
  return boxes;
}

bool Inside(const Box& inner, const Box& outer) {
  constexpr double kSlack = 1e-6;
  return inner.left >= outer.left - kSlack && inner.top >= outer.top - kSlack &&
         inner.Right() <= outer.Right() + kSlack && inner.Bottom() <= outer.Bottom() + kSlack;
}

class PlanPagesTest : public ::testing::Test {
 protected:
  DrawingSettings settings{kA4, Unit::Millimetres, "Shop", "2026-12-08"};
};

TEST_F(PlanPagesTest, EveryBarPieceAndTotalIsPrinted) {
  const CuttingPlanText plan = SmallPlan();
  const std::vector<Page> pages = BuildCuttingPlanPages(plan, settings);
  ASSERT_EQ(pages.size(), 1u);
  const std::string all = AllText(pages);
  const std::vector<Text> texts = TextsOf(pages.front());
  const auto hasText = [&](const std::string& wanted) {
    return std::any_of(texts.begin(), texts.end(),
                       [&](const Text& text) { return text.text == wanted; });
  };
  for (const PlanGroupText& group : plan.groups) {
    for (std::size_t i = 0; i < group.bars.size(); ++i) {
      const PlanBarText& bar = group.bars[i];
      EXPECT_TRUE(hasText(std::to_string(i + 1))) << group.key << " bar " << i + 1;
      EXPECT_TRUE(hasText(bar.stockLength));
      EXPECT_TRUE(hasText(bar.rest + " " + bar.restKind)) << bar.rest;
      for (const PlanPieceText& piece : bar.pieces) {
        EXPECT_NE(all.find(piece.design + " " + piece.length + " " + piece.tag), std::string::npos)
            << piece.design << " " << piece.length;
      }
    }
  }
  const char* const expected[] = {
      "Cutting Plan",
      "Shop",
      "2026-12-08",
      "millimetres",
      "Bar GB, colours 01",
      "Bars used 2, lower bound 2, optimal, waste 7.4 %",
      "Edge Flat, colours 01_07",
      "Bars used 2, lower bound 1, 1 bar above the lower bound, waste 12.5 %",
      "Edge Round, colours 07",
      "No plan: no stock for Round in Stock.txt",
      "Left out of the plan",
      "Porch: no bar type",
      "Attic: quantity below 1",
      "Page 1 of 1",
  };
  for (const char* text : expected) {
    EXPECT_TRUE(hasText(text)) << text;
  }
  // Pieces of one bar follow each other in cutting order.
  EXPECT_NE(all.find("Kitchen 1012.0 W, Kitchen 1012.0 W, Hall 612.0 W, Hall 1412.0 H"),
            std::string::npos)
      << all;
}

TEST_F(PlanPagesTest, TitleNamesJobDateAndUnit) {
  struct Case {
    std::string unit;
    std::string jobName;
    std::string date;
    std::vector<std::string> texts;
  };
  const Case cases[] = {
      {"mm", "", "", {"Untitled", "-", "millimetres", "Stock (mm)", "Rest (mm)"}},
      {"in", "Shop", "2026-12-08", {"Shop", "2026-12-08", "inches", "Stock (in)", "Rest (in)"}},
  };
  for (const Case& c : cases) {
    CuttingPlanText plan = SmallPlan();
    plan.unit = c.unit;
    const std::vector<Page> pages =
        BuildCuttingPlanPages(plan, {kLetter, Unit::Inches, c.jobName, c.date});
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_LT(pages.front().width, pages.front().height);  // portrait
    const std::vector<Text> texts = TextsOf(pages.front());
    for (const std::string& wanted : c.texts) {
      EXPECT_TRUE(std::any_of(texts.begin(), texts.end(),
                              [&](const Text& text) { return text.text == wanted; }))
          << c.unit << ": " << wanted;
    }
  }
}

TEST_F(PlanPagesTest, NothingLeavesItsPageOrCrossesTheTitleBlock) {
  for (const CuttingPlanText& plan : {SmallPlan(), LongPlan(300), CuttingPlanText{"mm", {}, {}}}) {
    const std::vector<Page> pages = BuildCuttingPlanPages(plan, settings);
    ASSERT_FALSE(pages.empty());
    for (std::size_t p = 0; p < pages.size(); ++p) {
      const Page& page = pages[p];
      const Box paper{kPageMargin, kPageMargin, page.width - 2 * kPageMargin,
                      page.height - 2 * kPageMargin};
      const Box title = PlanTitleBlock({page.width, page.height});
      for (const Box& box : BoxesOf(page)) {
        EXPECT_TRUE(Inside(box, paper))
            << "page " << p + 1 << " at " << box.left << ", " << box.top;
        EXPECT_TRUE(Inside(box, title) || !box.Overlaps(title))
            << "page " << p + 1 << " at " << box.left << ", " << box.top;
      }
    }
  }
}

TEST_F(PlanPagesTest, LongPlanRunsOnWithHeadingRowRepeatedAndPagesNumbered) {
  constexpr int kBars = 300;
  const std::vector<Page> pages = BuildCuttingPlanPages(LongPlan(kBars), settings);
  ASSERT_GT(pages.size(), 3u);
  const std::string total = std::to_string(pages.size());
  int next = 1;  // the bar number the reader expects next
  for (std::size_t p = 0; p < pages.size(); ++p) {
    const std::vector<Text> texts = TextsOf(pages[p]);
    const auto count = [&](const std::string& wanted) {
      return std::count_if(texts.begin(), texts.end(),
                           [&](const Text& text) { return text.text == wanted; });
    };
    EXPECT_EQ(count("Cutting Plan"), 1) << "page " << p + 1;
    EXPECT_EQ(count("Page " + std::to_string(p + 1) + " of " + total), 1);
    EXPECT_EQ(count(p == 0 ? "Bar GB, colours 01" : "Bar GB, colours 01 (continued)"), 1)
        << "page " << p + 1;
    const int first = next;
    for (const Text& text : texts) {
      if (text.role == Role::Value && text.box.left < kPageMargin + 5.0 &&
          text.text == std::to_string(next)) {
        ++next;
      }
    }
    // Every page with bars on it heads them with the heading row.
    EXPECT_EQ(count("Stock (mm)"), next > first ? 1 : 0) << "page " << p + 1;
  }
  EXPECT_EQ(next, kBars + 1);  // every bar once, in order, across the pages
  EXPECT_NE(AllText({pages.back()}).find("Bars used 300, lower bound 300, optimal, waste 3.1 %"),
            std::string::npos);
}

}  // namespace
}  // namespace grill::print
