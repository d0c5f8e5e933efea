#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "QtTestRegistry.h"
#include "QtTestSupport.h"
#include "platform/ControlIds.h"

using namespace grill;
using namespace grill::testing;

// File > Job Properties... on the real widgets: its fields, OK as one step,
// Cancel and an unchanged OK as none, and a refusal that keeps it open.
class JobPropertiesTest : public QObject {
  Q_OBJECT

 private slots:
  void okTypesTheDetailsAsOneStep();
  void cancelAndAnUnchangedOkMakeNoStep();
  void aRefusalKeepsTheDialogOpen();
};

namespace {

template <typename W>
W* Field(QDialog& dialog, int id) {
  return dialog.findChild<W*>(QString::number(id));
}

const DesignDocument& Document(StartedDesigner& run) {
  return run.designer.Designer().State().document;
}

std::optional<std::string> UndoText(StartedDesigner& run) {
  return run.designer.Designer().Job().UndoText();
}

void OpenJobProperties(StartedDesigner& run) {
  TemplateDialog& main = run.designer.Dialog();
  main.show();
  main.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&main));
  run.designer.Action("fileJobProperties")->trigger();
}

}  // namespace

void JobPropertiesTest::okTypesTheDetailsAsOneStep() {
  ModalAnswerer answerer;
  StartedDesigner run(SmallConfig());
  bool opened = false;
  answerer.onDialog = [&opened](QDialog& dialog) {
    opened = true;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Job Properties"));
    for (const int id : {kJobCustomerEdit, kJobOrderEdit, kJobDueDateEdit}) {
      QVERIFY(Field<QLineEdit>(dialog, id) != nullptr);
      QVERIFY(Field<QLineEdit>(dialog, id)->text().isEmpty());
    }
    QPlainTextEdit* notes = Field<QPlainTextEdit>(dialog, kJobNotesEdit);
    QVERIFY(notes != nullptr);
    // Pasted: QTest types ASCII only.
    Field<QLineEdit>(dialog, kJobCustomerEdit)->setText(QStringLiteral("Müller & Sons"));
    QTest::keyClicks(Field<QLineEdit>(dialog, kJobOrderEdit), QStringLiteral("PO-4471"));
    QTest::keyClicks(Field<QLineEdit>(dialog, kJobDueDateEdit), QStringLiteral("15 January"));
    // Enter in the notes starts a line; it neither closes the dialog nor
    // presses OK.
    notes->setFocus();
    QTest::keyClicks(notes, QStringLiteral("Back door"));
    QTest::keyClick(notes, Qt::Key_Return);
    QTest::keyClicks(notes, QStringLiteral("Call first"));
    QVERIFY(dialog.isVisible());
    QVERIFY(dialog.grab().save(ScreenshotPath("job-properties.png")));
    Field<QPushButton>(dialog, kIdOk)->click();
  };
  OpenJobProperties(run);
  QVERIFY(opened);
  QVERIFY(answerer.messages.empty());
  const JobDetails expected{"M\xC3\xBCller & Sons", "PO-4471", "15 January",
                            "Back door\nCall first"};
  QVERIFY(Document(run).Details() == expected);
  QCOMPARE(UndoText(run), std::optional<std::string>("Undo Edit Job Details"));
  QVERIFY(run.designer.Dialog().isWindowModified());

  // It opens again with what the job holds.
  answerer.onDialog = [](QDialog& dialog) {
    QCOMPARE(Field<QLineEdit>(dialog, kJobCustomerEdit)->text(), QStringLiteral("Müller & Sons"));
    QCOMPARE(Field<QPlainTextEdit>(dialog, kJobNotesEdit)->toPlainText(),
             QStringLiteral("Back door\nCall first"));
    dialog.reject();
  };
  run.designer.Action("fileJobProperties")->trigger();
  run.designer.Designer().Job().Undo();
  QVERIFY(Document(run).Details().Empty());
  QVERIFY(!run.designer.Dialog().isWindowModified());
}

void JobPropertiesTest::cancelAndAnUnchangedOkMakeNoStep() {
  ModalAnswerer answerer;
  StartedDesigner run(SmallConfig());
  answerer.onDialog = [](QDialog& dialog) {
    QTest::keyClicks(Field<QLineEdit>(dialog, kJobCustomerEdit), QStringLiteral("Jones"));
    Field<QPushButton>(dialog, kIdCancel)->click();
  };
  OpenJobProperties(run);
  QVERIFY(Document(run).Details().Empty());
  answerer.onDialog = [](QDialog& dialog) { Field<QPushButton>(dialog, kIdOk)->click(); };
  run.designer.Action("fileJobProperties")->trigger();
  QCOMPARE(UndoText(run), std::optional<std::string>());
  QVERIFY(!run.designer.Dialog().isWindowModified());
}

void JobPropertiesTest::aRefusalKeepsTheDialogOpen() {
  ModalAnswerer answerer;
  StartedDesigner run(SmallConfig());
  bool stayedOpen = false;
  answerer.onDialog = [&stayedOpen](QDialog& dialog) {
    QLineEdit* customer = Field<QLineEdit>(dialog, kJobCustomerEdit);
    customer->setText(QString(201, QLatin1Char('c')));
    Field<QPushButton>(dialog, kIdOk)->click();
    stayedOpen = dialog.isVisible();
    customer->setText(QStringLiteral("Smith"));
    Field<QPushButton>(dialog, kIdOk)->click();
  };
  OpenJobProperties(run);
  QVERIFY(stayedOpen);
  QCOMPARE(answerer.Texts(),
           QStringList{"Invalid Job Details: Customer is longer than 200 characters"});
  QCOMPARE(Document(run).Details().customer, std::string("Smith"));
  QCOMPARE(UndoText(run), std::optional<std::string>("Undo Set Customer"));
}

GRILL_QT_TEST(JobPropertiesTest);

#include "job_properties_test.moc"
