#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "QtTestRegistry.h"
#include "QtTestSupport.h"
#include "app/JobDetailsDialog.h"
#include "app/MainDialogTemplate.h"
#include "editing/WindowEditor.h"
#include "qt/QtControls.h"

using namespace grill;
using namespace grill::testing;

namespace {

struct Heard {
  int id;
  Notification notification;
  bool operator==(const Heard&) const = default;
};

}  // namespace

class ControlsTest : public QObject {
  Q_OBJECT

 private slots:
  void everyTemplateIdIsBoundByName_data();
  void everyTemplateIdIsBoundByName();
  void controlsStandInsideTheirDialog_data();
  void controlsStandInsideTheirDialog();
  void captionsFitTheirControls_data();
  void captionsFitTheirControls();
  void sideWidthLabelFitsEitherCaption();
  void lengthFieldsShowALengthWhole();
  void controlsDoNotOverlap_data();
  void controlsDoNotOverlap();
  void hiddenControlsStayHiddenUntilShown();
  void sortedListIgnoresCaseAndKeepsOrdinalTies();
  void listSelectionIsTheUsersNotFocus();
  void userSelectionNotifiesButCommandsDoNot();
  void userCannotTakeAListSelectionAway();
  void combosNeverAddTypedText();
  void comboPickedByUserNotifiesAndSelects();
  void comboSelectionByCommandKeepsOrSetsText();
  void radioPairsExcludeEachOtherAndCanBeCleared();
  void textsCrossAsUtf8();
  void enterInAnEditNeitherClosesNorClicks();
  void enterOnAFocusedButtonClicksIt();
  void messageBoxIsTitledWithTheApplicationAndHasOkAlone();
  void endBeforeShowIsRecorded();
};

void ControlsTest::everyTemplateIdIsBoundByName_data() {
  QTest::addColumn<int>("templateId");
  QTest::newRow("main dialog 102") << 102;
  QTest::newRow("window editor 103") << 103;
  QTest::newRow("job properties 104") << 104;
}

static const DialogTemplate& TemplateById(int id) {
  switch (id) {
    case 102:
      return MainDialogTemplate();
    case 103:
      return WindowEditorTemplate();
    default:
      return JobDetailsTemplate();
  }
}

void ControlsTest::everyTemplateIdIsBoundByName() {
  QFETCH(int, templateId);
  const DialogTemplate& dialogTemplate = TemplateById(templateId);
  QtControls controls(dialogTemplate);
  QCOMPARE(controls.Dialog().windowTitle(), QString::fromStdString(dialogTemplate.title));
  for (const ControlSpec& controlSpec : dialogTemplate.controls) {
    if (controlSpec.id == kNoId) {
      continue;
    }
    const QString name = QString::number(controlSpec.id);
    QWidget* found = controls.Dialog().findChild<QWidget*>(name);
    QVERIFY2(found != nullptr, qPrintable(name));
    QCOMPARE(found, controls.Widget(controlSpec.id));
    switch (controlSpec.kind) {
      case ControlKind::PushButton:
      case ControlKind::DefaultPushButton: {
        auto* button = qobject_cast<QPushButton*>(found);
        QVERIFY2(button != nullptr, qPrintable(name));
        QVERIFY(!button->autoDefault() && !button->isDefault());
        QCOMPARE(button->text(), QString::fromStdString(controlSpec.caption));
        break;
      }
      case ControlKind::RadioButton:
        QVERIFY2(qobject_cast<QRadioButton*>(found) != nullptr, qPrintable(name));
        break;
      case ControlKind::Edit:
        QVERIFY2(qobject_cast<QLineEdit*>(found) != nullptr, qPrintable(name));
        break;
      case ControlKind::MultiLineEdit: {
        auto* edit = qobject_cast<QPlainTextEdit*>(found);
        QVERIFY2(edit != nullptr, qPrintable(name));
        QVERIFY(edit->tabChangesFocus());
        break;
      }
      case ControlKind::Label:
        QVERIFY2(qobject_cast<QLabel*>(found) != nullptr, qPrintable(name));
        break;
      case ControlKind::GroupBox:
        QVERIFY2(qobject_cast<QGroupBox*>(found) != nullptr, qPrintable(name));
        break;
      case ControlKind::ListBox:
      case ControlKind::SortedListBox:
        QVERIFY2(qobject_cast<QListWidget*>(found) != nullptr, qPrintable(name));
        break;
      case ControlKind::DropDownCombo: {
        auto* combo = qobject_cast<QComboBox*>(found);
        QVERIFY2(combo != nullptr, qPrintable(name));
        QVERIFY(combo->isEditable());
        QCOMPARE(combo->insertPolicy(), QComboBox::NoInsert);
        break;
      }
    }
  }
}

void ControlsTest::controlsStandInsideTheirDialog_data() {
  everyTemplateIdIsBoundByName_data();
}

void ControlsTest::controlsStandInsideTheirDialog() {
  QFETCH(int, templateId);
  const DialogTemplate& dialogTemplate = TemplateById(templateId);
  QtControls controls(dialogTemplate);
  const QRect area(QPoint(0, 0), controls.Dialog().size());
  for (QWidget* child : controls.Dialog().findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    QVERIFY2(area.contains(child->geometry()), qPrintable(child->objectName()));
  }
  // The note must show whole on one line.
  if (auto* note = WidgetOf<QLabel>(controls, kNoteText)) {
    QVERIFY(!note->wordWrap());
    QVERIFY(note->sizeHint().width() <= note->width());
  }
}

void ControlsTest::captionsFitTheirControls_data() {
  everyTemplateIdIsBoundByName_data();
}

void ControlsTest::captionsFitTheirControls() {
  QFETCH(int, templateId);
  QtControls controls(TemplateById(templateId));
  QStringList tooNarrow;
  for (QWidget* child : controls.Dialog().findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    const QFontMetrics metrics(child->font());
    int needed = 0;
    if (auto* label = qobject_cast<QLabel*>(child)) {
      needed = metrics.horizontalAdvance(label->text());
    } else if (auto* radio = qobject_cast<QRadioButton*>(child)) {
      needed = radio->sizeHint().width();
    } else if (auto* button = qobject_cast<QPushButton*>(child)) {
      // The caption and a little room on either side of it.
      needed = metrics.horizontalAdvance(button->text()) + 8;
    } else if (auto* group = qobject_cast<QGroupBox*>(child)) {
      needed = metrics.horizontalAdvance(group->title());
    } else {
      continue;
    }
    if (needed > child->width()) {
      tooNarrow << QStringLiteral("%1 \"%2\" needs %3 pixels, has %4")
                       .arg(child->objectName(), child->property("text").toString())
                       .arg(needed)
                       .arg(child->width());
    }
  }
  QVERIFY2(tooNarrow.isEmpty(), qPrintable(tooNarrow.join(QStringLiteral("; "))));
}

// The label beside the side width field reads "Side Width" or, for a
// cottage, "Cottage Height"; either must show whole.
void ControlsTest::sideWidthLabelFitsEitherCaption() {
  QtControls controls(MainDialogTemplate());
  auto* label = WidgetOf<QLabel>(controls, kSideWidthLabel);
  QVERIFY(label != nullptr);
  for (const char* caption : {"Side Width", "Cottage Height"}) {
    controls.SetText(kSideWidthLabel, caption);
    const int needed = QFontMetrics(label->font()).horizontalAdvance(label->text());
    QVERIFY2(needed <= label->width(), qPrintable(QStringLiteral("%1 needs %2 pixels, has %3")
                                                      .arg(QString::fromUtf8(caption))
                                                      .arg(needed)
                                                      .arg(label->width())));
  }
}

// A length the designer puts into a size field (a window of 2.4 m, six
// decimals) shows whole: cut off at the front it reads as another length.
void ControlsTest::lengthFieldsShowALengthWhole() {
  const QString length = QStringLiteral("2438.400000");
  const std::pair<const DialogTemplate*, std::vector<int>> fields[] = {
      {&MainDialogTemplate(), {kWidthEdit, kHeightEdit, kSideWidthEdit}},
      {&WindowEditorTemplate(), {kEditorWidthEdit, kEditorHeightEdit}},
  };
  for (const auto& [dialogTemplate, ids] : fields) {
    QtControls controls(*dialogTemplate);
    for (const int id : ids) {
      auto* edit = WidgetOf<QLineEdit>(controls, id);
      QVERIFY(edit != nullptr);
      edit->setText(length);
      // The frame and the text margins take a few pixels on either side.
      const int needed = QFontMetrics(edit->font()).horizontalAdvance(length) + 8;
      QVERIFY2(needed <= edit->width(),
               qPrintable(QStringLiteral("field %1 needs %2 pixels, has %3")
                              .arg(id)
                              .arg(needed)
                              .arg(edit->width())));
    }
  }
}

void ControlsTest::controlsDoNotOverlap_data() {
  everyTemplateIdIsBoundByName_data();
}

void ControlsTest::controlsDoNotOverlap() {
  QFETCH(int, templateId);
  const DialogTemplate& dialogTemplate = TemplateById(templateId);
  QtControls controls(dialogTemplate);
  // Every control but the group boxes, which frame others; on the main
  // dialog also the canvas with its frame.
  std::vector<std::pair<QString, QRect>> areas;
  if (templateId == 102) {
    areas.emplace_back(QStringLiteral("canvas"),
                       QRect(QPoint(kCanvasLeft - 2, kCanvasTop - 2),
                             QPoint(kCanvasRight + 1, kCanvasBottom + 1)));
  }
  const QList<QWidget*> children =
      controls.Dialog().findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  for (size_t i = 0; i < dialogTemplate.controls.size(); ++i) {
    const ControlSpec& controlSpec = dialogTemplate.controls[i];
    if (controlSpec.kind != ControlKind::GroupBox) {
      areas.emplace_back(QString::fromStdString(controlSpec.caption) + QLatin1Char('/') +
                             QString::number(controlSpec.id),
                         children[static_cast<qsizetype>(i)]->geometry());
    }
  }
  for (size_t a = 0; a < areas.size(); ++a) {
    for (size_t b = a + 1; b < areas.size(); ++b) {
      QVERIFY2(!areas[a].second.intersects(areas[b].second),
               qPrintable(areas[a].first + QStringLiteral(" overlaps ") + areas[b].first));
    }
  }
}

void ControlsTest::hiddenControlsStayHiddenUntilShown() {
  QtControls controls(MainDialogTemplate());
  controls.Dialog().show();
  for (int id : {kSideWidthEdit, kSideWidthLabel}) {
    QVERIFY(!controls.IsVisible(id));
    QVERIFY(!controls.Widget(id)->isVisible());
  }
  QVERIFY(controls.IsVisible(kNewButton));
  QVERIFY(controls.IsVisible(kApplyButton));
  controls.SetVisible(kSideWidthEdit, true);
  QVERIFY(controls.Widget(kSideWidthEdit)->isVisible());
}

void ControlsTest::sortedListIgnoresCaseAndKeepsOrdinalTies() {
  QtControls controls(MainDialogTemplate());
  for (const char* name : {"beta", "Alpha", "alpha", "Gamma", "ALPHA", "b"}) {
    controls.AddEntry(kWindowsList, name);
  }
  auto* list = WidgetOf<QListWidget>(controls, kWindowsList);
  const QStringList expected{"ALPHA", "Alpha", "alpha", "b", "beta", "Gamma"};
  QCOMPARE(list->count(), expected.size());
  for (int i = 0; i < list->count(); ++i) {
    QCOMPARE(list->item(i)->text(), expected[i]);
    QCOMPARE(QString::fromStdString(controls.EntryText(kWindowsList, i)), expected[i]);
  }
  // The unsorted lists keep the order of adding.
  controls.AddEntry(kHorzList, "2");
  QCOMPARE(controls.AddEntry(kHorzList, "1"), 1);
}

void ControlsTest::listSelectionIsTheUsersNotFocus() {
  QtControls controls(MainDialogTemplate());
  controls.AddEntry(kWindowsList, "A");
  controls.AddEntry(kWindowsList, "B");
  controls.Dialog().show();
  QVERIFY(QTest::qWaitForWindowExposed(&controls.Dialog()));
  auto* list = WidgetOf<QListWidget>(controls, kWindowsList);
  list->setFocus(Qt::TabFocusReason);
  QApplication::processEvents();
  QCOMPARE(controls.Selection(kWindowsList), -1);

  controls.SetSelection(kWindowsList, 1);
  QCOMPARE(controls.Selection(kWindowsList), 1);
  // An entry sorted in before the selected one moves the selection with it.
  controls.AddEntry(kWindowsList, "0");
  QCOMPARE(controls.Selection(kWindowsList), 2);
  controls.SetSelection(kWindowsList, -1);
  QCOMPARE(controls.Selection(kWindowsList), -1);
}

void ControlsTest::userSelectionNotifiesButCommandsDoNot() {
  QtControls controls(MainDialogTemplate());
  std::vector<Heard> heard;
  controls.onNotify = [&heard](int id, Notification n) { heard.push_back({id, n}); };
  for (const char* name : {"One", "Two", "Three"}) {
    controls.AddEntry(kWindowsList, name);
  }
  controls.SetSelection(kWindowsList, 0);
  controls.ClearEntries(kHorzList);
  QVERIFY(heard.empty());

  controls.Dialog().show();
  QVERIFY(QTest::qWaitForWindowExposed(&controls.Dialog()));
  auto* list = WidgetOf<QListWidget>(controls, kWindowsList);
  const QRect second = list->visualItemRect(list->item(1));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
  QCOMPARE(controls.Selection(kWindowsList), 1);
  QCOMPARE(heard, (std::vector<Heard>{{kWindowsList, Notification::SelectionChanged}}));
}

void ControlsTest::userCannotTakeAListSelectionAway() {
  QtControls controls(MainDialogTemplate());
  controls.AddEntry(kHorzList, "10");
  controls.AddEntry(kHorzList, "20");
  controls.SetSelection(kHorzList, 1);
  int notified = 0;
  controls.onNotify = [&notified](int, Notification) { ++notified; };
  controls.Dialog().show();
  QVERIFY(QTest::qWaitForWindowExposed(&controls.Dialog()));
  auto* list = WidgetOf<QListWidget>(controls, kHorzList);
  const QRect selected = list->visualItemRect(list->item(1));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, selected.center());
  QCOMPARE(controls.Selection(kHorzList), 1);
  QCOMPARE(notified, 0);
}

void ControlsTest::combosNeverAddTypedText() {
  QtControls controls(MainDialogTemplate());
  controls.AddEntry(kBarTypeCombo, "G58");
  controls.AddEntry(kBarTypeCombo, "C34");
  controls.SetSelection(kBarTypeCombo, 1);
  controls.Dialog().show();
  QVERIFY(QTest::qWaitForWindowExposed(&controls.Dialog()));
  auto* combo = WidgetOf<QComboBox>(controls, kBarTypeCombo);
  combo->setFocus();
  combo->lineEdit()->selectAll();
  QTest::keyClicks(combo->lineEdit(), "Typed");
  QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
  QCOMPARE(combo->count(), 2);
  QCOMPARE(controls.EntryCount(kBarTypeCombo), 2);
  QCOMPARE(controls.Text(kBarTypeCombo), std::string("Typed"));
  QCOMPARE(controls.Selection(kBarTypeCombo), 1);
  QVERIFY(controls.Dialog().isVisible());
}

void ControlsTest::comboPickedByUserNotifiesAndSelects() {
  QtControls controls(MainDialogTemplate());
  for (const char* entry : {"Cottage1", "Cottage2", "Standard"}) {
    controls.AddEntry(kPreDesignCombo, entry);
  }
  // Filling a combo selects nothing by itself.
  QCOMPARE(controls.Selection(kPreDesignCombo), -1);
  QCOMPARE(controls.Text(kPreDesignCombo), std::string());
  std::vector<Heard> heard;
  controls.onNotify = [&heard](int id, Notification n) { heard.push_back({id, n}); };
  controls.SetSelection(kPreDesignCombo, 2);
  QVERIFY(heard.empty());

  auto* combo = WidgetOf<QComboBox>(controls, kPreDesignCombo);
  combo->activated(1);  // what the drop-down list sends when the user picks
  QCOMPARE(controls.Selection(kPreDesignCombo), 1);
  QCOMPARE(heard, (std::vector<Heard>{{kPreDesignCombo, Notification::SelectionChanged}}));
}

void ControlsTest::comboSelectionByCommandKeepsOrSetsText() {
  QtControls controls(MainDialogTemplate());
  controls.AddEntry(kEdgeTypeCombo, "E1");
  controls.AddEntry(kEdgeTypeCombo, "E2");
  controls.SetSelection(kEdgeTypeCombo, 1);
  QCOMPARE(controls.Text(kEdgeTypeCombo), std::string("E2"));
  controls.SetText(kEdgeTypeCombo, "typed");
  QCOMPARE(controls.Selection(kEdgeTypeCombo), 1);
  controls.SetSelection(kEdgeTypeCombo, -1);
  QCOMPARE(controls.Selection(kEdgeTypeCombo), -1);
  QCOMPARE(controls.Text(kEdgeTypeCombo), std::string("typed"));
  controls.ClearEntries(kEdgeTypeCombo);
  QCOMPARE(controls.EntryCount(kEdgeTypeCombo), 0);
  QCOMPARE(controls.Text(kEdgeTypeCombo), std::string());
}

void ControlsTest::radioPairsExcludeEachOtherAndCanBeCleared() {
  QtControls controls(MainDialogTemplate());
  std::vector<Heard> heard;
  controls.onNotify = [&heard](int id, Notification n) { heard.push_back({id, n}); };
  controls.SetChecked(kInchesRadio, true);
  controls.SetChecked(kEqualSpaceRadio, true);
  controls.SetChecked(kMillimetresRadio, true);
  QVERIFY(!controls.IsChecked(kInchesRadio));
  QVERIFY(controls.IsChecked(kMillimetresRadio));
  // The other pair is left alone.
  QVERIFY(controls.IsChecked(kEqualSpaceRadio));
  controls.SetChecked(kMillimetresRadio, false);
  QVERIFY(!controls.IsChecked(kMillimetresRadio) && !controls.IsChecked(kInchesRadio));
  QVERIFY(heard.empty());

  controls.Dialog().show();
  QVERIFY(QTest::qWaitForWindowExposed(&controls.Dialog()));
  ClickButton(controls, kDividedRadio);
  QVERIFY(controls.IsChecked(kDividedRadio) && !controls.IsChecked(kEqualSpaceRadio));
  // Clicking the checked one again leaves it checked, and still notifies.
  ClickButton(controls, kDividedRadio);
  QVERIFY(controls.IsChecked(kDividedRadio));
  QCOMPARE(heard, (std::vector<Heard>{{kDividedRadio, Notification::Clicked},
                                      {kDividedRadio, Notification::Clicked}}));
}

void ControlsTest::textsCrossAsUtf8() {
  QtControls controls(MainDialogTemplate());
  const std::string weiss = "Wei\xc3\x9f";
  controls.SetText(kNameEdit, weiss);
  QCOMPARE(WidgetOf<QLineEdit>(controls, kNameEdit)->text(), QStringLiteral("Weiß"));
  QCOMPARE(controls.Text(kNameEdit), weiss);

  controls.AddEntry(kInsideColorCombo, weiss);
  QCOMPARE(WidgetOf<QComboBox>(controls, kInsideColorCombo)->itemText(0), QStringLiteral("Weiß"));
  QCOMPARE(controls.FindEntryExact(kInsideColorCombo, weiss), 0);
  TypeInto(controls, kOutsideColorCombo, QStringLiteral("Weiß"));
  QCOMPARE(controls.Text(kOutsideColorCombo), weiss);

  // Bytes that are no UTF-8 at all still come back as the entry they were.
  const std::string latin1 = "Wei\xdf";
  controls.AddEntry(kBarTypeCombo, latin1);
  controls.SetSelection(kBarTypeCombo, 0);
  QCOMPARE(controls.Text(kBarTypeCombo), latin1);
}

void ControlsTest::enterInAnEditNeitherClosesNorClicks() {
  QtControls controls(MainDialogTemplate());
  int clicks = 0;
  int enters = 0;
  controls.onNotify = [&clicks](int, Notification) { ++clicks; };
  controls.Dialog().onEnter = [&enters] { ++enters; };
  controls.Dialog().show();
  QVERIFY(QTest::qWaitForWindowExposed(&controls.Dialog()));
  for (int id : {kNameEdit, kWidthEdit, kHorzEdit}) {
    controls.Widget(id)->setFocus();
    QTest::keyClick(controls.Widget(id), Qt::Key_Return);
    QTest::keyClick(controls.Widget(id), Qt::Key_Enter);
  }
  QVERIFY(controls.Dialog().isVisible());
  QCOMPARE(clicks, 0);
  QCOMPARE(enters, 6);
}

void ControlsTest::enterOnAFocusedButtonClicksIt() {
  QtControls controls(MainDialogTemplate());
  std::vector<Heard> heard;
  controls.onNotify = [&heard](int id, Notification n) { heard.push_back({id, n}); };
  controls.Dialog().show();
  QVERIFY(QTest::qWaitForWindowExposed(&controls.Dialog()));
  controls.Widget(kDeleteButton)->setFocus();
  QTest::keyClick(controls.Widget(kDeleteButton), Qt::Key_Return);
  QCOMPARE(heard, (std::vector<Heard>{{kDeleteButton, Notification::Clicked}}));
  QVERIFY(controls.Dialog().isVisible());
}

void ControlsTest::messageBoxIsTitledWithTheApplicationAndHasOkAlone() {
  QtControls controls(MainDialogTemplate());
  ModalAnswerer answerer;
  controls.ShowMessage("Invalid <Width>");
  QCOMPARE(answerer.messages.size(), size_t{1});
  const SeenMessage& seen = answerer.messages.front();
  QCOMPARE(seen.title, QStringLiteral("Varnel Grill Designer"));
  QCOMPARE(seen.text, QStringLiteral("Invalid <Width>"));
  QVERIFY(seen.okOnly);
  QVERIFY(!seen.hasIcon);
}

void ControlsTest::endBeforeShowIsRecorded() {
  QtControls controls(MainDialogTemplate());
  QVERIFY(!controls.EndRequested());
  controls.EndDialog();
  QVERIFY(controls.EndRequested());
  QVERIFY(!controls.Dialog().isVisible());
}

GRILL_QT_TEST(ControlsTest);
#include "controls_test.moc"
