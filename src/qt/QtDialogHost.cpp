#include "qt/QtDialogHost.h"

#include <QCoreApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <algorithm>

#include "app/MainDialogTemplate.h"
#include "qt/AboutBox.h"
#include "qt/ApplicationIcon.h"
#include "qt/Catalogue.h"
#include "qt/QtControls.h"

namespace grill {
namespace {

// Steps of the progress bar; a run's own counts can exceed what a bar holds.
constexpr int kProgressSteps = 1000;
// How often a run lets the window answer the user (the Cancel button).
constexpr qint64 kEventIntervalMs = 40;
// A run shorter than this shows no progress dialog.
constexpr int kShowAfterMs = 500;

class QtProgress final : public ProgressMonitor {
 public:
  QtProgress(std::string_view title, QWidget* parent)
      : dialog_(CoreText(title), Catalogue::tr("Cancel"), 0, kProgressSteps, parent) {
    dialog_.setWindowTitle(QString::fromUtf8(kApplicationTitle));
    dialog_.setWindowModality(Qt::WindowModal);
    dialog_.setMinimumDuration(kShowAfterMs);
    dialog_.setAutoClose(false);
    dialog_.setAutoReset(false);
    dialog_.setValue(0);
    sinceEvents_.start();
  }

  bool Update(std::int64_t done, std::int64_t total) override {
    const double share = total > 0 ? static_cast<double>(done) / static_cast<double>(total) : 0.0;
    const int step = static_cast<int>(std::clamp(share, 0.0, 1.0) * kProgressSteps);
    if (step != dialog_.value()) {
      dialog_.setValue(step);
    }
    if (sinceEvents_.elapsed() >= kEventIntervalMs) {
      QCoreApplication::processEvents();
      sinceEvents_.restart();
    }
    return !dialog_.wasCanceled();
  }

 private:
  QProgressDialog dialog_;
  QElapsedTimer sinceEvents_;
};

}  // namespace

void QtDialogHost::ShowAbout() {
  CreateAboutBox(parent_)->exec();
}

void QtDialogHost::RunModal(ModalDialog& dialog, std::function<void()> afterClose) {
  const DialogTemplate& dialogTemplate = dialog.Template();
  QtControls controls(dialogTemplate, parent_);
  TemplateDialog& window = controls.Dialog();
  window.setWindowIcon(ApplicationIcon());

  // OK closes only when the dialog accepts what was typed.
  auto ok = [&dialog, &controls, &window] {
    if (dialog.OnOK(controls)) {
      window.accept();
    }
  };
  controls.onNotify = [&ok, &window](int id, Notification notification) {
    if (notification != Notification::Clicked) {
      return;
    }
    if (id == kIdOk) {
      ok();
    } else if (id == kIdCancel) {
      window.reject();
    }
  };
  // Enter outside a push button is the template's default button, if any.
  const bool hasDefault =
      std::any_of(dialogTemplate.controls.begin(), dialogTemplate.controls.end(),
                  [](const ControlSpec& controlSpec) {
                    return controlSpec.kind == ControlKind::DefaultPushButton;
                  });
  if (hasDefault) {
    window.onEnter = ok;
  }
  window.onCancel = [&window] { window.reject(); };

  dialog.OnInitDialog(controls);
  if (!controls.EndRequested()) {
    window.exec();
  }
  if (afterClose) {
    afterClose();
  }
}

std::unique_ptr<ProgressMonitor> QtDialogHost::StartProgress(std::string_view title) {
  return std::make_unique<QtProgress>(title, parent_);
}

bool QtDialogHost::MessageWithAction(std::string_view text, std::string_view action) {
  QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(kApplicationTitle), CoreText(text),
                  QMessageBox::Ok, parent_);
  box.setTextFormat(Qt::PlainText);
  QPushButton* actionButton =
      action.empty() ? nullptr : box.addButton(CoreText(action), QMessageBox::AcceptRole);
  box.exec();
  return actionButton != nullptr && box.clickedButton() == actionButton;
}

namespace {

QString JobFilter() {
  return Catalogue::tr("Grill jobs (*.grilljob);;All files (*)");
}

}  // namespace

SaveAnswer QtDialogHost::AskToSave(std::string_view question) {
  QMessageBox box(QMessageBox::Warning, QString::fromUtf8(kApplicationTitle), CoreText(question),
                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent_);
  box.setDefaultButton(QMessageBox::Save);
  switch (box.exec()) {
    case QMessageBox::Save:
      return SaveAnswer::Save;
    case QMessageBox::Discard:
      return SaveAnswer::Discard;
    default:
      return SaveAnswer::Cancel;
  }
}

bool QtDialogHost::AskYesNo(std::string_view question) {
  QMessageBox box(QMessageBox::Question, QString::fromUtf8(kApplicationTitle), CoreText(question),
                  QMessageBox::Yes | QMessageBox::No, parent_);
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

std::optional<std::string> QtDialogHost::ChooseJobToOpen(std::string_view caption) {
  if (fileChooser) {
    return fileChooser(false, caption);
  }
  const QString path =
      QFileDialog::getOpenFileName(parent_, CoreText(caption), QString(), JobFilter());
  if (path.isEmpty()) {
    return std::nullopt;
  }
  return QFile::encodeName(path).toStdString();
}

std::optional<std::string> QtDialogHost::ChooseJobToSave(std::string_view suggested) {
  if (fileChooser) {
    return fileChooser(true, suggested);
  }
  QFileDialog dialog(parent_, Catalogue::tr("Save Job As"), QString(), JobFilter());
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QStringLiteral("grilljob"));
  dialog.selectFile(QFile::decodeName(QByteArray::fromStdString(std::string(suggested))));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    return std::nullopt;
  }
  return QFile::encodeName(dialog.selectedFiles().front()).toStdString();
}

void QtDialogHost::ShowTitle(std::string_view title, bool modified) {
  if (parent_ != nullptr) {
    parent_->setWindowTitle(CoreText(title));
    parent_->setWindowModified(modified);
  }
  if (onTitleShown) {
    onTitleShown();
  }
}

}  // namespace grill
