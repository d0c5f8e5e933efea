#pragma once

#include <functional>

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
  SaveAnswer AskToSave(std::string_view question) override;
  // No is the default button: sending a job to the saw again takes a deliberate Yes.
  bool AskYesNo(std::string_view question) override;
  std::optional<std::string> ChooseJobToOpen(std::string_view caption) override;
  std::optional<std::string> ChooseJobToSave(std::string_view suggested) override;
  void ShowTitle(std::string_view title, bool modified) override;

  // Told after the title follows the job, so that the menus can follow too.
  std::function<void()> onTitleShown;

  // Stands in for the file dialogs when set (tests): gets whether a file is
  // to be saved and the caption or suggested path, returns the choice.
  static inline std::function<std::optional<std::string>(bool save, std::string_view)> fileChooser;

 private:
  QWidget* parent_;
};

}  // namespace grill
