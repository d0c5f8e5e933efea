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
constexpr double kPadding = 1.0;

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
  page.items.push_back(Text{
      {cell.left + kPadding, cell.top + kPadding * 0.5, cell.width - 2 * kPadding, labelHeight},
      field.label,
      kLabelSize,
      Align::Left,
      false,
      false,
      Role::Label});
  page.items.push_back(Text{{cell.left + kPadding, cell.top + kPadding * 0.5 + labelHeight,
                             cell.width - 2 * kPadding, kValueSize * 1.25},
                            field.value,
                            kValueSize,
                            Align::Left,
                            false,
                            true,
                            Role::Value});
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
  const double cellWidth = box.width / kColumns;
  const double cellHeight = box.height / kRows;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const double column = static_cast<double>(i % kColumns);
    const double row = static_cast<double>(i / kColumns);
    AddFieldCell(fields[i],
                 {box.left + column * cellWidth, box.top + row * cellHeight, cellWidth, cellHeight},
                 page);
  }
  page.items.push_back(Rect{box, false, Stroke::Thick, Role::Frame});
}

}  // namespace grill::print
