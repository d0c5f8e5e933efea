#pragma once

#include <QWidget>

namespace grill {

class CGrillDesignerDlg;

// The key-state flags of a mouse message from Qt's buttons and modifiers.
unsigned MouseFlagsOf(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);

// The drawing area of the main dialog. It only translates: its painting runs
// the dialog's paint handler, its mouse events become the canvas messages.
// A sunken frame around it sets it off from the dialog.
class CanvasWidget final : public QWidget {
 public:
  CanvasWidget(CGrillDesignerDlg& designer, QWidget* dialog);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  // The event's point, when it lies on the canvas; the canvas never hears of
  // points outside it, also while a button held down keeps the mouse.
  bool OnCanvas(const QMouseEvent& event, QPoint& point) const;

  CGrillDesignerDlg& designer_;
};

}  // namespace grill
