#include "testing/MemoryControls.h"

#include "platform/ListOrder.h"

namespace grill {

MemoryControls::MemoryControls(const DialogTemplate& dialogTemplate) : template_(dialogTemplate) {
  for (const ControlSpec& controlSpec : dialogTemplate.controls) {
    if (controlSpec.id == kNoId) {
      continue;
    }
    Control& control = controls_[controlSpec.id];
    control.kind = controlSpec.kind;
    control.visible = !controlSpec.hidden;
    const bool captioned = controlSpec.kind != ControlKind::Edit &&
                           controlSpec.kind != ControlKind::MultiLineEdit &&
                           controlSpec.kind != ControlKind::ListBox &&
                           controlSpec.kind != ControlKind::SortedListBox &&
                           controlSpec.kind != ControlKind::DropDownCombo;
    if (captioned) {
      control.text = controlSpec.caption;
    }
  }
}

MemoryControls::Control* MemoryControls::Find(int id) {
  auto found = controls_.find(id);
  return found == controls_.end() ? nullptr : &found->second;
}

const MemoryControls::Control* MemoryControls::Find(int id) const {
  auto found = controls_.find(id);
  return found == controls_.end() ? nullptr : &found->second;
}

ControlKind MemoryControls::KindOf(int id) const {
  const Control* control = Find(id);
  return control != nullptr ? control->kind : ControlKind::Label;
}

const std::vector<std::string>& MemoryControls::Entries(int id) const {
  static const std::vector<std::string> none;
  const Control* control = Find(id);
  return control != nullptr ? control->entries : none;
}

std::string MemoryControls::Text(int id) const {
  const Control* control = Find(id);
  return control != nullptr ? control->text : std::string();
}

void MemoryControls::SetText(int id, std::string_view text) {
  if (Control* control = Find(id)) {
    control->text = std::string(text);
  }
}

void MemoryControls::SetVisible(int id, bool visible) {
  if (Control* control = Find(id)) {
    control->visible = visible;
  }
}

bool MemoryControls::IsVisible(int id) const {
  const Control* control = Find(id);
  return control != nullptr && control->visible;
}

int MemoryControls::AddEntry(int id, std::string_view text) {
  Control* control = Find(id);
  if (control == nullptr) {
    return -1;
  }
  int index = static_cast<int>(control->entries.size());
  if (control->kind == ControlKind::SortedListBox) {
    index = SortedInsertIndex(control->entries, text);
    if (control->selection >= index) {
      ++control->selection;
    }
  }
  control->entries.insert(control->entries.begin() + index, std::string(text));
  return index;
}

int MemoryControls::EntryCount(int id) const {
  const Control* control = Find(id);
  return control != nullptr ? static_cast<int>(control->entries.size()) : 0;
}

void MemoryControls::ClearEntries(int id) {
  if (Control* control = Find(id)) {
    control->entries.clear();
    control->selection = -1;
    if (control->kind == ControlKind::DropDownCombo) {
      control->text.clear();
    }
  }
}

void MemoryControls::SetSelection(int id, int index) {
  Control* control = Find(id);
  if (control == nullptr) {
    return;
  }
  if (index < 0 || index >= static_cast<int>(control->entries.size())) {
    control->selection = -1;
    return;
  }
  control->selection = index;
  if (control->kind == ControlKind::DropDownCombo) {
    control->text = control->entries[static_cast<size_t>(index)];
  }
}

int MemoryControls::Selection(int id) const {
  const Control* control = Find(id);
  return control != nullptr ? control->selection : -1;
}

std::string MemoryControls::EntryText(int id, int index) const {
  const Control* control = Find(id);
  if (control == nullptr || index < 0 || index >= static_cast<int>(control->entries.size())) {
    return {};
  }
  return control->entries[static_cast<size_t>(index)];
}

int MemoryControls::FindEntryExact(int id, std::string_view text) const {
  const Control* control = Find(id);
  if (control == nullptr) {
    return -1;
  }
  for (size_t i = 0; i < control->entries.size(); ++i) {
    if (control->entries[i] == text) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

void MemoryControls::SetChecked(int id, bool checked) {
  Control* control = Find(id);
  if (control == nullptr) {
    return;
  }
  control->checked = checked;
  if (checked) {
    if (Control* partner = Find(template_.RadioPartner(id))) {
      partner->checked = false;
    }
  }
}

bool MemoryControls::IsChecked(int id) const {
  const Control* control = Find(id);
  return control != nullptr && control->checked;
}

void MemoryControls::ShowMessage(std::string_view text) {
  messages_.emplace_back(text);
  if (onMessage) {
    onMessage(messages_.back());
  }
}

}  // namespace grill
