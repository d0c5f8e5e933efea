#include "qt/TemplateDialog.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QPushButton>

namespace grill {

TemplateDialog::TemplateDialog(QWidget* parent) : QDialog(parent) {}

void TemplateDialog::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      event->accept();
      if (auto* button = qobject_cast<QPushButton*>(focusWidget());
          button != nullptr && button->isEnabled()) {
        button->click();
      } else if (onEnter) {
        onEnter();
      }
      return;
    case Qt::Key_Escape:
      event->accept();
      if (onCancel) {
        onCancel();
      } else {
        reject();
      }
      return;
    default:
      QDialog::keyPressEvent(event);
  }
}

void TemplateDialog::closeEvent(QCloseEvent* event) {
  if (onCancel) {
    onCancel();
  }
  QDialog::closeEvent(event);
}

void TemplateDialog::contextMenuEvent(QContextMenuEvent* event) {
  if (onContextMenu) {
    event->accept();
    onContextMenu(event->globalPos());
  } else {
    QDialog::contextMenuEvent(event);
  }
}

}  // namespace grill
