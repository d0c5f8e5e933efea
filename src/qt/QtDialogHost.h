#pragma once

#include "platform/DialogHost.h"

class QWidget;

namespace grill {

// The toolkit services of the designer on Qt: the about box, modal dialogs
// built from their templates, and the progress dialog of long runs.
class QtDialogHost final : public DialogHost {
 public:
  // `parent` is the window the dialogs open over (may be null).
  explicit QtDialogHost(QWidget* parent) : parent_(parent) {}

  void ShowAbout() override;
  void RunModal(ModalDialog& dialog, std::function<void()> afterClose) override;
  std::unique_ptr<ProgressMonitor> StartProgress(std::string_view title) override;
  bool MessageWithAction(std::string_view text, std::string_view action) override;

 private:
  QWidget* parent_;
};

}  // namespace grill
