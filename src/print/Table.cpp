#include "print/Table.h"

#include <algorithm>
#include <numeric>

#include "print/PageText.h"

namespace grill::print {
namespace {

constexpr double kTitleGap = 1.0;

std::vector<double> ColumnWidths(double width, const std::vector<TableColumn>& columns) {
  const double shares =
      std::accumulate(columns.begin(), columns.end(), 0.0,
                      [](double sum, const TableColumn& c) { return sum + c.share; });
  std::vector<double> widths;
  for (const TableColumn& column : columns) {
    widths.push_back(shares > 0.0 ? width * column.share / shares : 0.0);
  }
  return widths;
}

// The lines of a cell in a column of `width`, breaking between parts.
std::vector<std::string> WrapCell(const TableCell& cell, double width, const TableStyle& style) {
  std::vector<std::string> lines;
  const double room = width - 2 * style.padding;
  for (const std::string& part : cell) {
    if (!lines.empty() && EstimatedTextWidth(lines.back() + ", " + part, style.textSize) <= room) {
      lines.back() += ", " + part;
    } else {
      if (!lines.empty()) {
        lines.back() += ",";
      }
      lines.push_back(part);
    }
  }
  if (lines.empty()) {
    lines.emplace_back();
  }
  return lines;
}

struct LaidOutRow {
  std::vector<std::vector<std::string>> cells;
  double height = 0.0;
};

LaidOutRow LayOutRow(const TableRow& row, const std::vector<double>& widths,
                     const TableStyle& style) {
  LaidOutRow laidOut;
  std::size_t lines = 1;
  for (std::size_t i = 0; i < widths.size(); ++i) {
    laidOut.cells.push_back(i < row.size() ? WrapCell(row[i], widths[i], style)
                                           : std::vector<std::string>{""});
    lines = std::max(lines, laidOut.cells.back().size());
  }
  laidOut.height = static_cast<double>(lines) * style.textSize * kLineSpacing + 2 * style.padding;
  return laidOut;
}

LaidOutRow HeadingRow(const std::vector<TableColumn>& columns, const TableStyle& style) {
  TableRow row;
  for (const TableColumn& column : columns) {
    row.push_back({column.heading});
  }
  return LayOutRow(row, std::vector<double>(columns.size(), 1e9), style);
}

void AddRow(PageFlow& flow, const LaidOutRow& row, const std::vector<double>& widths,
            const std::vector<TableColumn>& columns, const TableStyle& style, bool heading) {
  const double lineHeight = style.textSize * kLineSpacing;
  double x = flow.left;
  for (std::size_t i = 0; i < widths.size(); ++i) {
    flow.Add(Rect{{x, flow.y, widths[i], row.height}, heading, Stroke::Thin, Role::Frame});
    double lineTop = flow.y + style.padding;
    for (const std::string& line : row.cells[i]) {
      flow.Add(Text{{x + style.padding, lineTop, widths[i] - 2 * style.padding, lineHeight},
                    line,
                    style.textSize,
                    heading ? Align::Left : columns[i].align,
                    false,
                    heading,
                    heading ? Role::Label : Role::Value});
      lineTop += lineHeight;
    }
    x += widths[i];
  }
  flow.y += row.height;
}

double TitleHeight(const TableStyle& style) {
  return style.textSize * 1.2 * kLineSpacing + kTitleGap;
}

}  // namespace

void AddTable(PageFlow& flow, const std::string& title, const std::vector<TableColumn>& columns,
              const std::vector<TableRow>& rows, const TableStyle& style) {
  const std::vector<double> widths = ColumnWidths(flow.Width(), columns);
  const LaidOutRow heading = HeadingRow(columns, style);
  const double titleHeight = TitleHeight(style);
  const auto startTable = [&](bool continued) {
    flow.Add(Text{{flow.left, flow.y, flow.Width(), titleHeight - kTitleGap},
                  continued ? title + " (continued)" : title,
                  style.textSize * 1.2,
                  Align::Left,
                  false,
                  true,
                  Role::Label});
    flow.y += titleHeight;
    AddRow(flow, heading, widths, columns, style, true);
  };

  const LaidOutRow first = rows.empty() ? heading : LayOutRow(rows.front(), widths, style);
  flow.MakeRoom(titleHeight + heading.height + first.height);
  startTable(false);
  for (const TableRow& row : rows) {
    const LaidOutRow laidOut = LayOutRow(row, widths, style);
    if (!flow.Fits(laidOut.height) &&
        flow.MakeRoom(titleHeight + heading.height + laidOut.height)) {
      startTable(true);
    }
    AddRow(flow, laidOut, widths, columns, style, false);
  }
}

double TableHeight(double width, const std::vector<TableColumn>& columns,
                   const std::vector<TableRow>& rows, const TableStyle& style) {
  const std::vector<double> widths = ColumnWidths(width, columns);
  double height = TitleHeight(style) + HeadingRow(columns, style).height;
  for (const TableRow& row : rows) {
    height += LayOutRow(row, widths, style).height;
  }
  return height;
}

}  // namespace grill::print
