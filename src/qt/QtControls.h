#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/Controls.h"
#include "platform/DialogTemplate.h"
#include "qt/DialogUnits.h"
#include "qt/TemplateDialog.h"

class QWidget;

namespace grill {

// The controls of one dialog template as Qt widgets: a dialog window titled
// from the template, each control placed from its dialog units and named by
// its id (objectName "1000" for list 1000). Clicks and the user's selection
// changes are reported through `onNotify`; changes made through the Controls
// operations report nothing.
class QtControls final : public Controls {
 public:
  explicit QtControls(const DialogTemplate& dialogTemplate, QWidget* parent = nullptr);
  ~QtControls() override;
  QtControls(const QtControls&) = delete;
  QtControls& operator=(const QtControls&) = delete;

  TemplateDialog& Dialog() { return *dialog_; }
  const DialogBaseUnits& BaseUnits() const { return units_; }
  // The widget of control `id`, or null.
  QWidget* Widget(int id) const;

  std::function<void(int id, Notification notification)> onNotify;
  // Replaces the repaint of the whole dialog on Invalidate().
  std::function<void()> onInvalidate;

  // Whether EndDialog was asked for, also before the dialog was ever shown.
  bool EndRequested() const { return endRequested_; }

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
  void EndDialog() override;
  void Invalidate() override;

 private:
  struct Bound {
    ControlKind kind = ControlKind::Label;
    QWidget* widget = nullptr;
    // A label's, group's or button's text as the designer gave it; the
    // widget shows it in the user's language.
    std::string caption;
    // The entries of a list or combo as the bytes they were added with, so
    // that texts come back exactly as the designer gave them.
    std::vector<std::string> entries;
    int selection = -1;  // combos: the entry picked or selected by command
  };

  void Build(const DialogTemplate& dialogTemplate);
  QWidget* CreateWidget(const ControlSpec& controlSpec);
  void ConnectList(int id, Bound& bound);
  void ConnectCombo(int id, Bound& bound);
  void ConnectButton(int id, Bound& bound);
  void ConnectEdit(int id, Bound& bound);
  void Notify(int id, Notification notification);
  Bound* Find(int id);
  const Bound* Find(int id) const;
  // Puts a combo's shown entry and text back as the designer last set them.
  void SyncCombo(Bound& bound, const QString& text);

  std::unique_ptr<TemplateDialog> dialog_;
  DialogBaseUnits units_;
  std::map<int, Bound> controls_;
  std::vector<std::pair<int, int>> radioPairs_;
  // Set while the designer changes a list, whose selection signals are then
  // not the user's.
  bool changingByCommand_ = false;
  bool endRequested_ = false;
};

}  // namespace grill
