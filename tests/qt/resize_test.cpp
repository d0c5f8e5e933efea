#include <QDir>
#include <QFrame>
#include <QGroupBox>
#include <QImage>
#include <QListWidget>
#include <QtTest>
#include <cmath>

#include "QtTestRegistry.h"
#include "QtTestSupport.h"
#include "app/MainDialogTemplate.h"

using namespace grill;
using namespace grill::testing;

// The main dialog resized as the user resizes it: the canvas takes the room,
// the controls keep their places at the edges they face, and the design is
// drawn at the larger scale. Grabs the large dialog into the build's screenshots folder.
class ResizeTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void neverSmallerThanTheTemplate();
  void canvasTakesTheRoomAndControlsFollowTheirEdges();
  void largeDialogDrawsAtTheLargerScaleWithoutOverlaps();

 private:
  QDialog& Dialog() { return run_->designer.Dialog(); }
  CanvasWidget& Canvas() { return run_->designer.Canvas(); }
  QtControls& Controls() { return run_->designer.Controls(); }
  void ResizeTo(QSize size);

  std::unique_ptr<ModalAnswerer> answerer_;
  std::unique_ptr<StartedDesigner> run_;
  QSize templateSize_;
};

namespace {

// The place a widget covers, its frame included for the canvas.
QRect Covered(QWidget& widget, CanvasWidget& canvas) {
  return &widget == &canvas ? canvas.Frame().geometry() : widget.geometry();
}

}  // namespace

void ResizeTest::init() {
  answerer_ = std::make_unique<ModalAnswerer>();
  run_ = std::make_unique<StartedDesigner>(WorkFolder::SampleConfig());
  QVERIFY2(answerer_->messages.empty(), qPrintable(answerer_->Texts().join('|')));
  templateSize_ = Dialog().size();
  Dialog().show();
  QVERIFY(QTest::qWaitForWindowExposed(&Dialog()));
}

void ResizeTest::cleanup() {
  run_.reset();
  answerer_.reset();
}

void ResizeTest::ResizeTo(QSize size) {
  Dialog().resize(size);
  QTRY_COMPARE(Dialog().size(), size);
  QApplication::processEvents();
}

void ResizeTest::neverSmallerThanTheTemplate() {
  QCOMPARE(Dialog().minimumSize(), templateSize_);
  QVERIFY(Dialog().maximumWidth() > 4000);
  QVERIFY(Dialog().windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
  Dialog().resize(templateSize_ - QSize(100, 100));
  QApplication::processEvents();
  QCOMPARE(Dialog().size(), templateSize_);
  QCOMPARE(Canvas().size(), QSize(290, 290));
}

void ResizeTest::canvasTakesTheRoomAndControlsFollowTheirEdges() {
  QWidget& horzList = *Controls().Widget(kHorzList);
  QWidget& windows = *Controls().Widget(kWindowsList);
  QWidget& name = *Controls().Widget(kNameEdit);
  QWidget& apply = *Controls().Widget(kApplyButton);
  const QPoint horzListAt = horzList.pos();
  const QPoint windowsAt = windows.pos();
  const QPoint nameAt = name.pos();
  const QPoint applyAt = apply.pos();
  const QPoint canvasAt = Canvas().pos();

  QWidget& vertList = *Controls().Widget(kVertList);
  QWidget& vertRemove = *Controls().Widget(kVertRemoveButton);
  const QSize listSize = horzList.size();
  const QPoint vertRemoveAt = vertRemove.pos();

  ResizeTo(templateSize_ + QSize(300, 200));
  QCOMPARE(Canvas().geometry(), QRect(canvasAt, QSize(590, 490)));
  QCOMPARE(Canvas().Frame().geometry(), Canvas().geometry().adjusted(-2, -2, 2, 2));
  QCOMPARE(horzList.pos(), horzListAt + QPoint(300, 0));
  // The bar lists take the height gained; the buttons below them move down.
  QCOMPARE(horzList.size(), listSize + QSize(0, 200));
  QCOMPARE(vertList.size(), listSize + QSize(0, 200));
  QCOMPARE(vertRemove.pos(), vertRemoveAt + QPoint(300, 200));
  for (QGroupBox* group : Dialog().findChildren<QGroupBox*>()) {
    for (QWidget* inside : {&horzList, &vertList, &vertRemove}) {
      if (group->geometry().intersects(inside->geometry())) {
        QVERIFY2(group->geometry().contains(inside->geometry()), qPrintable(group->title()));
      }
    }
  }
  QCOMPARE(windows.pos(), windowsAt + QPoint(300, 200));
  QCOMPARE(name.pos(), nameAt + QPoint(0, 200));
  // Apply lies right of the canvas but inside Window Info, so it moves with it.
  QCOMPARE(apply.pos(), applyAt + QPoint(0, 200));

  ResizeTo(templateSize_);
  QCOMPARE(Canvas().size(), QSize(290, 290));
  QCOMPARE(horzList.pos(), horzListAt);
  QCOMPARE(horzList.size(), listSize);
  QCOMPARE(windows.pos(), windowsAt);
}

void ResizeTest::largeDialogDrawsAtTheLargerScaleWithoutOverlaps() {
  ClickButton(Controls(), kMillimetresRadio);
  ClickButton(Controls(), kDividedRadio);
  CreateDesign(Controls(), QStringLiteral("Kitchen"), QStringLiteral("1000"), QStringLiteral("800"),
               QStringLiteral("3"), QStringLiteral("2"));
  QVERIFY2(answerer_->messages.empty(), qPrintable(answerer_->Texts().join('|')));
  auto* vertList = WidgetOf<QListWidget>(Controls(), kVertList);

  ResizeTo(QSize(1600, 1000));
  const GrillCanvas& grill = run_->designer.Designer().View().Canvas();
  const QSize canvasSize = Canvas().size();
  QCOMPARE(canvasSize, QSize(290, 290) + QSize(1600, 1000) - templateSize_);
  QCOMPARE(grill.clientSize.width, canvasSize.width());
  const GrillWindow& design = *run_->designer.Designer().ShownDesign();
  const double room = std::min((canvasSize.width() - 20) / design.innerWidth,
                               (canvasSize.height() - 20) / design.innerHeight);
  QCOMPARE(grill.Scale(), room);

  // A drag at the large size lands the bar under the pointer.
  const int barY = grill.py(design.horzPos[1]);
  QTest::mousePress(&Canvas(), Qt::LeftButton, {}, QPoint(5, barY));
  QTest::mouseMove(&Canvas(), QPoint(5, barY + 40));
  QTest::mouseRelease(&Canvas(), Qt::LeftButton, {}, QPoint(5, barY + 40));
  QCOMPARE(run_->designer.Designer().ShownDesign()->horzPos[1],
           std::round((barY + 40 - 10) / grill.Scale() * 2) / 2);
  // The second vertical bar selected (the drag showed the lists afresh): drawn highlighted.
  vertList->setCurrentRow(1);

  // Nothing overlaps, and everything lies inside the dialog.
  std::vector<QWidget*> placed;
  for (QWidget* child : Dialog().findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (child->isVisible() && child != &Canvas().Frame() &&
        qobject_cast<QGroupBox*>(child) == nullptr) {
      placed.push_back(child);
    }
  }
  for (size_t i = 0; i < placed.size(); ++i) {
    const QRect a = Covered(*placed[i], Canvas());
    QVERIFY2(Dialog().rect().contains(a), qPrintable(placed[i]->objectName()));
    for (size_t j = i + 1; j < placed.size(); ++j) {
      QVERIFY2(!a.intersects(Covered(*placed[j], Canvas())),
               qPrintable(placed[i]->objectName() + QLatin1Char('/') + placed[j]->objectName()));
    }
  }

  const QImage image = Dialog().grab().toImage();
  QVERIFY(image.save(ScreenshotPath("main-dialog-large.png")));
  // The highlighted bar is blue at its place in the drawing.
  const QPoint onBar = Canvas().pos() + QPoint(grill.px(design.vertPos[2]), grill.originY + 5);
  QCOMPARE(image.pixel(onBar), qRgb(0x00, 0x50, 0xFF));
}

GRILL_QT_TEST(ResizeTest);
#include "resize_test.moc"
