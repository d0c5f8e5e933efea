#include "config/ToolMapReader.h"

#include <array>
#include <forward_list>
#include <string>

#include "config/FieldText.h"
#include "model/Measurements.h"

namespace grill {
namespace {

// What a tool key does: fill the empty cells of a row, set one cell, or
// nothing.
struct ToolKeyAction {
  enum Kind { kIgnore, kDefault, kCell } kind = kIgnore;
  int at = 0;  // the row of a default, the cell of a named key
};

ToolKeyAction ActionOf(std::string_view key) {
  using namespace std::string_view_literals;
  using enum ToolKeyAction::Kind;
  // One comparison per literal: each becomes a length test and a few word
  // compares, where a loop over a table of names calls memcmp for every key
  // and reads the names from memory.
  if (key == "V_DEFAULT"sv) {
    return {kDefault, kRowV};
  }
  if (key == "H_DEFAULT"sv) {
    return {kDefault, kRowH};
  }
  if (key == "V_LEFT"sv) {
    return {kCell, kRowV + LEFT};
  }
  if (key == "V_RIGHT"sv) {
    return {kCell, kRowV + RIGHT};
  }
  if (key == "V_BOTH"sv) {
    return {kCell, kRowV + BOTH};
  }
  if (key == "V_NONE"sv) {
    return {kCell, kRowV + NONE};
  }
  if (key == "H_UP"sv) {
    return {kCell, kRowH + UP};
  }
  if (key == "H_DOWN"sv) {
    return {kCell, kRowH + DOWN};
  }
  if (key == "H_BOTH"sv) {
    return {kCell, kRowH + BOTH};
  }
  if (key == "H_NONE"sv) {
    return {kCell, kRowH + NONE};
  }
  return {};
}

// The twelve codes as views, settled key by key before any string of the
// record is written: a default followed by named keys would otherwise write
// some cells twice. The views start as the record's own codes, so that a
// default fills exactly the cells that are empty.
class PendingCodes {
 public:
  explicit PendingCodes(const ToolMapEntry& record) {
    for (size_t cell = 0; cell < codes_.size(); ++cell) {
      codes_[cell] = record.toolCodes[cell];
    }
  }

  void Apply(std::string_view key, std::string_view value) {
    const ToolKeyAction action = ActionOf(key);
    if (action.kind == ToolKeyAction::kCell) {
      Set(static_cast<size_t>(action.at), value);
    } else if (action.kind == ToolKeyAction::kDefault) {
      // A default fills only the cells of its row that are still empty, so
      // a named key wins whether it comes before or after the default.
      for (int direction = UP; direction <= NONE; ++direction) {
        const auto cell = static_cast<size_t>(action.at + direction);
        if (codes_[cell].empty()) {
          Set(cell, value);
        }
      }
    }
  }

  // A copy of `value` that lives as long as this object, for a value held in
  // storage that the next field reuses. The list never moves its texts.
  std::string_view Keep(std::string_view value) { return kept_.emplace_front(value); }

  void WriteTo(ToolMapEntry& record) const {
    for (size_t cell = 0; cell < codes_.size(); ++cell) {
      if (set_[cell]) {
        record.toolCodes[cell] = codes_[cell];
      }
    }
  }

 private:
  void Set(size_t cell, std::string_view value) {
    codes_[cell] = value;
    set_[cell] = true;
  }

  std::array<std::string_view, 12> codes_;
  std::array<bool, 12> set_{};
  std::forward_list<std::string> kept_;
};

}  // namespace

void ParseToolMapLine(ConfigReader& reader, std::string_view line, ToolMapEntry& record) {
  reader.SplitFields(line);
  if (reader.fieldCount < 2) {
    reader.diagnostics.push_back("Invalid number of Fields: " + std::string(line));
    return;
  }
  // Holds a field's stripped text when blanks or commas sit inside it.
  std::string storage;
  record.name = StripBlanksAndCommas(reader.fields[0], storage);
  int ok = 1;
  record.toolMeasurement = ParseMeasurement(StripBlanksAndCommas(reader.fields[1], storage), ok);
  if (ok == 0) {
    reader.diagnostics.push_back("Invalid Tool Measurement: " + std::string(line));
  }
  PendingCodes codes(record);
  for (size_t i = 2; i < reader.fields.size(); ++i) {
    // Emptied first, so that a field stripped into it leaves it non-empty.
    storage.clear();
    const KeyValueView pair = SplitKeyValue(reader.fields[i], storage);
    codes.Apply(pair.key, storage.empty() ? pair.value : codes.Keep(pair.value));
  }
  codes.WriteTo(record);
}

std::vector<ToolMapEntry> ReadToolMap(ConfigReader& reader) {
  std::vector<ToolMapEntry> toolMap;
  toolMap.reserve(reader.sectionLines.size());
  for (std::string_view line : reader.sectionLines) {
    ParseToolMapLine(reader, line, toolMap.emplace_back());
  }
  return toolMap;
}

}  // namespace grill
