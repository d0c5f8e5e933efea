#include "qt/CanvasWidget.h"

#include <algorithm>

#include <QFontMetrics>
#include <QFrame>
#include <QMouseEvent>
#include <QPainter>

#include "app/GrillDesignerDlg.h"
#include "app/MainDialogTemplate.h"
#include "qt/PainterDrawing.h"

namespace grill {
namespace {

constexpr int kFrameWidth = 2;

}  // namespace

unsigned MouseFlagsOf(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
  unsigned flags = 0;
  if (buttons & Qt::LeftButton) {
    flags |= kMouseLeft;
  }
  if (buttons & Qt::RightButton) {
    flags |= kMouseRight;
  }
  if (buttons & Qt::MiddleButton) {
    flags |= kMouseMiddle;
  }
  if (modifiers & Qt::ShiftModifier) {
    flags |= kMouseShift;
  }
  if (modifiers & Qt::ControlModifier) {
    flags |= kMouseControl;
  }
  return flags;
}

CanvasWidget::CanvasWidget(CGrillDesignerDlg& designer, QWidget* dialog)
    : QWidget(dialog), designer_(designer), frame_(new QFrame(dialog)) {
  setObjectName(QStringLiteral("canvas"));
  setGeometry(kCanvasLeft, kCanvasTop, kCanvasRight - kCanvasLeft, kCanvasBottom - kCanvasTop);
  frame_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  frame_->setLineWidth(kFrameWidth);
  PlaceFrame();
  frame_->stackUnder(this);
  setMouseTracking(true);
  // The right button shapes the grill here; it opens no menu.
  setContextMenuPolicy(Qt::PreventContextMenu);
}

// The frame lies just outside the canvas, so that the whole canvas rectangle,
// its black outline included, stays the drawing's own.
void CanvasWidget::PlaceFrame() {
  frame_->setGeometry(geometry().adjusted(-kFrameWidth, -kFrameWidth, kFrameWidth, kFrameWidth));
}

void CanvasWidget::resizeEvent(QResizeEvent*) {
  PlaceFrame();
  designer_.OnCanvasResize(width(), height());
}

void CanvasWidget::moveEvent(QMoveEvent*) {
  PlaceFrame();
}

void CanvasWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PrepareForDrawing(painter);
  // The dialog's kept context draws in the coordinates of the dialog's
  // controls (below the menu bar), which put the canvas rectangle exactly on
  // this widget.
  PainterDrawing dialogDc(painter, -QPoint(kCanvasLeft, kCanvasTop));
  PainterDrawing canvasDc(painter, QPoint(0, 0));
  designer_.OnPaint(dialogDc, canvasDc);
  DrawDraggedPosition(painter);
}

// The position of the bar being dragged, beside the pointer, on a white
// ground so that it reads over the bars it passes.
void CanvasWidget::DrawDraggedPosition(QPainter& painter) const {
  const auto label = designer_.View().Canvas().DraggedPositionLabel();
  if (!label) {
    return;
  }
  const QString text = QString::fromStdString(label->text);
  const QFontMetrics metrics(painter.font());
  QRect box = metrics.boundingRect(text).adjusted(-3, -2, 3, 2);
  box.moveBottomLeft(QPoint(label->x, label->y));
  // Kept inside the canvas near its right and top edges.
  box.moveRight(std::min(box.right(), width() - 2));
  box.moveTop(std::max(box.top(), 2));
  painter.setPen(QColor(0x50, 0x50, 0x50));
  painter.setBrush(Qt::white);
  painter.drawRect(box);
  painter.setPen(Qt::black);
  painter.drawText(box, Qt::AlignCenter, text);
}

bool CanvasWidget::OnCanvas(const QMouseEvent& event, QPoint& point) const {
  point = event.position().toPoint();
  return rect().contains(point);
}

void CanvasWidget::mousePressEvent(QMouseEvent* event) {
  QPoint point;
  if (event->button() == Qt::LeftButton && OnCanvas(*event, point)) {
    designer_.OnCanvasLButtonDown(MouseFlagsOf(event->buttons(), event->modifiers()), point.x(),
                                  point.y());
  }
  event->accept();
}

void CanvasWidget::mouseMoveEvent(QMouseEvent* event) {
  QPoint point;
  if (OnCanvas(*event, point)) {
    designer_.OnCanvasMouseMove(MouseFlagsOf(event->buttons(), event->modifiers()), point.x(),
                                point.y());
  }
  event->accept();
}

void CanvasWidget::mouseReleaseEvent(QMouseEvent* event) {
  QPoint point;
  if (event->button() == Qt::LeftButton && OnCanvas(*event, point)) {
    designer_.OnCanvasLButtonUp(MouseFlagsOf(event->buttons(), event->modifiers()), point.x(),
                                point.y());
  }
  event->accept();
}

void CanvasWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  QPoint point;
  if (event->button() == Qt::LeftButton && OnCanvas(*event, point)) {
    designer_.OnCanvasDoubleClick();
  }
  event->accept();
}

}  // namespace grill
