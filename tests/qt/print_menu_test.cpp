#include <QAction>
#include <QFile>
#include <QMessageBox>
#include <QRegularExpression>
#include <QtTest>

#include "QtTestRegistry.h"
#include "QtTestSupport.h"
#include "qt/QtDialogHost.h"

using namespace grill;
using namespace grill::testing;

// File > Print Preview..., Print... and Export PDF... on the real menu: the
// refusal without designs, the choice between the current design and the
// whole job, and the PDF written where the file chooser says.
class PrintMenuTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { QtDialogHost::fileChooser = nullptr; }
  void withoutDesignsEachSaysSo();
  void exportPdfWritesTheChosenScope_data();
  void exportPdfWritesTheChosenScope();
};

namespace {

// Clicks the button captioned `caption` of every question box that opens
// while it lives, and counts the questions.
class QuestionAnswerer {
 public:
  explicit QuestionAnswerer(QString caption) : caption_(std::move(caption)) {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Answer(); });
    timer_.start();
  }
  int questions = 0;

 private:
  void Answer() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) {
      return;
    }
    for (QAbstractButton* button : box->buttons()) {
      if (button->text() == caption_) {
        ++questions;
        button->click();
        return;
      }
    }
  }
  QString caption_;
  QTimer timer_;
};

int PdfPageCount(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    return -1;
  }
  static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![s\\w])"));
  return static_cast<int>(QString::fromLatin1(file.readAll()).count(page));
}

}  // namespace

void PrintMenuTest::withoutDesignsEachSaysSo() {
  ModalAnswerer answerer;
  StartedDesigner run(SmallConfig());
  bool chooserAsked = false;
  QtDialogHost::fileChooser = [&](bool, std::string_view) -> std::optional<std::string> {
    chooserAsked = true;
    return std::nullopt;
  };
  for (const char* name : {"filePrintPreview", "filePrint", "fileExportPdf"}) {
    run.designer.Action(name)->trigger();
  }
  QCOMPARE(answerer.Texts(), QStringList(3, QStringLiteral("There is no design to print.")));
  QVERIFY(!chooserAsked);
}

void PrintMenuTest::exportPdfWritesTheChosenScope_data() {
  QTest::addColumn<QString>("answer");
  QTest::addColumn<int>("pages");
  // Bath alone; Kitchen, Bath and the summary.
  QTest::newRow("current design") << QStringLiteral("Current design") << 1;
  QTest::newRow("whole job") << QStringLiteral("Whole job") << 3;
}

void PrintMenuTest::exportPdfWritesTheChosenScope() {
  QFETCH(QString, answer);
  QFETCH(int, pages);
  StartedDesigner run(SmallConfig());
  QtControls& controls = run.designer.Controls();
  CreateDesign(controls, "Kitchen", "1030", "830", "3", "2");
  CreateDesign(controls, "Bath", "1030", "830", "1", "1");

  const QString path = run.folder.Path("drawings.pdf");
  std::string suggested;
  QtDialogHost::fileChooser = [&](bool save, std::string_view offered) {
    suggested = offered;
    return save ? std::optional<std::string>(path.toStdString()) : std::nullopt;
  };
  QuestionAnswerer answerer(answer);
  run.designer.Action("fileExportPdf")->trigger();
  QCOMPARE(answerer.questions, 1);
  QCOMPARE(suggested, std::string("Untitled.pdf"));
  QCOMPARE(PdfPageCount(path), pages);
}

GRILL_QT_TEST(PrintMenuTest);
#include "print_menu_test.moc"
