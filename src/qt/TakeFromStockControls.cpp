#include "qt/TakeFromStockControls.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include "qt/Catalogue.h"
#include "qt/QtDialogHost.h"

namespace grill {

TakeFromStockControls::TakeFromStockControls(const JobCuttingPlan& plan, QDialogButtonBox& buttons,
                                             QWidget& window)
    : QObject(&window),
      plan_(plan),
      window_(window),
      undo_(buttons.addButton(Catalogue::tr("Undo Take"), QDialogButtonBox::ActionRole)),
      status_(new QLabel(&window)) {
  QPushButton* take =
      buttons.addButton(Catalogue::tr("Take from Stock..."), QDialogButtonBox::ActionRole);
  // Take comes before its undo.
  buttons.removeButton(undo_);
  buttons.addButton(undo_, QDialogButtonBox::ActionRole);
  undo_->setEnabled(false);
  connect(take, &QPushButton::clicked, this, [this] { Take(); });
  connect(undo_, &QPushButton::clicked, this, [this] { Undo(); });
}

void TakeFromStockControls::Take() {
  QtDialogHost host(&window_);
  Show(taking_.Take(plan_, files_, host));
}

void TakeFromStockControls::Undo() {
  Show(taking_.Undo(files_));
}

void TakeFromStockControls::Show(const std::string& message) {
  undo_->setEnabled(taking_.Taken());
  status_->setText(taking_.Taken() ? Catalogue::tr("This plan was taken from stock.") : QString());
  if (!message.empty()) {
    QMessageBox::information(&window_, Catalogue::tr("Take from Stock"), CoreText(message));
  }
}

}  // namespace grill
