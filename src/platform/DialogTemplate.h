#pragma once

#include <string>
#include <vector>

#include "platform/ControlIds.h"

namespace grill {

enum class ControlKind {
  PushButton,
  DefaultPushButton,
  RadioButton,
  Edit,
  Label,
  GroupBox,
  ListBox,        // unsorted, notifies
  SortedListBox,  // sorted without regard to case, notifies
  DropDownCombo,  // editable text, unsorted
  MultiLineEdit,  // text of several lines, split by '\n'
};

// One control of a dialog template. Positions are in dialog units.
struct ControlSpec {
  int id = kNoId;
  ControlKind kind = ControlKind::Label;
  std::string caption;
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  bool hidden = false;
};

// A toolkit-neutral dialog template: the toolkit builds its widgets from it.
struct DialogTemplate {
  int templateId = 0;
  std::string title;
  int width = 0;   // dialog units
  int height = 0;  // dialog units
  std::vector<ControlSpec> controls;
  // Radio buttons that exclude each other, as pairs of ids.
  std::vector<std::pair<int, int>> radioPairs;

  const ControlSpec* Find(int id) const {
    for (const ControlSpec& controlSpec : controls) {
      if (controlSpec.id == id) {
        return &controlSpec;
      }
    }
    return nullptr;
  }
  int RadioPartner(int id) const {
    for (const auto& [a, b] : radioPairs) {
      if (a == id)
        return b;
      if (b == id)
        return a;
    }
    return kNoId;
  }
};

}  // namespace grill
