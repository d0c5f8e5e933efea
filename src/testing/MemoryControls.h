#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/Controls.h"
#include "platform/DialogTemplate.h"

namespace grill {

// The controls of a dialog held in memory, with the same semantics as the Qt
// ones: sorted lists keep their order, radio pairs exclude each other, and
// every message box is recorded in order.
class MemoryControls final : public Controls {
 public:
  explicit MemoryControls(const DialogTemplate& dialogTemplate);

  std::string Text(int id) const override;
  void SetText(int id, std::string_view text) override;
  void SetVisible(int id, bool visible) override;
  bool IsVisible(int id) const override;
  int AddEntry(int id, std::string_view text) override;
  int EntryCount(int id) const override;
  void ClearEntries(int id) override;
  void SetSelection(int id, int index) override;
  int Selection(int id) const override;
  std::string EntryText(int id, int index) const override;
  int FindEntryExact(int id, std::string_view text) const override;
  void SetChecked(int id, bool checked) override;
  bool IsChecked(int id) const override;
  void ShowMessage(std::string_view text) override;
  void EndDialog() override { ended_ = true; }
  void Invalidate() override { ++invalidations_; }

  bool Has(int id) const { return controls_.count(id) != 0; }
  ControlKind KindOf(int id) const;
  const std::vector<std::string>& Entries(int id) const;
  // A radio click as the user makes it: checks it and unchecks its partner.
  void ClickRadio(int id) { SetChecked(id, true); }

  // Every message shown, in order; `onMessage` also hears each as it is shown.
  const std::vector<std::string>& Messages() const { return messages_; }
  void ClearMessages() { messages_.clear(); }
  std::function<void(const std::string&)> onMessage;

  bool Ended() const { return ended_; }
  int Invalidations() const { return invalidations_; }

 private:
  struct Control {
    ControlKind kind = ControlKind::Label;
    std::string text;
    bool visible = true;
    bool checked = false;
    std::vector<std::string> entries;
    int selection = -1;
  };
  Control* Find(int id);
  const Control* Find(int id) const;

  const DialogTemplate& template_;
  std::map<int, Control> controls_;
  std::vector<std::string> messages_;
  bool ended_ = false;
  int invalidations_ = 0;
};

}  // namespace grill
