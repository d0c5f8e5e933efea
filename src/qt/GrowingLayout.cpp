#include "qt/GrowingLayout.h"

#include <QEvent>
#include <QGroupBox>
#include <QMenuBar>
#include <QPointer>
#include <QResizeEvent>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace grill {
namespace {

// The place that decides where a control goes: that of the group box it
// lies in, or its own.
QRect OwnerPlace(const QRect& place, const std::vector<QRect>& groups) {
  for (const QRect& group : groups) {
    if (group.contains(place)) {
      return group;
    }
  }
  return place;
}

// Turns the dialog's resize events into the moves of its controls and the
// growth of the canvas. Owned by the dialog.
class GrowingLayout final : public QObject {
 public:
  GrowingLayout(QWidget& dialog, QWidget& canvas, const QWidget& canvasFrame);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Anchored {
    QPointer<QWidget> widget;
    QPoint start;
    bool followsRight = false;
    bool followsBottom = false;
  };

  void Follow(QSize size);

  QWidget& canvas_;
  // Spans the dialog's width, whatever it is.
  QPointer<QMenuBar> menuBar_;
  QSize startSize_;
  QSize canvasStartSize_;
  std::vector<Anchored> anchored_;
};

GrowingLayout::GrowingLayout(QWidget& dialog, QWidget& canvas, const QWidget& canvasFrame)
    : QObject(&dialog),
      canvas_(canvas),
      startSize_(dialog.size()),
      canvasStartSize_(canvas.size()) {
  const QList<QWidget*> children = dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  std::vector<QRect> groups;
  for (const QWidget* child : children) {
    if (qobject_cast<const QGroupBox*>(child) != nullptr) {
      groups.push_back(child->geometry());
    }
  }
  const QRect canvasPlace = canvas.geometry();
  for (QWidget* child : children) {
    if (child == &canvas || child == &canvasFrame) {
      continue;
    }
    if (auto* menuBar = qobject_cast<QMenuBar*>(child)) {
      menuBar_ = menuBar;
      continue;
    }
    const QRect owner = OwnerPlace(child->geometry(), groups);
    anchored_.push_back({child, child->pos(), owner.left() > canvasPlace.right(),
                         owner.top() > canvasPlace.bottom()});
  }

  dialog.setMinimumSize(startSize_);
  dialog.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  dialog.setWindowFlag(Qt::WindowMaximizeButtonHint, true);
  dialog.installEventFilter(this);
}

bool GrowingLayout::eventFilter(QObject* /*watched*/, QEvent* event) {
  if (event->type() == QEvent::Resize) {
    Follow(static_cast<QResizeEvent*>(event)->size());
  }
  return false;
}

void GrowingLayout::Follow(QSize size) {
  // Never below the first size, should a window manager insist.
  const int dx = std::max(0, size.width() - startSize_.width());
  const int dy = std::max(0, size.height() - startSize_.height());
  canvas_.resize(canvasStartSize_ + QSize(dx, dy));
  if (menuBar_ != nullptr) {
    menuBar_->resize(size.width(), menuBar_->height());
  }
  for (const Anchored& anchored : anchored_) {
    if (anchored.widget != nullptr) {
      anchored.widget->move(
          anchored.start + QPoint(anchored.followsRight ? dx : 0, anchored.followsBottom ? dy : 0));
    }
  }
}

}  // namespace

void LetDialogGrow(QWidget& dialog, QWidget& canvas, const QWidget& canvasFrame) {
  new GrowingLayout(dialog, canvas, canvasFrame);
}

}  // namespace grill
