#include <QGroupBox>
#include <QLibraryInfo>
#include <QMenuBar>
#include <QPushButton>
#include <QTranslator>
#include <QtTest>

#include "QtTestRegistry.h"
#include "QtTestSupport.h"
#include "app/ExportSettingsDialog.h"
#include "app/JobDetailsDialog.h"
#include "app/MainDialogTemplate.h"
#include "app/WindowEditorDialog.h"
#include "qt/Catalogue.h"
#include "qt/Translations.h"

using namespace grill;
using namespace grill::testing;

// The designer in the user's language: this program runs under
// LANG=de_DE.UTF-8, installs the translations as grill-designer does and
// looks at what a German user sees. Also checks that the catalogue holds
// every text of the core that the dialog shows, in each language.
class TranslationTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void captionsAreGerman();
  void messagesAreGerman();
  void coreTextsAreGerman_data();
  void coreTextsAreGerman();
  void qtButtonsAreGerman();
  void everyCoreTextIsTranslated_data();
  void everyCoreTextIsTranslated();
};

namespace {

QString Utf8(const std::string& text) {
  return QString::fromStdString(text);
}

bool HasLetters(const std::string& text) {
  return std::any_of(text.begin(), text.end(), [](char c) { return std::isalpha(c) != 0; });
}

}  // namespace

void TranslationTest::initTestCase() {
  QCOMPARE(QLocale::system().language(), QLocale::German);
  InstallTranslations(*QCoreApplication::instance(), {QStringLiteral(GRILL_QM_DIR)});
}

void TranslationTest::captionsAreGerman() {
  ModalAnswerer answerer;
  StartedDesigner run(WorkFolder::SampleConfig());
  QtControls& controls = run.designer.Controls();
  QCOMPARE(WidgetOf<QPushButton>(controls, kNewButton)->text(), QStringLiteral("Neu"));
  QCOMPARE(WidgetOf<QPushButton>(controls, kDeleteButton)->text(), QStringLiteral("Löschen"));
  QStringList groups;
  for (const QGroupBox* group : run.designer.Dialog().findChildren<QGroupBox*>()) {
    groups << group->title();
  }
  QVERIFY2(groups.contains(QStringLiteral("Fensterangaben")), qPrintable(groups.join('|')));
  QCOMPARE(run.designer.MenuBar().actions().front()->text(), QStringLiteral("&Datei"));
  // The core still reads its own English caption back.
  QCOMPARE(controls.Text(kNewButton), std::string("New"));
}

void TranslationTest::messagesAreGerman() {
  ModalAnswerer answerer;
  StartedDesigner run(WorkFolder::SampleConfig());
  ClickButton(run.designer.Controls(), kNewButton);
  QCOMPARE(answerer.Texts(), QStringList{QStringLiteral("Bitte einen Namen eingeben")});
}

void TranslationTest::coreTextsAreGerman_data() {
  QTest::addColumn<QString>("english");
  QTest::addColumn<QString>("german");
  // A phrase is translated and the folder, name or number it holds is kept.
  QTest::newRow("a folder") << QStringLiteral("Files Exported to /home/ann/export")
                            << QStringLiteral("Dateien exportiert nach /home/ann/export");
  QTest::newRow("several values")
      << QStringLiteral(
             "Width = 760.0, Height = 1500.0, Inner Width = 728.2, Inner Height = 1468.2")
      << QStringLiteral("Breite = 760.0, Höhe = 1500.0, Innenbreite = 728.2, Innenhöhe = 1468.2");
  QTest::newRow("a value that looks like a placeholder")
      << QStringLiteral("Invalid quantity: W%2") << QStringLiteral("Ungültige Anzahl: W%2");
  // Line by line: whole lines and phrases, the rest as it is.
  QTest::newRow("lines")
      << QStringLiteral("Cannot Find Config File\n\nLooked for:\nMenuConfig.txt")
      << QStringLiteral("Konfigurationsdatei nicht gefunden\n\nGesucht in:\nMenuConfig.txt");
  // Counted values read in the user's language too, singular and plural.
  QTest::newRow("counts")
      << QStringLiteral(
             "Take this plan from stock? Its 1 remnant and 12 bars on hand are taken "
             "out of the inventory, and its 3 offcuts are added as remnants.")
      << QStringLiteral(
             "Diesen Plan vom Lager nehmen? Er nimmt 1 Rest und 12 Stangen am Lager "
             "aus dem Bestand und fügt 3 Abschnitte als Reste hinzu.");
  QTest::newRow("a count and a path")
      << QStringLiteral(
             "Taken from stock: 2 remnants and 1 bar on hand used, 1 offcut kept as "
             "remnants in /shop/Inventory.txt.")
      << QStringLiteral(
             "Vom Lager genommen: 2 Reste und 1 Stange am Lager verbraucht, "
             "1 Abschnitt als Reste in /shop/Inventory.txt aufbewahrt.");
  // A value is translated only when it is a count; a name stays.
  QTest::newRow("a name that is not a count")
      << QStringLiteral("Save changes to \"Kitchen remnants\"?")
      << QStringLiteral("Änderungen an „Kitchen remnants“ speichern?");
  // What the catalogue does not know stays as the core wrote it.
  QTest::newRow("unknown") << QStringLiteral("Kitchen") << QStringLiteral("Kitchen");
  QTest::newRow("a phrase without its value")
      << QStringLiteral("Files Exported to ") << QStringLiteral("Files Exported to ");
}

void TranslationTest::coreTextsAreGerman() {
  QFETCH(QString, english);
  QFETCH(QString, german);
  QCOMPARE(CoreText(english.toStdString()), german);
}

void TranslationTest::qtButtonsAreGerman() {
  QMessageBox box(QMessageBox::Warning, QString(), QString(),
                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
  QCOMPARE(box.button(QMessageBox::Cancel)->text(), QStringLiteral("Abbrechen"));
  QCOMPARE(box.button(QMessageBox::Discard)->text(), QStringLiteral("Verwerfen"));
}

void TranslationTest::everyCoreTextIsTranslated_data() {
  QTest::addColumn<QString>("language");
  QTest::newRow("German") << QStringLiteral("de");
  QTest::newRow("French") << QStringLiteral("fr");
}

void TranslationTest::everyCoreTextIsTranslated() {
  QFETCH(QString, language);
  QTranslator translator;
  QVERIFY(
      translator.load(QStringLiteral("grill-designer_") + language, QStringLiteral(GRILL_QM_DIR)));
  std::vector<std::string> texts(CoreTexts().begin(), CoreTexts().end());
  texts.insert(texts.end(), CorePhrases().begin(), CorePhrases().end());
  texts.insert(texts.end(), CoreCountPhrases().begin(), CoreCountPhrases().end());
  for (const DialogTemplate* dialog : {&MainDialogTemplate(), &WindowEditorTemplate(),
                                       &JobDetailsTemplate(), &ExportSettingsTemplate()}) {
    for (const ControlSpec& control : dialog->controls) {
      if (HasLetters(control.caption)) {
        texts.push_back(control.caption);
      }
    }
  }
  QStringList missing;
  for (const std::string& text : texts) {
    if (translator.translate("Catalogue", text.c_str()).isEmpty()) {
      missing << Utf8(text);
    }
  }
  QVERIFY2(missing.isEmpty(), qPrintable(missing.join('|')));
}

GRILL_QT_TEST(TranslationTest);
#include "translation_test.moc"
