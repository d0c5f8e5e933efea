#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Controls.h"
#include "platform/DialogTemplate.h"

namespace grill {

// The logic of a modal dialog other than the main one (the window editor).
class ModalDialog {
 public:
  virtual ~ModalDialog() = default;
  virtual const DialogTemplate& Template() const = 0;
  virtual void OnInitDialog(Controls& controls) = 0;
  // The OK action; returns true when the dialog is to close with OK.
  virtual bool OnOK(Controls& controls) = 0;
};

// Progress of a long run. Update returns false once the user asked to cancel.
class ProgressMonitor {
 public:
  virtual ~ProgressMonitor() = default;
  virtual bool Update(std::int64_t done, std::int64_t total) = 0;
};

// The user's answer to "Save changes to ...?".
enum class SaveAnswer { Save, Discard, Cancel };

// Services of the windowing toolkit beyond one dialog's controls.
class DialogHost {
 public:
  virtual ~DialogHost() = default;
  // The modal about box.
  virtual void ShowAbout() = 0;
  // Runs `dialog` modally; `afterClose` runs once it has closed, whatever
  // the result. A toolkit may return before the dialog closes (the headless
  // driver does) but always runs `afterClose` after the close.
  virtual void RunModal(ModalDialog& dialog, std::function<void()> afterClose) = 0;
  // Starts reporting the progress of a long run (shown only if it lasts).
  virtual std::unique_ptr<ProgressMonitor> StartProgress(std::string_view title) = 0;
  // A modal message box with OK and, unless `action` is empty, a second
  // button labelled `action`; true when the user chose the action.
  virtual bool MessageWithAction(std::string_view text, std::string_view action) = 0;

  // Asks `question` with Save, Discard and Cancel. A host that cannot ask
  // keeps the work: Cancel.
  virtual SaveAnswer AskToSave(std::string_view /*question*/) { return SaveAnswer::Cancel; }
  // Asks `question` with Yes and No; true for Yes. A host that cannot ask answers No, which
  // leaves everything as it is.
  virtual bool AskYesNo(std::string_view /*question*/) { return false; }
  // The job file the user picks to open, or to save as (starting from
  // `suggested`); nullopt when the user cancels or the host cannot ask.
  virtual std::optional<std::string> ChooseJobToOpen(std::string_view /*caption*/) {
    return std::nullopt;
  }
  virtual std::optional<std::string> ChooseJobToSave(std::string_view /*suggested*/) {
    return std::nullopt;
  }
  // The main window's title; `modified` sets the toolkit's modified mark,
  // which stands where the title says "[*]".
  virtual void ShowTitle(std::string_view /*title*/, bool /*modified*/) {}
};

}  // namespace grill
