#include "print/TitleBlock.h"

#include <array>
#include <cmath>
#include <string>

#include "config/ConfigRecords.h"
#include "model/Measurements.h"
#include "print/PageText.h"

namespace grill::print {
namespace {

constexpr int kColumns = 4;
constexpr int kRows = 3;
constexpr double kLabelSize = 2.2;
constexpr double kValueSize = 3.2;
constexpr double kTitlePadding = 1.0;

std::string ValueOr(const std::string& value) {
  return value.empty() ? "-" : value;
}

std::string NameOr(const std::string* name) {
  return name != nullptr && !name->empty() ? *name : "-";
}

std::string SizeText(double width, double height, Unit unit) {
  return FormatPageLength(width, unit) + " x " + FormatPageLength(height, unit);
}

std::string ScaleText(double scale) {
  return scale > 0.0 && std::isfinite(1.0 / scale) ? "1 : " + FormatFixed(1.0 / scale, 1) : "-";
}

}  // namespace

void AddFieldCell(const TitleField& field, const Box& cell, Page& page) {
  page.items.push_back(Rect{cell, false, Stroke::Thin, Role::Frame});
  const double labelHeight = kLabelSize * 1.25;
  page.items.push_back(Text{{cell.left + kTitlePadding, cell.top + kTitlePadding * 0.5,
                             cell.width - 2 * kTitlePadding, labelHeight},
                            field.label,
                            kLabelSize,
                            Align::Left,
                            false,
                            false,
                            Role::Label});
  page.items.push_back(
      Text{{cell.left + kTitlePadding, cell.top + kTitlePadding * 0.5 + labelHeight,
            cell.width - 2 * kTitlePadding, kValueSize * 1.25},
           field.value,
           kValueSize,
           Align::Left,
           false,
           true,
           Role::Value});
}

bool ShowsJobDetails(const DrawingSettings& settings) {
  const JobDetails& details = settings.details;
  return !details.customer.empty() || !details.orderNumber.empty() || !details.dueDate.empty();
}

double TitleBlockHeight(const DrawingSettings& settings) {
  return kTitleBlockHeight + (ShowsJobDetails(settings) ? kDetailsRowHeight : 0.0);
}

void AddDetailsRow(const JobDetails& details, const Box& row, Page& page) {
  const double cell = row.width / kColumns;
  AddFieldCell({"Customer", ValueOr(details.customer)}, {row.left, row.top, 2 * cell, row.height},
               page);
  AddFieldCell({"Order / PO Number", ValueOr(details.orderNumber)},
               {row.left + 2 * cell, row.top, cell, row.height}, page);
  AddFieldCell({"Due Date", ValueOr(details.dueDate)},
               {row.left + 3 * cell, row.top, cell, row.height}, page);
}

std::string JobTitle(const DrawingSettings& settings) {
  return settings.jobName.empty() ? "Untitled" : settings.jobName;
}

void AddTitleBlock(const GrillWindow& window, const DrawingSettings& settings, double scale,
                   const Box& box, Page& page) {
  const std::array<TitleField, kColumns * kRows> fields{{
      {"Job", JobTitle(settings)},
      {"Design", window.name.empty() ? "-" : window.name},
      {"Date", settings.date.empty() ? "-" : settings.date},
      {"Quantity", FormatInteger(window.quantity)},
      {"Bar type", NameOr(window.barType != nullptr ? &window.barType->name : nullptr)},
      {"Edge type", NameOr(window.edgeType != nullptr ? &window.edgeType->name : nullptr)},
      {"Inside colour",
       NameOr(window.insideColor != nullptr ? &window.insideColor->name : nullptr)},
      {"Outside colour",
       NameOr(window.outsideColor != nullptr ? &window.outsideColor->name : nullptr)},
      {"Outer width x height", SizeText(window.outerWidth, window.outerHeight, settings.unit)},
      {"Inner width x height", SizeText(window.innerWidth, window.innerHeight, settings.unit)},
      {"Scale", ScaleText(scale)},
      {"Unit", settings.unit == Unit::Inches ? "inches" : "millimetres"},
  }};
  const double detailsHeight = ShowsJobDetails(settings) ? kDetailsRowHeight : 0.0;
  const double cellWidth = box.width / kColumns;
  const double cellHeight = (box.height - detailsHeight) / kRows;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const double column = static_cast<double>(i % kColumns);
    const double row = static_cast<double>(i / kColumns);
    AddFieldCell(fields[i],
                 {box.left + column * cellWidth, box.top + row * cellHeight, cellWidth, cellHeight},
                 page);
  }
  if (detailsHeight > 0.0) {
    AddDetailsRow(settings.details,
                  {box.left, box.Bottom() - detailsHeight, box.width, detailsHeight}, page);
  }
  page.items.push_back(Rect{box, false, Stroke::Thick, Role::Frame});
}

}  // namespace grill::print
