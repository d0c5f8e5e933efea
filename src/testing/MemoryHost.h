#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/DialogHost.h"
#include "testing/MemoryControls.h"

namespace grill {

// The toolkit services in memory. A modal dialog stays open until Close*()
// is called, so a test or script can address its controls meanwhile.
class MemoryHost final : public DialogHost {
 public:
  void ShowAbout() override;
  void RunModal(ModalDialog& dialog, std::function<void()> afterClose) override;
  std::unique_ptr<ProgressMonitor> StartProgress(std::string_view title) override;
  // Passes the text to `onModalMessage`, records the action offered and
  // answers `chooseAction` when there was one.
  bool MessageWithAction(std::string_view text, std::string_view action) override;
  SaveAnswer AskToSave(std::string_view question) override;
  // Passes the question to `onQuestion` and answers `answerYes`.
  bool AskYesNo(std::string_view question) override;
  std::optional<std::string> ChooseJobToOpen(std::string_view caption) override;
  std::optional<std::string> ChooseJobToSave(std::string_view suggested) override;
  void ShowTitle(std::string_view title, bool modified) override;

  // The open modal dialog's controls, or null.
  MemoryControls* ModalControls() { return modal_ ? modal_->controls.get() : nullptr; }
  // The modal dialog's OK action; closes it when the dialog accepts.
  // Returns true when it closed.
  bool ClickModalOk();
  void CancelModal();

  int aboutBoxes = 0;
  std::function<void()> onAbout;
  // Progress updates after which the run is to be cancelled (-1: never).
  int cancelAfterUpdates = -1;
  // Progress dialogs started and not yet ended.
  int openProgress = 0;
  std::function<void(const std::string&)> onModalMessage;
  // The actions offered with messages, in order ("" for a plain message).
  std::vector<std::string> offeredActions;
  bool chooseAction = false;

  // The answer to every question, and each question as it is asked.
  SaveAnswer answer = SaveAnswer::Cancel;
  bool answerYes = false;
  std::function<void(const std::string&)> onQuestion;
  // The paths the file choosers return, first to last; an empty queue cancels.
  std::vector<std::string> chosenFiles;
  // The main window's title as last shown.
  std::string title;
  bool titleModified = false;

 private:
  struct Modal {
    ModalDialog* dialog = nullptr;
    std::unique_ptr<MemoryControls> controls;
    std::function<void()> afterClose;
  };
  void Close();
  std::optional<std::string> TakeChosenFile();
  std::optional<Modal> modal_;
};

}  // namespace grill
