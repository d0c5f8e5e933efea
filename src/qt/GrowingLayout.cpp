#include "qt/GrowingLayout.h"

#include <QAbstractItemView>
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
    QSize startSize;
    bool followsRight = false;
    bool followsBottom = false;
    // Taller by the height gained: a group beside the canvas and its list.
    bool grows = false;
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
  // A group beside the canvas (the bar lists) grows down with it: its list
  // takes the height gained and what lies below the list moves down.
  const auto besideCanvas = [&canvasPlace](const QRect& owner) {
    return owner.left() > canvasPlace.right() && owner.top() <= canvasPlace.bottom();
  };
  std::vector<QRect> growingLists;
  for (const QWidget* child : children) {
    const QRect owner = OwnerPlace(child->geometry(), groups);
    if (qobject_cast<const QAbstractItemView*>(child) != nullptr && owner != child->geometry() &&
        besideCanvas(owner)) {
      growingLists.push_back(child->geometry());
    }
  }
  const auto belowGrowingList = [&growingLists, &groups](const QRect& place) {
    return std::any_of(growingLists.begin(), growingLists.end(), [&](const QRect& list) {
      return OwnerPlace(list, groups) == OwnerPlace(place, groups) && place.top() > list.bottom();
    });
  };
  for (QWidget* child : children) {
    if (child == &canvas || child == &canvasFrame) {
      continue;
    }
    if (auto* menuBar = qobject_cast<QMenuBar*>(child)) {
      menuBar_ = menuBar;
      continue;
    }
    const QRect place = child->geometry();
    const QRect owner = OwnerPlace(place, groups);
    const bool growingGroup =
        owner == place && qobject_cast<QGroupBox*>(child) != nullptr && besideCanvas(owner) &&
        std::any_of(growingLists.begin(), growingLists.end(),
                    [&place](const QRect& list) { return place.contains(list); });
    const bool growingList =
        std::find(growingLists.begin(), growingLists.end(), place) != growingLists.end();
    anchored_.push_back({child, child->pos(), child->size(), owner.left() > canvasPlace.right(),
                         owner.top() > canvasPlace.bottom() || belowGrowingList(place),
                         growingGroup || growingList});
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
    if (anchored.widget == nullptr) {
      continue;
    }
    anchored.widget->move(anchored.start +
                          QPoint(anchored.followsRight ? dx : 0, anchored.followsBottom ? dy : 0));
    if (anchored.grows) {
      anchored.widget->resize(anchored.startSize + QSize(0, dy));
    }
  }
}

}  // namespace

void LetDialogGrow(QWidget& dialog, QWidget& canvas, const QWidget& canvasFrame) {
  new GrowingLayout(dialog, canvas, canvasFrame);
}

}  // namespace grill
