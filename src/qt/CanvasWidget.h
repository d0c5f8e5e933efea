#pragma once

#include <QWidget>

class QFrame;

class QPainter;

namespace grill {

class CGrillDesignerDlg;

// The key-state flags of a mouse message from Qt's buttons and modifiers.
unsigned MouseFlagsOf(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);

// The drawing area of the main dialog. It only translates: its painting runs
// the dialog's paint handler, its mouse events become the canvas messages,
// its size becomes the canvas's client size. A sunken frame around it, which
// follows it, sets it off from the dialog.
class CanvasWidget final : public QWidget {
 public:
  CanvasWidget(CGrillDesignerDlg& designer, QWidget* dialog);

  QFrame& Frame() { return *frame_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;

 private:
  // The event's point, when it lies on the canvas; the canvas never hears of
  // points outside it, also while a button held down keeps the mouse.
  bool OnCanvas(const QMouseEvent& event, QPoint& point) const;
  void PlaceFrame();
  void DrawDraggedPosition(QPainter& painter) const;

  CGrillDesignerDlg& designer_;
  QFrame* frame_;  // owned by the dialog
};

}  // namespace grill
