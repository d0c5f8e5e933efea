#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "PageChecks.h"
#include "PrintDesigns.h"
#include "print/DesignPages.h"
#include "print/JobPrint.h"
#include "print/PageText.h"
#include "print/PlanPages.h"
#include "print/TextWrap.h"
#include "print/TitleBlock.h"

namespace grill::print {
namespace {

using test::ExpectLegible;
using test::Has;
using test::Inside;
using test::ItemsOf;
using test::MakeCutTable;
using test::MakePrintDesign;

const JobDetails kSmith{"Smith & Sons", "PO-4471", "", "Deliver to the back door."};

std::vector<std::string> Texts(const Page& page, Role role) {
  std::vector<std::string> texts;
  for (const Text& text : ItemsOf<Text>(page)) {
    if (text.role == role) {
      texts.push_back(text.text);
    }
  }
  return texts;
}

// The frame a title block is drawn in: the first thick rectangle.
Box TitleBlockOf(const Page& page) {
  for (const Rect& rect : ItemsOf<Rect>(page)) {
    if (rect.stroke == Stroke::Thick) {
      return rect.box;
    }
  }
  return {};
}

class JobDetailsPrintTest : public ::testing::Test {
 protected:
  test::PrintConfig config;
  GrillWindow wide = MakePrintDesign(config, "Kitchen", 1200.0, 500.0, {250.0}, {400.0, 800.0});
  GrillWindow tall = MakePrintDesign(config, "Hall", 400.0, 1500.0, {500.0, 1000.0}, {200.0});
  DrawingSettings settings{kLetter, Unit::Inches, "smith", "2026-12-09"};

  std::vector<Page> DesignPages(const GrillWindow& window) const {
    return BuildDesignPages(window, MakeCutTable(window), settings);
  }
};

TEST_F(JobDetailsPrintTest, TitleBlockShowsTheDetailsSetInARowOfTheirOwn) {
  settings.details = kSmith;
  for (const GrillWindow* window : {&wide, &tall}) {
    const Page page = DesignPages(*window).front();
    const std::vector<std::string> labels = Texts(page, Role::Label);
    const std::vector<std::string> values = Texts(page, Role::Value);
    for (const char* label : {"Customer", "Order / PO Number", "Due Date", "Job", "Design"}) {
      EXPECT_TRUE(Has(labels, label)) << window->name << ": " << label;
    }
    for (const char* value : {"Smith & Sons", "PO-4471", "-", "smith", "2026-12-09"}) {
      EXPECT_TRUE(Has(values, value)) << window->name << ": " << value;
    }
    EXPECT_FALSE(Has(values, "Deliver to the back door.")) << window->name;
    const Box block = TitleBlockOf(page);
    EXPECT_DOUBLE_EQ(block.height, kTitleBlockHeight + kDetailsRowHeight);
    for (const Text& text : ItemsOf<Text>(page)) {
      if (text.text == "Smith & Sons" || text.text == "PO-4471") {
        EXPECT_TRUE(Inside(text.box, block)) << text.text;
      }
    }
    ExpectLegible({page}, window->name);
  }
}

// The notes print on the summary only; a job with none of the title block's
// details prints its drawings exactly as before.
TEST_F(JobDetailsPrintTest, WithoutTitleDetailsTheDrawingIsUnchanged) {
  const std::vector<Page> plain = DesignPages(wide);
  settings.details.notes = "Back door.";
  const std::vector<Page> noted = DesignPages(wide);
  ASSERT_EQ(plain.size(), noted.size());
  EXPECT_EQ(plain.front().items.size(), noted.front().items.size());
  EXPECT_FALSE(Has(Texts(noted.front(), Role::Label), "Customer"));
  EXPECT_DOUBLE_EQ(TitleBlockOf(noted.front()).height, kTitleBlockHeight);
  EXPECT_EQ(Texts(plain.front(), Role::Value), Texts(noted.front(), Role::Value));
}

// The taller block leaves the drawing its room below it.
TEST_F(JobDetailsPrintTest, DrawingStartsBelowTheTallerBlock) {
  settings.details = {"", "", "Friday", ""};
  const CutTable cuts = MakeCutTable(wide);
  const DesignLayout layout = LayOutDesign(wide, cuts, settings, Orientation::Landscape);
  EXPECT_GT(layout.drawingArea.top, layout.titleBlock.Bottom());
  EXPECT_DOUBLE_EQ(layout.titleBlock.height, kTitleBlockHeight + kDetailsRowHeight);
  for (const Rect& rect : ItemsOf<Rect>(BuildDesignPages(wide, cuts, settings).front())) {
    if (rect.role == Role::OuterOutline) {
      EXPECT_GE(rect.box.top, layout.titleBlock.Bottom());
    }
  }
}

TEST_F(JobDetailsPrintTest, SummaryListsAllFourWithTheNotesWrapped) {
  std::string notes = "Deliver to the back door.\n\n";
  for (int i = 0; i < 40; ++i) {
    notes += "word" + std::to_string(i) + " ";
  }
  settings.details = {"Smith & Sons", "PO-4471", "", notes};
  const std::vector<DesignSheet> sheets{{&wide, MakeCutTable(wide)}};
  const std::vector<Page> summary = BuildSummaryPages(sheets, settings);
  ASSERT_EQ(summary.size(), 1u);
  const Page& page = summary.front();
  for (const char* label : {"Customer", "Order / PO Number", "Due Date", "Notes"}) {
    EXPECT_TRUE(Has(Texts(page, Role::Label), label)) << label;
  }
  const std::vector<std::string> values = Texts(page, Role::Value);
  EXPECT_TRUE(Has(values, "Smith & Sons"));
  EXPECT_TRUE(Has(values, "-"));  // the due date, not set
  EXPECT_TRUE(Has(values, "Deliver to the back door."));
  EXPECT_TRUE(Has(values, ""));  // the blank line between paragraphs
  std::string rejoined;
  for (const Text& text : ItemsOf<Text>(page)) {
    if (text.text.starts_with("word")) {
      EXPECT_LE(EstimatedTextWidth(text.text, text.size), text.box.width) << text.text;
      rejoined += text.text + " ";
    }
  }
  EXPECT_EQ(rejoined, notes.substr(notes.find("word")));
  EXPECT_TRUE(Has(values, "Kitchen"));  // the designs' table still follows
  ExpectLegible(summary, "summary");
}

TEST_F(JobDetailsPrintTest, LongestNotesRunOnOverPages) {
  std::string notes;
  while (CharacterCount(notes) + 2 <= kMaxNotesLength) {
    notes += "x\n";
  }
  settings.details.notes = notes;
  const std::vector<Page> summary = BuildSummaryPages({{&wide, MakeCutTable(wide)}}, settings);
  ASSERT_GT(summary.size(), 1u);
  EXPECT_TRUE(Has(Texts(summary[1], Role::Label), "Job summary: smith, 2026-12-09 (continued)"));
  std::size_t lines = 0;
  for (const Page& page : summary) {
    const std::vector<std::string> values = Texts(page, Role::Value);
    lines += static_cast<std::size_t>(std::count(values.begin(), values.end(), "x"));
  }
  EXPECT_EQ(lines, kMaxNotesLength / 2);
  ExpectLegible(summary, "long notes");
}

// Every page that carries a title block carries the details in it.
TEST_F(JobDetailsPrintTest, EveryTitleBlockOfAJobPrintShowsThem) {
  settings.details = kSmith;
  const std::vector<Page> pages =
      BuildJobPrint({{&wide, MakeCutTable(wide)}, {&tall, MakeCutTable(tall)}}, settings);
  std::size_t blocks = 0;
  for (const Page& page : pages) {
    if (Has(Texts(page, Role::Label), "Scale")) {
      ++blocks;
      EXPECT_TRUE(Has(Texts(page, Role::Value), "Smith & Sons"));
      EXPECT_TRUE(Has(Texts(page, Role::Value), "PO-4471"));
    }
  }
  EXPECT_EQ(blocks, 2u);
}

TEST_F(JobDetailsPrintTest, CuttingPlanTitleShowsThemOnEveryPage) {
  settings.details = kSmith;
  cutplan::GroupPlan group;
  for (int i = 0; i < 200; ++i) {
    group.bars.push_back({6000, {{1900, "Kitchen", "W", ""}}, 4100, cutplan::RestKind::Offcut});
  }
  group.barBound = 200;
  JobCuttingPlan plan;
  plan.groups = {{StockKind::kBar, "GB", "01", group, {}, {}}};
  const std::vector<Page> pages =
      BuildCuttingPlanPages(plan, PlanUnits{Unit::Millimetres, CutUnit::kMillimetres}, settings);
  ASSERT_GT(pages.size(), 1u);
  for (const Page& page : pages) {
    const Box block = PlanTitleBlock({page.width, page.height}, settings);
    EXPECT_TRUE(Has(Texts(page, Role::Value), "Smith & Sons"));
    EXPECT_TRUE(Has(Texts(page, Role::Value), "PO-4471"));
    EXPECT_DOUBLE_EQ(TitleBlockOf(page).height, block.height);
    for (const Text& text : ItemsOf<Text>(page)) {
      EXPECT_TRUE(Inside(text.box, block) || !text.box.Overlaps(block)) << text.text;
    }
  }
  ExpectLegible(pages, "plan");
}

TEST(TextWrap, KeepsLinesAndBlankLinesAndBreaksBetweenWords) {
  const struct {
    const char* what;
    std::string text;
    std::vector<std::string> lines;
  } cases[] = {
      {"nothing", "", {}},
      {"one short line", "Back door", {"Back door"}},
      {"two lines", "one\ntwo", {"one", "two"}},
      {"a blank line kept", "one\n\ntwo", {"one", "", "two"}},
      {"a line ending the text", "one\n", {"one"}},
      {"wrapped between words", "aaaa bbbb cccc", {"aaaa bbbb", "cccc"}},
      {"a word wider than the line", "aaaaaaaaaaaaaaaaaaaa b", {"aaaaaaaaaaaaaaaaaaaa", "b"}},
  };
  // Ten characters of em 1 fit 6.2 mm.
  for (const auto& c : cases) {
    EXPECT_EQ(WrapLines(c.text, 6.2, 1.0), c.lines) << c.what;
  }
}

}  // namespace
}  // namespace grill::print
