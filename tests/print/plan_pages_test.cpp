#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "../cutting/SamplePlans.h"
#include "PageChecks.h"
#include "PrintDesigns.h"
#include "model/Measurements.h"
#include "print/PlanPages.h"
#include "print/PlanPicture.h"

namespace grill::print {
namespace {

using test::Inside;
using test::ItemsOf;

cutplan::StockBar Bar(double stock, std::vector<cutplan::CutPiece> pieces, double rest,
                      cutplan::RestKind kind) {
  return {stock, std::move(pieces), rest, kind};
}

constexpr auto kOffcut = cutplan::RestKind::Offcut;
constexpr auto kWaste = cutplan::RestKind::Waste;

// Two planned groups, one without stock, and two designs left out.
JobCuttingPlan SmallPlan() {
  JobCuttingPlan plan;
  plan.leftOut = {{"Porch", "no bar type"}, {"Attic", "quantity below 1"}};
  cutplan::GroupPlan bars;
  bars.bars.push_back(Bar(6000,
                          {{1012, "Kitchen", "W", "Horizontal bars 1 & 2"},
                           {1012, "Kitchen", "W", "Horizontal bars 1 & 2"},
                           {612, "Hall", "W", "Horizontal bar 1"},
                           {1412, "Hall", "H", "Vertical bar 1"}},
                          1899, kOffcut));
  bars.bars.push_back(Bar(6000, {{812, "Kitchen", "H", "Vertical bar 1"}}, 5170, kOffcut));
  bars.barBound = 2;
  bars.optimal = true;
  cutplan::GroupPlan edges;
  edges.bars.push_back(Bar(5800, {{1030, "Kitchen", "W", "Top and bottom edge"}}, 4757, kOffcut));
  edges.bars.push_back(Bar(5800, {{1430, "Hall", "H", "Right and left edge"}}, 420, kWaste));
  edges.barBound = 1;
  plan.groups = {
      {StockKind::kBar, "GB", "01", bars, {}, {}},
      {StockKind::kEdge, "Flat", "01_07", edges, {}, {}},
      {StockKind::kEdge, "Round", "07", std::nullopt, "no stock for Round in Stock.txt", {}}};
  return plan;
}

// One group of `count` bars, each with three pieces.
JobCuttingPlan LongPlan(int count) {
  cutplan::GroupPlan group;
  for (int i = 0; i < count; ++i) {
    const std::string design = "Design " + std::to_string(i);
    group.bars.push_back(
        Bar(6000, {{1900, design, "W", ""}, {1900, design, "W", ""}, {1900, design, "H", ""}}, 281,
            kWaste));
  }
  group.barBound = count;
  group.optimal = true;
  JobCuttingPlan plan;
  plan.groups = {{StockKind::kBar, "GB", "01", group, {}, {}}};
  return plan;
}

// Five bars alike and one of its own.
JobCuttingPlan RepeatedPlan() {
  cutplan::GroupPlan group;
  for (int i = 0; i < 5; ++i) {
    group.bars.push_back(
        Bar(6000, {{2900, "Door", "W", ""}, {2900, "Door", "W", ""}}, 194, kWaste));
  }
  group.bars.push_back(Bar(6000, {{700, "Door", "H", ""}}, 5294, kOffcut));
  JobCuttingPlan plan;
  plan.groups = {{StockKind::kBar, "GB", "01", group, {}, {3, 0, 0, 500}}};
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

using test::kMillimetres;

class PlanPagesTest : public ::testing::Test {
 protected:
  DrawingSettings settings{kA4, Unit::Millimetres, "Shop", "2026-12-08"};
};

TEST_F(PlanPagesTest, EveryBarPieceAndTotalIsPrinted) {
  const JobCuttingPlan plan = SmallPlan();
  const std::vector<Page> pages = BuildCuttingPlanPages(plan, kMillimetres, settings);
  ASSERT_EQ(pages.size(), 1u);
  const std::string all = AllText(pages);
  const std::vector<Text> texts = TextsOf(pages.front());
  const auto hasText = [&](const std::string& wanted) {
    return std::any_of(texts.begin(), texts.end(),
                       [&](const Text& text) { return text.text == wanted; });
  };
  const auto mm = [](double length) { return FormatFixed(length, 1); };
  for (const PlannedGroup& group : plan.groups) {
    if (!group.plan) {
      continue;
    }
    for (std::size_t i = 0; i < group.plan->bars.size(); ++i) {
      const cutplan::StockBar& bar = group.plan->bars[i];
      EXPECT_TRUE(hasText(std::to_string(i + 1))) << group.key << " bar " << i + 1;
      EXPECT_TRUE(hasText(mm(bar.stockLength)));
      EXPECT_TRUE(hasText(mm(bar.rest) + (bar.restKind == kOffcut ? " offcut" : " waste")))
          << bar.rest;
      for (const cutplan::CutPiece& piece : bar.pieces) {
        EXPECT_NE(
            all.find(piece.label + " (" + piece.name + ") " + mm(piece.length) + " " + piece.tag),
            std::string::npos)
            << piece.label << " " << piece.length;
      }
    }
  }
  const char* const expected[] = {
      "Cutting Plan",
      "Shop",
      "2026-12-08",
      "millimetres",
      "Bar GB, colours 01",
      // 71 of 12000 lost; 4383 of 11600.
      "Bars used 2, lower bound 2, optimal, waste 0.6 %",
      "Edge Flat, colours 01_07",
      "Bars used 2, lower bound 1, 1 bar above the lower bound, waste 37.8 %",
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
  // Pieces of one bar follow each other in cutting order, each with what it is
  // for, wrapped where the column ends.
  std::string flowing = all;
  std::replace(flowing.begin(), flowing.end(), '\n', ' ');
  EXPECT_NE(
      flowing.find("Kitchen (Horizontal bars 1 & 2) 1012.0 W, Kitchen (Horizontal bars 1 & 2) "
                   "1012.0 W, Hall (Horizontal bar 1) 612.0 W, Hall (Vertical bar 1) 1412.0 H"),
      std::string::npos)
      << all;
}

// Lengths in the job's unit; where the saw counts in another, in its unit
// too, so that the operator can match one to the other.
TEST_F(PlanPagesTest, BarsFromTheRacksAndWhatToBuyArePrinted) {
  const std::string all =
      AllText(BuildCuttingPlanPages(test::FromTheRacks(), kMillimetres, settings));
  for (const char* wanted :
       {"on hand\n", "remnant\n", "Buy 1 bar of 6000.0 at 12.50 each, 12.50 in all\n",
        "Cost of the bars bought 12.50, lower bound 12.50\n"}) {
    EXPECT_NE(all.find(wanted), std::string::npos) << wanted;
  }
  EXPECT_EQ(all.find("bought\n"), std::string::npos);  // the usual goes without saying
}

TEST_F(PlanPagesTest, TitleNamesJobDateAndUnit) {
  struct Case {
    PlanUnits units;
    std::string jobName;
    std::string date;
    std::vector<std::string> texts;
  };
  const Case cases[] = {
      {kMillimetres, "", "", {"Untitled", "-", "millimetres", "Stock (mm)", "Rest (mm)"}},
      {{Unit::Inches, CutUnit::kInches},
       "Shop",
       "2026-12-08",
       {"Shop", "2026-12-08", "inches", "Stock (in)", "Rest (in)", "236 1/4\"", "74 3/4\" offcut"}},
      {{Unit::Inches, CutUnit::kMillimetres},
       "Shop",
       "",
       {"inches (saw: millimetres)", "Stock (in; saw mm)", "236 1/4\" (6000.0)",
        "74 3/4\" (1899.0) offcut"}},
      {{Unit::Millimetres, CutUnit::kInches},
       "Shop",
       "",
       {"millimetres (saw: inches)", "Rest (mm; saw in)", "6000.0 (236.220)"}},
  };
  for (const Case& c : cases) {
    const std::vector<Page> pages =
        BuildCuttingPlanPages(SmallPlan(), c.units, {kLetter, Unit::Inches, c.jobName, c.date});
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_LT(pages.front().width, pages.front().height);  // portrait
    const std::vector<Text> texts = TextsOf(pages.front());
    for (const std::string& wanted : c.texts) {
      EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [&](const Text& text) {
        return text.text == wanted;
      })) << wanted;
    }
  }
}

TEST_F(PlanPagesTest, NothingLeavesItsPageOrCrossesTheTitleBlock) {
  for (const JobCuttingPlan& plan :
       {SmallPlan(), LongPlan(300), RepeatedPlan(), JobCuttingPlan{}}) {
    const std::vector<Page> pages = BuildCuttingPlanPages(plan, kMillimetres, settings);
    ASSERT_FALSE(pages.empty());
    for (std::size_t p = 0; p < pages.size(); ++p) {
      const Page& page = pages[p];
      const Box paper{kPageMargin, kPageMargin, page.width - 2 * kPageMargin,
                      page.height - 2 * kPageMargin};
      const Box title = PlanTitleBlock({page.width, page.height}, settings);
      for (const Box& box : BoxesOf(page)) {
        EXPECT_TRUE(Inside(box, paper))
            << "page " << p + 1 << " at " << box.left << ", " << box.top;
        EXPECT_TRUE(Inside(box, title) || !box.Overlaps(title))
            << "page " << p + 1 << " at " << box.left << ", " << box.top;
      }
    }
  }
}

bool IsPicturePart(Role role) {
  return role == Role::PlanBar || role == Role::PlanPiece || role == Role::PlanTrim ||
         role == Role::PlanOffcut || role == Role::PlanWaste;
}

template <typename T>
std::vector<T> PictureItems(const Page& page, Role role) {
  std::vector<T> found;
  for (const T& item : ItemsOf<T>(page)) {
    if (item.role == role) {
      found.push_back(item);
    }
  }
  return found;
}

// Each group's bars drawn below its table, identical ones once: every piece of
// every drawn bar once, and nothing else of the page inside the picture's
// rows but their numbers and counts.
TEST_F(PlanPagesTest, PictureShowsEachDrawnBarOnceAndCrossesNothing) {
  struct Case {
    const char* what;
    JobCuttingPlan plan;
    std::size_t strips;
    std::size_t segments;
    std::vector<std::string> counts;
  };
  const Case cases[] = {{"small", SmallPlan(), 4, 7, {}},
                        {"repeated", RepeatedPlan(), 2, 3, {"× 5"}},
                        {"long", LongPlan(300), 300, 900, {}}};
  const PictureStyle style;
  for (const Case& c : cases) {
    const std::vector<Page> pages = BuildCuttingPlanPages(c.plan, kMillimetres, settings);
    std::size_t strips = 0;
    std::size_t segments = 0;
    std::vector<std::string> counts;
    for (const Page& page : pages) {
      std::vector<Box> rows;
      for (const Rect& strip : PictureItems<Rect>(page, Role::PlanBar)) {
        rows.push_back(
            {kPageMargin, strip.box.top, page.width - 2 * kPageMargin, strip.box.height});
      }
      strips += rows.size();
      segments += PictureItems<Rect>(page, Role::PlanPiece).size();
      for (const Text& text : TextsOf(page)) {
        if (text.text.rfind("× ", 0) == 0) {
          counts.push_back(text.text);
        }
      }
      std::size_t index = 0;
      for (const Item& item : page.items) {
        const Role role = std::visit([](const auto& drawn) { return drawn.role; }, item);
        const Box box = BoxesOf(Page{page.width, page.height, {item}}).front();
        const bool inARow =
            std::any_of(rows.begin(), rows.end(), [&](const Box& row) { return Inside(box, row); });
        if (IsPicturePart(role)) {
          EXPECT_TRUE(inARow) << c.what << " item " << index;
        } else {
          for (const Box& row : rows) {
            const Box numbers{row.left, row.top, style.numberWidth, row.height};
            const Box count{row.Right() - style.countWidth, row.top, style.countWidth, row.height};
            EXPECT_TRUE(!box.Overlaps(row) || Inside(box, numbers) || Inside(box, count))
                << c.what << " item " << index << " at " << box.left << ", " << box.top;
          }
        }
        ++index;
      }
    }
    EXPECT_EQ(strips, c.strips) << c.what;
    EXPECT_EQ(segments, c.segments) << c.what;
    EXPECT_EQ(counts, c.counts) << c.what;
  }
}

TEST_F(PlanPagesTest, LongPlanRunsOnWithHeadingRowRepeatedAndPagesNumbered) {
  constexpr int kBars = 300;
  const std::vector<Page> pages = BuildCuttingPlanPages(LongPlan(kBars), kMillimetres, settings);
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
  EXPECT_NE(AllText({pages.back()}).find("Bars used 300, lower bound 300, optimal, waste 5.0 %"),
            std::string::npos);
}

}  // namespace
}  // namespace grill::print
