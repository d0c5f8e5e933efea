#include "StateReports.h"

#include <algorithm>

#include "config/ConfigRecords.h"
#include "model/Measurements.h"

namespace grill {
namespace {

// A bar count as far as the 32-entry tables reach, so that a report never
// reads outside them.
int TableCount(int count) {
  return std::clamp(count, 0, kTableSize - 2);
}

std::string JoinEntries(const std::vector<std::string>& entries) {
  std::string joined;
  for (size_t i = 0; i < entries.size(); ++i) {
    if (i > 0) {
      joined += '|';
    }
    joined += entries[i];
  }
  return joined;
}

std::string PositionsLine(const char* label, const PositionTable& positions, int count) {
  std::string line = label;
  for (int i = 0; i <= TableCount(count) + 1; ++i) {
    line += ' ' + FormatFixed(positions[static_cast<size_t>(i)], 6);
  }
  return line;
}

std::string SegmentDigit(std::uint8_t flag) {
  return FormatInteger(flag);
}

// One word per row band, holding the flags of vertical bars 1..vertCount.
std::string VertSegmentsLine(const GrillWindow& w) {
  std::string line = "vertSegments";
  for (int h = 0; h <= TableCount(w.horzCount); ++h) {
    std::string word;
    for (int v = 1; v <= TableCount(w.vertCount); ++v) {
      word += SegmentDigit(w.vertSegments[static_cast<size_t>(h)][static_cast<size_t>(v)]);
    }
    line += ' ' + (word.empty() ? std::string("-") : word);
  }
  return line;
}

// One word per horizontal bar, holding its flags in column bands 0..vertCount.
std::string HorzSegmentsLine(const GrillWindow& w) {
  std::string line = "horzSegments";
  for (int h = 1; h <= TableCount(w.horzCount); ++h) {
    line += ' ';
    for (int v = 0; v <= TableCount(w.vertCount); ++v) {
      line += SegmentDigit(w.horzSegments[static_cast<size_t>(h)][static_cast<size_t>(v)]);
    }
  }
  return line;
}

template <typename Record>
std::string NameOf(const Record* record) {
  return record != nullptr ? record->name : std::string();
}

}  // namespace

std::string ControlReport(const MemoryControls& controls, int id) {
  std::string report = FormatInteger(id);
  if (!controls.IsVisible(id)) {
    report += " hidden";
  }
  switch (controls.KindOf(id)) {
    case ControlKind::PushButton:
    case ControlKind::DefaultPushButton:
      return report;
    case ControlKind::RadioButton:
      return report + " checked=" + (controls.IsChecked(id) ? "1" : "0");
    case ControlKind::ListBox:
    case ControlKind::SortedListBox:
      return report + " sel=" + FormatInteger(controls.Selection(id)) +
             " items=" + JoinEntries(controls.Entries(id));
    case ControlKind::DropDownCombo:
      return report + " sel=" + FormatInteger(controls.Selection(id)) +
             " text=" + controls.Text(id) + " items=" + JoinEntries(controls.Entries(id));
    case ControlKind::Edit:
    case ControlKind::MultiLineEdit:
    case ControlKind::Label:
    case ControlKind::GroupBox:
      break;
  }
  return report + " text=" + controls.Text(id);
}

std::vector<std::string> DesignReport(const GrillWindow* design) {
  if (design == nullptr) {
    return {"design none"};
  }
  const GrillWindow& w = *design;
  return {
      "design " + w.name,
      "outer " + FormatFixed(w.outerWidth, 6) + ' ' + FormatFixed(w.outerHeight, 6),
      "inner " + FormatFixed(w.innerWidth, 6) + ' ' + FormatFixed(w.innerHeight, 6),
      "quantity " + FormatInteger(w.quantity),
      "types " + NameOf(w.barType) + '|' + NameOf(w.edgeType) + '|' + NameOf(w.insideColor) + '|' +
          NameOf(w.outsideColor),
      PositionsLine("horzPos", w.horzPos, w.horzCount),
      PositionsLine("vertPos", w.vertPos, w.vertCount),
      VertSegmentsLine(w),
      HorzSegmentsLine(w),
  };
}

std::string CanvasReport(const GrillCanvas& canvas) {
  const GrillCanvas::Pointer& pointer = canvas.PointerState();
  return "canvas scale=" + FormatFixed(canvas.Scale(), 6) +
         " dragHorz=" + FormatInteger(pointer.dragHorz) +
         " dragVert=" + FormatInteger(pointer.dragVert) +
         " prevRow=" + FormatInteger(pointer.prevRow) +
         " prevColumn=" + FormatInteger(pointer.prevColumn);
}

}  // namespace grill
