#include "testing/MemoryHost.h"

namespace grill {
namespace {

class CountingProgress final : public ProgressMonitor {
 public:
  CountingProgress(int cancelAfter, int& open) : cancelAfter_(cancelAfter), open_(open) { ++open_; }
  ~CountingProgress() override { --open_; }
  CountingProgress(const CountingProgress&) = delete;
  CountingProgress& operator=(const CountingProgress&) = delete;
  bool Update(std::int64_t, std::int64_t) override {
    ++updates_;
    return cancelAfter_ < 0 || updates_ <= cancelAfter_;
  }

 private:
  int cancelAfter_;
  int& open_;
  int updates_ = 0;
};

}  // namespace

void MemoryHost::ShowAbout() {
  ++aboutBoxes;
  if (onAbout) {
    onAbout();
  }
}

void MemoryHost::RunModal(ModalDialog& dialog, std::function<void()> afterClose) {
  Modal modal;
  modal.dialog = &dialog;
  modal.controls = std::make_unique<MemoryControls>(dialog.Template());
  modal.controls->onMessage = [this](const std::string& text) {
    if (onModalMessage) {
      onModalMessage(text);
    }
  };
  modal.afterClose = std::move(afterClose);
  modal_ = std::move(modal);
  modal_->dialog->OnInitDialog(*modal_->controls);
}

bool MemoryHost::ClickModalOk() {
  if (!modal_) {
    return false;
  }
  if (!modal_->dialog->OnOK(*modal_->controls)) {
    return false;
  }
  Close();
  return true;
}

void MemoryHost::CancelModal() {
  if (modal_) {
    Close();
  }
}

void MemoryHost::Close() {
  std::function<void()> afterClose = std::move(modal_->afterClose);
  modal_.reset();
  if (afterClose) {
    afterClose();
  }
}

std::unique_ptr<ProgressMonitor> MemoryHost::StartProgress(std::string_view) {
  return std::make_unique<CountingProgress>(cancelAfterUpdates, openProgress);
}

bool MemoryHost::MessageWithAction(std::string_view text, std::string_view action) {
  offeredActions.emplace_back(action);
  if (onModalMessage) {
    onModalMessage(std::string(text));
  }
  return !action.empty() && chooseAction;
}

SaveAnswer MemoryHost::AskToSave(std::string_view question) {
  if (onQuestion) {
    onQuestion(std::string(question));
  }
  return answer;
}

bool MemoryHost::AskYesNo(std::string_view question) {
  if (onQuestion) {
    onQuestion(std::string(question));
  }
  return answerYes;
}

std::optional<std::string> MemoryHost::ChooseJobToOpen(std::string_view /*caption*/) {
  return TakeChosenFile();
}

std::optional<std::string> MemoryHost::ChooseJobToSave(std::string_view /*suggested*/) {
  return TakeChosenFile();
}

std::optional<std::string> MemoryHost::TakeChosenFile() {
  if (chosenFiles.empty()) {
    return std::nullopt;
  }
  std::string path = chosenFiles.front();
  chosenFiles.erase(chosenFiles.begin());
  return path;
}

void MemoryHost::ShowTitle(std::string_view shown, bool modified) {
  title = shown;
  titleModified = modified;
}

}  // namespace grill
