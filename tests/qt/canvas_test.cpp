#include <QtTest>

#include "QtTestRegistry.h"
#include "QtTestSupport.h"
#include "app/MainDialogTemplate.h"
#include "qt/CanvasWidget.h"

using namespace grill;
using namespace grill::testing;

// The real canvas widget driven by mouse events: each event must reach the
// canvas messages with the right flags and points, and the drawing must
// show the design at the canvas's integer coordinates.
class CanvasTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void mouseFlagsFollowButtonsAndModifiers_data();
  void mouseFlagsFollowButtonsAndModifiers();
  void pressOnAHandleAndMoveDragsTheBar();
  void pressBesideAHandlePicksNothing();
  void shiftDragsFreelyAndControlEndsTheDrag();
  void rightButtonTakesASegmentAndLeftGivesItBack();
  void pointsOutsideTheCanvasAreNotPassedOn();
  void dragRepaintsTheCanvas();
  void paintingDrawsAtTheCanvasCoordinates();
  void doubleClickOpensTheWindowEditor();

 private:
  const GrillWindow& Design() { return *run_->designer.Designer().ShownDesign(); }
  const GrillCanvas& Grill() { return run_->designer.Designer().View().Canvas(); }
  CanvasWidget& Canvas() { return run_->designer.Canvas(); }

  std::unique_ptr<ModalAnswerer> answerer_;
  std::unique_ptr<StartedDesigner> run_;
};

void CanvasTest::init() {
  answerer_ = std::make_unique<ModalAnswerer>();
  run_ = std::make_unique<StartedDesigner>(SmallConfig());
  QtControls& controls = run_->designer.Controls();
  run_->designer.Dialog().show();
  QVERIFY(QTest::qWaitForWindowExposed(&run_->designer.Dialog()));
  // Divided spacing over an inner size of 1000 by 500: the scale is 0.27,
  // vertical bars at 250, 500 and 750, the horizontal bar at 250.
  ClickButton(controls, kDividedRadio);
  CreateDesign(controls, QStringLiteral("Canvas"), QStringLiteral("1030"), QStringLiteral("530"),
               QStringLiteral("3"), QStringLiteral("1"));
  QVERIFY2(answerer_->messages.empty(), qPrintable(answerer_->Texts().join('|')));
  QCOMPARE(Grill().Scale(), 0.27);
  QCOMPARE(Design().horzPos[1], 250.0);
}

void CanvasTest::cleanup() {
  run_.reset();
  answerer_.reset();
}

void CanvasTest::mouseFlagsFollowButtonsAndModifiers_data() {
  QTest::addColumn<Qt::MouseButtons>("buttons");
  QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
  QTest::addColumn<unsigned>("flags");
  QTest::newRow("none") << Qt::MouseButtons() << Qt::KeyboardModifiers() << 0u;
  QTest::newRow("left") << Qt::MouseButtons(Qt::LeftButton) << Qt::KeyboardModifiers() << 0x01u;
  QTest::newRow("right") << Qt::MouseButtons(Qt::RightButton) << Qt::KeyboardModifiers() << 0x02u;
  QTest::newRow("middle") << Qt::MouseButtons(Qt::MiddleButton) << Qt::KeyboardModifiers() << 0x10u;
  QTest::newRow("left+shift") << Qt::MouseButtons(Qt::LeftButton)
                              << Qt::KeyboardModifiers(Qt::ShiftModifier) << 0x05u;
  QTest::newRow("right+control") << Qt::MouseButtons(Qt::RightButton)
                                 << Qt::KeyboardModifiers(Qt::ControlModifier) << 0x0au;
  QTest::newRow("all") << (Qt::LeftButton | Qt::RightButton | Qt::MiddleButton)
                       << (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier) << 0x1fu;
}

void CanvasTest::mouseFlagsFollowButtonsAndModifiers() {
  QFETCH(Qt::MouseButtons, buttons);
  QFETCH(Qt::KeyboardModifiers, modifiers);
  QFETCH(unsigned, flags);
  QCOMPARE(MouseFlagsOf(buttons, modifiers), flags);
}

void CanvasTest::pressOnAHandleAndMoveDragsTheBar() {
  QTest::mousePress(&Canvas(), Qt::LeftButton, {}, QPoint(6, 77));
  QCOMPARE(Grill().PointerState().dragHorz, 1);
  QTest::mouseMove(&Canvas(), QPoint(6, 100));
  QTest::mouseRelease(&Canvas(), Qt::LeftButton, {}, QPoint(6, 100));
  QCOMPARE(Grill().PointerState().dragHorz, -1);
  // The pointer stands at 333.33 mm; the bar snaps to the nearest 0.5 mm.
  QCOMPARE(Design().horzPos[1], 333.5);
  // Once the button is up the bar list shows the stored value.
  QCOMPARE(run_->designer.Controls().EntryText(kHorzList, 0).substr(0, 6), std::string("333.50"));
}

void CanvasTest::pressBesideAHandlePicksNothing() {
  QTest::mousePress(&Canvas(), Qt::LeftButton, {}, QPoint(7, 77));
  QCOMPARE(Grill().PointerState().dragHorz, -1);
  QTest::mouseMove(&Canvas(), QPoint(7, 120));
  QTest::mouseRelease(&Canvas(), Qt::LeftButton, {}, QPoint(7, 120));
  QCOMPARE(Design().horzPos[1], 250.0);
}

void CanvasTest::shiftDragsFreelyAndControlEndsTheDrag() {
  QTest::mousePress(&Canvas(), Qt::LeftButton, {}, QPoint(145, 5));
  QCOMPARE(Grill().PointerState().dragVert, 2);
  MoveMouse(Canvas(), QPoint(150, 5), Qt::LeftButton, Qt::ShiftModifier);
  QCOMPARE(Grill().PointerState().dragVert, 2);
  QCOMPARE(Design().vertPos[2], (150 - 10) / 0.27);
  // The position is shown beside the pointer while the bar moves.
  const auto label = Grill().DraggedPositionLabel();
  QVERIFY(label.has_value());
  QCOMPARE(label->text, std::string("518.5 mm"));
  MoveMouse(Canvas(), QPoint(160, 5), Qt::LeftButton, Qt::ControlModifier);
  QCOMPARE(Grill().PointerState().dragVert, -1);
  QCOMPARE(Design().vertPos[2], (150 - 10) / 0.27);
  QTest::mouseRelease(&Canvas(), Qt::LeftButton, {}, QPoint(160, 5));
}

void CanvasTest::rightButtonTakesASegmentAndLeftGivesItBack() {
  // QTest moves the cursor for a move without buttons and leaves the event to
  // the platform; a move of our own reaches the canvas for certain.
  MoveMouse(Canvas(), QPoint(100, 40), Qt::NoButton);
  QTest::mousePress(&Canvas(), Qt::RightButton, {}, QPoint(100, 40));
  QTest::mouseMove(&Canvas(), QPoint(160, 40));
  QTest::mouseRelease(&Canvas(), Qt::RightButton, {}, QPoint(160, 40));
  QCOMPARE(Design().vertSegments[0][2], 0);
  QCOMPARE(Design().vertSegments[1][2], 1);

  MoveMouse(Canvas(), QPoint(100, 40), Qt::NoButton);
  QTest::mousePress(&Canvas(), Qt::LeftButton, {}, QPoint(100, 40));
  QTest::mouseMove(&Canvas(), QPoint(160, 40));
  QTest::mouseRelease(&Canvas(), Qt::LeftButton, {}, QPoint(160, 40));
  QCOMPARE(Design().vertSegments[0][2], 1);
}

void CanvasTest::pointsOutsideTheCanvasAreNotPassedOn() {
  MoveMouse(Canvas(), QPoint(6, 77), Qt::NoButton);
  QTest::mousePress(&Canvas(), Qt::LeftButton, {}, QPoint(6, 77));
  QCOMPARE(Grill().PointerState().dragHorz, 1);
  // The held button keeps the mouse on the canvas, yet the canvas never
  // hears of points beyond its rectangle.
  QTest::mouseMove(&Canvas(), QPoint(6, 400));
  QTest::mouseMove(&Canvas(), QPoint(-3, 100));
  QCOMPARE(Design().horzPos[1], 250.0);
  QCOMPARE(Grill().PointerState().lastY, 77);
  QTest::mouseRelease(&Canvas(), Qt::LeftButton, {}, QPoint(6, 400));
  QCOMPARE(Grill().PointerState().dragHorz, 1);
  // The next move over the canvas, without the button, ends the drag.
  MoveMouse(Canvas(), QPoint(6, 120), Qt::NoButton);
  QCOMPARE(Grill().PointerState().dragHorz, -1);
  QCOMPARE(Design().horzPos[1], 250.0);
}

void CanvasTest::dragRepaintsTheCanvas() {
  struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
      paints += event->type() == QEvent::Paint ? 1 : 0;
      return false;
    }
  } counter;
  QApplication::processEvents();
  Canvas().installEventFilter(&counter);
  QTest::mousePress(&Canvas(), Qt::LeftButton, {}, QPoint(6, 77));
  QTest::mouseMove(&Canvas(), QPoint(6, 90));
  QTRY_VERIFY(counter.paints > 0);
  QTest::mouseRelease(&Canvas(), Qt::LeftButton, {}, QPoint(6, 90));
}

void CanvasTest::paintingDrawsAtTheCanvasCoordinates() {
  const QImage image = Canvas().grab().toImage();
  const QRgb black = qRgb(0, 0, 0);
  const QRgb white = qRgb(255, 255, 255);
  QCOMPARE(image.size(), QSize(290, 290));
  // The cleared rectangle's outline on all four edges of the canvas.
  for (QPoint edge : {QPoint(0, 150), QPoint(289, 150), QPoint(150, 0), QPoint(150, 289)}) {
    QCOMPARE(image.pixel(edge), black);
  }
  // The grill outline from (10, 10) to (280, 145) and the bar at x = 77.
  QCOMPARE(image.pixel(10, 100), black);
  QCOMPARE(image.pixel(280, 100), black);
  QCOMPARE(image.pixel(150, 145), black);
  QCOMPARE(image.pixel(77, 40), black);
  QCOMPARE(image.pixel(78, 40), white);
  QCOMPARE(image.pixel(150, 146), white);
  // The handle of the bar at x = 77: outline 75..78 by 3..6, white inside.
  QCOMPARE(image.pixel(75, 3), black);
  QCOMPARE(image.pixel(78, 6), black);
  QCOMPARE(image.pixel(76, 4), white);
  QCOMPARE(image.pixel(79, 5), white);
}

void CanvasTest::doubleClickOpensTheWindowEditor() {
  QString opened;
  answerer_->onDialog = [&opened](QDialog& dialog) {
    opened = dialog.windowTitle();
    dialog.reject();
  };
  QTest::mouseDClick(&Canvas(), Qt::LeftButton, {}, QPoint(150, 60));
  QCOMPARE(opened, QStringLiteral("Window Editor"));
}

GRILL_QT_TEST(CanvasTest);
#include "canvas_test.moc"
