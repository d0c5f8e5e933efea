#pragma once

#include <QDialog>
#include <functional>

namespace grill {

// A dialog window that leaves Enter, Escape, the close box and the context
// menu to its owner, so that no key ever closes it behind the owner's back.
// Enter on a focused push button clicks that button; anywhere else it runs
// `onEnter`. Escape and the close box run `onCancel`.
class TemplateDialog final : public QDialog {
 public:
  explicit TemplateDialog(QWidget* parent = nullptr);

  std::function<void()> onEnter;
  std::function<void()> onCancel;
  std::function<void(const QPoint& globalPos)> onContextMenu;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
};

}  // namespace grill
