#include <QDir>
#include <QImage>
#include <QtTest>

#include "QtTestRegistry.h"
#include "QtTestSupport.h"
#include "app/MainDialogTemplate.h"

using namespace grill;
using namespace grill::testing;

// Grabs the designer as the user sees it into the build's screenshots folder, for the README and
// for a look at the layout: every caption readable, nothing overlapping.
class ScreenshotsTest : public QObject {
  Q_OBJECT

 private slots:
  void mainDialogAfterStartUp();
  void drawnDesign();
};

namespace {

// Counts the pixels of `image` within `area` that are exactly `colour`.
int CountPixels(const QImage& image, const QRect& area, QRgb colour) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      count += image.pixel(x, y) == colour ? 1 : 0;
    }
  }
  return count;
}

}  // namespace

void ScreenshotsTest::mainDialogAfterStartUp() {
  const QByteArray sample = WorkFolder::SampleConfig();
  QVERIFY2(!sample.isEmpty(), "resources/MenuConfig.txt is missing");
  ModalAnswerer answerer;
  StartedDesigner run(sample);
  QVERIFY2(answerer.messages.empty(), qPrintable(answerer.Texts().join('|')));
  TemplateDialog& dialog = run.designer.Dialog();
  dialog.show();
  QVERIFY(QTest::qWaitForWindowExposed(&dialog));

  const QImage image = dialog.grab().toImage();
  QVERIFY(image.save(ScreenshotPath("main-dialog.png")));
  // The cleared drawing area is white inside its frame.
  const QRect inside(run.designer.Canvas().pos() + QPoint(2, 2), QSize(280, 280));
  QCOMPARE(CountPixels(image, inside, qRgb(255, 255, 255)), inside.width() * inside.height());
}

void ScreenshotsTest::drawnDesign() {
  ModalAnswerer answerer;
  StartedDesigner run(SmallConfig());
  QtControls& controls = run.designer.Controls();
  TemplateDialog& dialog = run.designer.Dialog();
  dialog.show();
  QVERIFY(QTest::qWaitForWindowExposed(&dialog));

  CreateDesign(controls, QStringLiteral("Kitchen"), QStringLiteral("1030"), QStringLiteral("830"),
               QStringLiteral("3"), QStringLiteral("2"));
  QVERIFY2(answerer.messages.empty(), qPrintable(answerer.Texts().join('|')));
  QVERIFY(run.designer.Designer().State().document.Current() != nullptr);

  // Take two segments away with the right button, as a user shapes a grill.
  CanvasWidget& canvas = run.designer.Canvas();
  const GrillCanvas& grill = run.designer.Designer().View().Canvas();
  const GrillWindow& design = *run.designer.Designer().State().document.Current();
  auto px = [&grill](double mm) { return static_cast<int>(mm * grill.Scale() + grill.originX); };
  auto py = [&grill](double mm) { return static_cast<int>(mm * grill.Scale() + grill.originY); };
  const int middleRow = (py(design.horzPos[1]) + py(design.horzPos[2])) / 2;
  const int start = px(design.vertPos[1]) - 8;
  MoveMouse(canvas, QPoint(start, middleRow), Qt::NoButton);
  for (int x = start; x <= px(design.vertPos[3]) + 8; x += 4) {
    MoveMouse(canvas, QPoint(x, middleRow), Qt::RightButton);
  }
  // The stroke is still under way: the live design shows it.
  const GrillWindow& shaped = *run.designer.Designer().ShownDesign();
  QCOMPARE(shaped.vertSegments[1][2], 0);
  QCOMPARE(shaped.vertSegments[1][3], 0);

  // The canvas with its frame and a little of the dialog around it.
  const int border = 4;
  const QImage image =
      dialog.grab(canvas.geometry().adjusted(-border, -border, border, border)).toImage();
  QVERIFY(image.save(ScreenshotPath("grill-canvas.png")));
  // The outline of the grill area runs along the top at y = originY.
  const QRect topEdge(border + px(0) + 1, border + grill.originY, px(design.innerWidth) - px(0) - 1,
                      1);
  QCOMPARE(CountPixels(image, topEdge, qRgb(0, 0, 0)), topEdge.width());
}

GRILL_QT_TEST(ScreenshotsTest);
#include "screenshots_test.moc"
