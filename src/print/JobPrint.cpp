#include "print/JobPrint.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "config/ConfigRecords.h"
#include "model/Measurements.h"
#include "print/DesignPages.h"
#include "print/JobDetailsBlock.h"
#include "print/PageFlow.h"
#include "print/PageText.h"
#include "print/Table.h"
#include "print/TitleBlock.h"

namespace grill::print {
namespace {

constexpr double kJobHeadingSize = 4.5;
constexpr double kJobGap = 4.0;

// Pieces of one kind, type and colours over the whole job.
struct PieceTotal {
  std::string type;
  std::string colours;
  std::int64_t pieces = 0;
  double length = 0.0;  // millimetres
};

std::string NameOf(const std::string* name) {
  return name != nullptr && !name->empty() ? *name : "-";
}

std::string ColoursOf(const GrillWindow& window) {
  const std::string inside =
      NameOf(window.insideColor != nullptr ? &window.insideColor->name : nullptr);
  const std::string outside =
      NameOf(window.outsideColor != nullptr ? &window.outsideColor->name : nullptr);
  return inside == outside ? inside : inside + " / " + outside;
}

void Count(std::vector<PieceTotal>& totals, const std::string& type, const std::string& colours,
           std::int64_t pieces, double length) {
  auto total = std::find_if(totals.begin(), totals.end(), [&](const PieceTotal& t) {
    return t.type == type && t.colours == colours;
  });
  if (total == totals.end()) {
    totals.push_back({type, colours, 0, 0.0});
    total = totals.end() - 1;
  }
  total->pieces += pieces;
  total->length += static_cast<double>(pieces) * length;
}

std::vector<TableRow> TotalRows(const std::vector<PieceTotal>& totals, Unit unit) {
  std::vector<TableRow> rows;
  for (const PieceTotal& total : totals) {
    rows.push_back({{total.type},
                    {total.colours},
                    {FormatInteger(total.pieces)},
                    {FormatPageLength(total.length, unit)}});
  }
  return rows;
}

std::vector<TableColumn> TotalColumns(const char* typeHeading) {
  return {{typeHeading, 3.0, Align::Left},
          {"Colours (inside / outside)", 3.0, Align::Left},
          {"Pieces", 1.0, Align::Right},
          {"Total length", 1.6, Align::Right}};
}

}  // namespace

std::vector<Page> BuildDesignPrint(const GrillWindow& window, const CutTable& cuts,
                                   const DrawingSettings& settings) {
  std::vector<Page> pages = BuildDesignPages(window, cuts, settings);
  NumberPages(pages, settings);
  return pages;
}

std::vector<Page> BuildJobPrint(const std::vector<DesignSheet>& sheets,
                                const DrawingSettings& settings) {
  std::vector<Page> pages;
  for (const DesignSheet& sheet : sheets) {
    if (sheet.window != nullptr) {
      std::vector<Page> designPages = BuildDesignPages(*sheet.window, sheet.cuts, settings);
      std::move(designPages.begin(), designPages.end(), std::back_inserter(pages));
    }
  }
  std::vector<Page> summary = BuildSummaryPages(sheets, settings);
  std::move(summary.begin(), summary.end(), std::back_inserter(pages));
  NumberPages(pages, settings);
  return pages;
}

std::vector<Page> BuildSummaryPages(const std::vector<DesignSheet>& sheets,
                                    const DrawingSettings& settings) {
  std::vector<TableRow> designs;
  std::vector<PieceTotal> bars;
  std::vector<PieceTotal> edges;
  for (const DesignSheet& sheet : sheets) {
    if (sheet.window == nullptr) {
      continue;
    }
    const GrillWindow& window = *sheet.window;
    const std::string barType = NameOf(window.barType != nullptr ? &window.barType->name : nullptr);
    const std::string edgeType =
        NameOf(window.edgeType != nullptr ? &window.edgeType->name : nullptr);
    const std::string colours = ColoursOf(window);
    designs.push_back({{window.name.empty() ? "-" : window.name},
                       {FormatInteger(window.quantity)},
                       {barType},
                       {edgeType},
                       {colours}});
    const std::int64_t units = std::max<std::int64_t>(window.quantity, 0);
    for (const CutRow& cut : sheet.cuts) {
      const std::int64_t pieces = units * std::max<std::int64_t>(cut.count, 0);
      if (cut.kind == PieceKind::Bar) {
        Count(bars, barType, colours, pieces, cut.length);
      } else {
        Count(edges, edgeType, colours, pieces, cut.length);
      }
    }
  }

  const PaperSize size = Turned(settings.paper, Orientation::Portrait);
  std::vector<Page> pages{Page{size.width, size.height, {}}};
  const double width = size.width - 2 * kPageMargin;
  const auto addHeading = [&](const std::string& text) {
    pages.back().items.push_back(Text{{kPageMargin, kPageMargin, width, kJobHeadingSize * 1.25},
                                      text,
                                      kJobHeadingSize,
                                      Align::Left,
                                      false,
                                      true,
                                      Role::Label});
    return kPageMargin + kJobHeadingSize * 1.25 + kJobGap;
  };
  const std::string heading =
      "Job summary: " + JobTitle(settings) + (settings.date.empty() ? "" : ", " + settings.date);
  PageFlow flow{pages,
                kPageMargin,
                size.width - kPageMargin,
                size.height - kPageMargin - kFooterHeight,
                addHeading(heading),
                [&] {
                  pages.push_back(Page{size.width, size.height, {}});
                  return addHeading(heading + " (continued)");
                }};
  AddJobDetails(flow, settings.details);
  AddTable(flow, "Designs",
           {{"Design", 3.0, Align::Left},
            {"Quantity", 1.2, Align::Right},
            {"Bar type", 3.0, Align::Left},
            {"Edge type", 2.0, Align::Left},
            {"Colours (inside / outside)", 3.0, Align::Left}},
           designs);
  flow.y += kJobGap;
  AddTable(flow, "Bar pieces", TotalColumns("Bar type"), TotalRows(bars, settings.unit));
  flow.y += kJobGap;
  AddTable(flow, "Edge pieces", TotalColumns("Edge type"), TotalRows(edges, settings.unit));
  return pages;
}

}  // namespace grill::print
