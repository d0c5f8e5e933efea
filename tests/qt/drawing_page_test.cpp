#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "../print/PrintDesigns.h"
#include "QtTestRegistry.h"
#include "QtTestSupport.h"
#include "print/JobPrint.h"
#include "qt/DrawingPdf.h"
#include "qt/PagePainter.h"

using namespace grill;
using grill::testing::ScreenshotPath;

// Renders drawing pages as the shop prints them: a page image kept in the build's screenshots
// folder to look at, and multi-page PDFs read back with pdftotext where it exists.
class DrawingPageTest : public QObject {
  Q_OBJECT

 private slots:
  void pageImageForTheDocs();
  void crowdedPageImageForTheDocs();
  void textsStayInsideTheirBoxes();
  void jobPdfHoldsEveryPage();
  void failedPdfLeavesTheFolderAlone();
  void pdfReplacesALinkWithoutWritingThroughIt();
};

namespace {

constexpr double kDotsPerInch = 150.0;
constexpr double kPixelsPerMillimetre = kDotsPerInch / 25.4;

struct SampleJob {
  test::PrintConfig config;
  GrillWindow kitchen = test::MakePrintDesign(config, "Kitchen left", 882.65, 1187.45,
                                              {296.8625, 593.725, 890.5875}, {294.2, 588.4});
  GrillWindow transom = test::MakePrintDesign(config, "Hall transom", 1500.0, 420.0, {210.0},
                                              test::EvenBars(7, 1500.0));
  print::DrawingSettings settings{print::kLetter, Unit::Inches, "Smith house", "2026-12-08"};

  SampleJob() {
    kitchen.vertSegments[1][1] = 0;  // one segment taken out
    kitchen.quantity = 4;
  }
  std::vector<print::DesignSheet> Sheets() const {
    return {{&kitchen, test::MakeCutTable(kitchen)}, {&transom, test::MakeCutTable(transom)}};
  }
};

QImage Render(const print::Page& page) {
  QImage image(static_cast<int>(page.width * kPixelsPerMillimetre),
               static_cast<int>(page.height * kPixelsPerMillimetre), QImage::Format_RGB32);
  image.setDotsPerMeterX(static_cast<int>(kPixelsPerMillimetre * 1000));
  image.setDotsPerMeterY(static_cast<int>(kPixelsPerMillimetre * 1000));
  image.fill(Qt::white);
  QPainter painter(&image);
  PaintPage(painter, page, kPixelsPerMillimetre);
  return image;
}

int DarkPixels(const QImage& image, const QRect& area) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      count += qGray(image.pixel(x, y)) < 200 ? 1 : 0;
    }
  }
  return count;
}

QRect Pixels(const print::Box& box) {
  return QRectF(box.left * kPixelsPerMillimetre, box.top * kPixelsPerMillimetre,
                box.width * kPixelsPerMillimetre, box.height * kPixelsPerMillimetre)
      .toAlignedRect();
}

}  // namespace

void DrawingPageTest::pageImageForTheDocs() {
  const SampleJob job;
  const std::vector<print::Page> pages = print::BuildJobPrint(job.Sheets(), job.settings);
  const QImage image = Render(pages.front());
  QVERIFY(image.save(ScreenshotPath("drawing-page.png")));

  // The bars show as grey at the bar's width: a vertical bar crossing the
  // middle band has dark pixels at its centre line and none a bar's width away.
  for (const print::Item& item : pages.front().items) {
    if (const auto* inner = std::get_if<print::Rect>(&item);
        inner != nullptr && inner->role == print::Role::InnerOutline) {
      const double scale = inner->box.width / job.kitchen.innerWidth;
      const double x = inner->box.left + 588.4 * scale;
      const double y = inner->box.top + 450.0 * scale;
      QVERIFY(DarkPixels(image, Pixels({x - 0.2, y, 0.4, 2.0})) > 0);
      QCOMPARE(DarkPixels(image, Pixels({x + 19.05 * scale, y, 0.4, 2.0})), 0);
    }
  }
}

// The most bars a design holds, on a narrow grill: the values fan out.
void DrawingPageTest::crowdedPageImageForTheDocs() {
  const test::PrintConfig config;
  const GrillWindow crowded = test::MakePrintDesign(
      config, "Crowded", 600.0, 1400.0, test::EvenBars(30, 1400.0), test::EvenBars(30, 600.0));
  const print::DrawingSettings settings{print::kA4, Unit::Inches, "", "2026-12-08"};
  const std::vector<print::Page> pages =
      print::BuildDesignPrint(crowded, test::MakeCutTable(crowded), settings);
  QVERIFY(Render(pages.front()).save(ScreenshotPath("drawing-crowded-page.png")));
}

// Each text painted alone leaves no mark outside its box, whatever the font
// makes of the core's width estimate.
void DrawingPageTest::textsStayInsideTheirBoxes() {
  const SampleJob job;
  const std::vector<print::Page> pages = print::BuildJobPrint(job.Sheets(), job.settings);
  for (const print::Page& page : pages) {
    for (const print::Item& item : page.items) {
      const auto* text = std::get_if<print::Text>(&item);
      if (text == nullptr) {
        continue;
      }
      const print::Page alone{page.width, page.height, {*text}};
      const QImage image = Render(alone);
      // Some glyphs (a bold J) reach a pixel or two past their advance.
      const QRect inside = Pixels(text->box).adjusted(-3, -3, 3, 3);
      const int all = DarkPixels(image, image.rect());
      QVERIFY2(all == DarkPixels(image, inside), text->text.c_str());
    }
  }
}

void DrawingPageTest::jobPdfHoldsEveryPage() {
  const SampleJob job;
  const std::vector<print::Page> pages = print::BuildJobPrint(job.Sheets(), job.settings);
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("drawings.pdf"));
  QString error;
  QVERIFY2(WriteDrawingPdf(pages, path, kDrawingsTitle, error), qPrintable(error));
  QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"drawings.pdf"});
  QFile pdf(path);
  QVERIFY(pdf.open(QIODevice::ReadOnly));
  QVERIFY(pdf.read(5) == "%PDF-");

  const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
  if (pdftotext.isEmpty()) {
    QSKIP("pdftotext is not installed");
  }
  QProcess process;
  process.start(pdftotext, {QStringLiteral("-layout"), path, QStringLiteral("-")});
  QVERIFY(process.waitForFinished(30000));
  const QString text = QString::fromUtf8(process.readAllStandardOutput());
  const QString total = QString::number(pages.size());
  for (const QString& wanted :
       {QStringLiteral("Kitchen left"), QStringLiteral("Hall transom"),
        QStringLiteral("Smith house"), QStringLiteral("fractions rounded to 1/16 inch"),
        QStringLiteral("23 3/8\""), QStringLiteral("Job summary"),
        QStringLiteral("Page 1 of ") + total, QStringLiteral("Page ") + total + " of " + total}) {
    QVERIFY2(text.contains(wanted), qPrintable(wanted));
  }
  QCOMPARE(text.count(QChar('\f')), static_cast<qsizetype>(pages.size()));
}

void DrawingPageTest::failedPdfLeavesTheFolderAlone() {
  const SampleJob job;
  const std::vector<print::Page> pages = print::BuildJobPrint(job.Sheets(), job.settings);
  QTemporaryDir folder;
  QString error;
  QVERIFY(!WriteDrawingPdf(pages, folder.filePath(QStringLiteral("missing/drawings.pdf")),
                           kDrawingsTitle, error));
  QVERIFY(!error.isEmpty());
  QVERIFY(
      !WriteDrawingPdf({}, folder.filePath(QStringLiteral("empty.pdf")), kDrawingsTitle, error));
  QVERIFY(QDir(folder.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot).isEmpty());
}

// A link planted under the PDF's name is replaced by the PDF; the file it pointed to is
// never written (the former save followed links to their targets).
void DrawingPageTest::pdfReplacesALinkWithoutWritingThroughIt() {
  const SampleJob job;
  const std::vector<print::Page> pages = print::BuildJobPrint(job.Sheets(), job.settings);
  QTemporaryDir folder;
  const QString target = folder.filePath(QStringLiteral("target.txt"));
  QFile file(target);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write("kept");
  file.close();
  const QString path = folder.filePath(QStringLiteral("drawings.pdf"));
  QVERIFY(QFile::link(target, path));
  QString error;
  QVERIFY2(WriteDrawingPdf(pages, path, kDrawingsTitle, error), qPrintable(error));
  QVERIFY(!QFileInfo(path).isSymLink());
  QVERIFY(file.open(QIODevice::ReadOnly));
  QCOMPARE(file.readAll(), QByteArray("kept"));
  QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::NoDotAndDotDot | QDir::Hidden).size(),
           2);
}

GRILL_QT_TEST(DrawingPageTest);
#include "drawing_page_test.moc"
