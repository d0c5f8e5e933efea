#include "qt/QtControls.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/MainDialogTemplate.h"
#include "platform/ListOrder.h"
#include "qt/Catalogue.h"

namespace grill {
namespace {

QString ToQt(std::string_view bytes) {
  return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string FromQt(const QString& text) {
  return text.toUtf8().toStdString();
}

// A radio button that the user can only check: checking one member of a pair
// is what unchecks the other, while the designer may still clear either.
class PairedRadioButton final : public QRadioButton {
 public:
  using QRadioButton::QRadioButton;

 protected:
  void nextCheckState() override { setChecked(true); }
};

bool IsList(ControlKind kind) {
  return kind == ControlKind::ListBox || kind == ControlKind::SortedListBox;
}

bool IsButton(ControlKind kind) {
  return kind == ControlKind::PushButton || kind == ControlKind::DefaultPushButton ||
         kind == ControlKind::RadioButton;
}

}  // namespace

QtControls::QtControls(const DialogTemplate& dialogTemplate, QWidget* parent)
    : dialog_(std::make_unique<TemplateDialog>(parent)),
      units_(BaseUnitsOf(dialog_->font())),
      radioPairs_(dialogTemplate.radioPairs) {
  Build(dialogTemplate);
}

QtControls::~QtControls() = default;

void QtControls::Build(const DialogTemplate& dialogTemplate) {
  dialog_->setWindowTitle(CoreText(dialogTemplate.title));
  dialog_->setFixedSize(ToPixels(units_, 0, 0, dialogTemplate.width, dialogTemplate.height).size());
  for (const ControlSpec& controlSpec : dialogTemplate.controls) {
    QWidget* widget = CreateWidget(controlSpec);
    widget->setGeometry(
        ToPixels(units_, controlSpec.x, controlSpec.y, controlSpec.width, controlSpec.height));
    widget->setVisible(!controlSpec.hidden);
    if (controlSpec.id == kNoId) {
      continue;
    }
    widget->setObjectName(QString::number(controlSpec.id));
    Bound& bound = controls_[controlSpec.id];
    bound.kind = controlSpec.kind;
    bound.caption = controlSpec.caption;
    bound.widget = widget;
    if (IsList(controlSpec.kind)) {
      ConnectList(controlSpec.id, bound);
    } else if (controlSpec.kind == ControlKind::DropDownCombo) {
      ConnectCombo(controlSpec.id, bound);
    } else if (IsButton(controlSpec.kind)) {
      ConnectButton(controlSpec.id, bound);
    } else if (controlSpec.kind == ControlKind::Edit) {
      ConnectEdit(controlSpec.id, bound);
    }
  }
}

QWidget* QtControls::CreateWidget(const ControlSpec& controlSpec) {
  QWidget* parent = dialog_.get();
  const QString caption = CoreText(controlSpec.caption);
  switch (controlSpec.kind) {
    case ControlKind::PushButton:
    case ControlKind::DefaultPushButton: {
      auto* button = new QPushButton(caption, parent);
      // Enter is the dialog's business: no button presses itself on Enter
      // pressed elsewhere.
      button->setAutoDefault(false);
      button->setDefault(false);
      return button;
    }
    case ControlKind::RadioButton: {
      auto* radio = new PairedRadioButton(caption, parent);
      radio->setAutoExclusive(false);
      return radio;
    }
    case ControlKind::Edit:
      return new QLineEdit(parent);
    case ControlKind::MultiLineEdit: {
      auto* edit = new QPlainTextEdit(parent);
      // Tab moves on to the next field, as in every other field: a tab in
      // the text would print as nothing.
      edit->setTabChangesFocus(true);
      return edit;
    }
    case ControlKind::Label: {
      auto* label = new QLabel(caption, parent);
      label->setTextFormat(Qt::PlainText);
      label->setWordWrap(false);
      return label;
    }
    case ControlKind::GroupBox:
      return new QGroupBox(caption, parent);
    case ControlKind::ListBox:
    case ControlKind::SortedListBox: {
      auto* list = new QListWidget(parent);
      list->setSelectionMode(QAbstractItemView::SingleSelection);
      list->setUniformItemSizes(true);
      return list;
    }
    case ControlKind::DropDownCombo: {
      auto* combo = new QComboBox(parent);
      combo->setEditable(true);
      combo->setInsertPolicy(QComboBox::NoInsert);
      // A typed text is taken as typed: no completion towards an entry.
      combo->setCompleter(nullptr);
      return combo;
    }
  }
  return new QWidget(parent);
}

void QtControls::ConnectList(int id, Bound& bound) {
  auto* list = static_cast<QListWidget*>(bound.widget);
  QObject::connect(
      list->selectionModel(), &QItemSelectionModel::selectionChanged, dialog_.get(),
      [this, id, list](const QItemSelection& selected, const QItemSelection& deselected) {
        if (changingByCommand_) {
          return;
        }
        // The user may change the selection but, as with a
        // single-selection list box, never take it away.
        if (selected.isEmpty() && !deselected.isEmpty()) {
          changingByCommand_ = true;
          list->setCurrentRow(deselected.indexes().first().row(),
                              QItemSelectionModel::ClearAndSelect);
          changingByCommand_ = false;
          return;
        }
        Notify(id, Notification::SelectionChanged);
      });
}

void QtControls::ConnectCombo(int id, Bound& bound) {
  auto* combo = static_cast<QComboBox*>(bound.widget);
  QObject::connect(combo, &QComboBox::activated, dialog_.get(), [this, id](int index) {
    if (Bound* picked = Find(id)) {
      picked->selection = index;
    }
    Notify(id, Notification::SelectionChanged);
  });
  // Typing in an editable combo is reported as typing in an edit is.
  if (QLineEdit* edit = combo->lineEdit()) {
    QObject::connect(edit, &QLineEdit::textEdited, dialog_.get(),
                     [this, id] { Notify(id, Notification::TextEdited); });
  }
}

void QtControls::ConnectButton(int id, Bound& bound) {
  auto* button = static_cast<QAbstractButton*>(bound.widget);
  QObject::connect(button, &QAbstractButton::clicked, dialog_.get(), [this, id] {
    if (Find(id)->kind == ControlKind::RadioButton) {
      SetChecked(id, true);
    }
    Notify(id, Notification::Clicked);
  });
}

void QtControls::ConnectEdit(int id, Bound& bound) {
  auto* edit = static_cast<QLineEdit*>(bound.widget);
  QObject::connect(edit, &QLineEdit::textEdited, dialog_.get(),
                   [this, id] { Notify(id, Notification::TextEdited); });
}

void QtControls::Notify(int id, Notification notification) {
  if (onNotify) {
    onNotify(id, notification);
  }
}

QtControls::Bound* QtControls::Find(int id) {
  auto found = controls_.find(id);
  return found == controls_.end() ? nullptr : &found->second;
}

const QtControls::Bound* QtControls::Find(int id) const {
  auto found = controls_.find(id);
  return found == controls_.end() ? nullptr : &found->second;
}

QWidget* QtControls::Widget(int id) const {
  const Bound* bound = Find(id);
  return bound != nullptr ? bound->widget : nullptr;
}

std::string QtControls::Text(int id) const {
  const Bound* bound = Find(id);
  if (bound == nullptr) {
    return {};
  }
  switch (bound->kind) {
    case ControlKind::Edit:
      return FromQt(static_cast<QLineEdit*>(bound->widget)->text());
    case ControlKind::MultiLineEdit:
      return FromQt(static_cast<QPlainTextEdit*>(bound->widget)->toPlainText());
    case ControlKind::Label:
    case ControlKind::GroupBox:
    case ControlKind::PushButton:
    case ControlKind::DefaultPushButton:
    case ControlKind::RadioButton:
      return bound->caption;
    case ControlKind::DropDownCombo: {
      const QString text = static_cast<QComboBox*>(bound->widget)->currentText();
      // The text of an entry comes back as the entry's own bytes.
      for (const std::string& entry : bound->entries) {
        if (ToQt(entry) == text) {
          return entry;
        }
      }
      return FromQt(text);
    }
    case ControlKind::ListBox:
    case ControlKind::SortedListBox:
      return {};
  }
  return {};
}

void QtControls::SetText(int id, std::string_view text) {
  Bound* bound = Find(id);
  if (bound == nullptr) {
    return;
  }
  const QString value = ToQt(text);
  if (bound->kind != ControlKind::Edit && bound->kind != ControlKind::MultiLineEdit &&
      bound->kind != ControlKind::DropDownCombo) {
    bound->caption = text;
  }
  switch (bound->kind) {
    case ControlKind::Edit:
      static_cast<QLineEdit*>(bound->widget)->setText(value);
      return;
    case ControlKind::MultiLineEdit:
      static_cast<QPlainTextEdit*>(bound->widget)->setPlainText(value);
      return;
    case ControlKind::Label:
      static_cast<QLabel*>(bound->widget)->setText(CoreText(text));
      return;
    case ControlKind::GroupBox:
      static_cast<QGroupBox*>(bound->widget)->setTitle(CoreText(text));
      return;
    case ControlKind::PushButton:
    case ControlKind::DefaultPushButton:
    case ControlKind::RadioButton:
      static_cast<QAbstractButton*>(bound->widget)->setText(CoreText(text));
      return;
    case ControlKind::DropDownCombo:
      static_cast<QComboBox*>(bound->widget)->setEditText(value);
      return;
    case ControlKind::ListBox:
    case ControlKind::SortedListBox:
      return;
  }
}

void QtControls::SetVisible(int id, bool visible) {
  if (Bound* bound = Find(id)) {
    bound->widget->setVisible(visible);
  }
}

bool QtControls::IsVisible(int id) const {
  // Whether the control is shown with its dialog, also before the dialog is.
  const Bound* bound = Find(id);
  return bound != nullptr && !bound->widget->isHidden();
}

int QtControls::AddEntry(int id, std::string_view text) {
  Bound* bound = Find(id);
  if (bound == nullptr || !(IsList(bound->kind) || bound->kind == ControlKind::DropDownCombo)) {
    return -1;
  }
  int index = static_cast<int>(bound->entries.size());
  if (bound->kind == ControlKind::SortedListBox) {
    index = SortedInsertIndex(bound->entries, text);
  }
  bound->entries.insert(bound->entries.begin() + index, std::string(text));
  if (IsList(bound->kind)) {
    changingByCommand_ = true;
    static_cast<QListWidget*>(bound->widget)->insertItem(index, ToQt(text));
    changingByCommand_ = false;
  } else {
    auto* combo = static_cast<QComboBox*>(bound->widget);
    const QString shownText = combo->currentText();
    combo->insertItem(index, ToQt(text));
    // A combo picks its first entry by itself; the designer's choice stands.
    SyncCombo(*bound, shownText);
  }
  return index;
}

int QtControls::EntryCount(int id) const {
  const Bound* bound = Find(id);
  return bound != nullptr ? static_cast<int>(bound->entries.size()) : 0;
}

void QtControls::ClearEntries(int id) {
  Bound* bound = Find(id);
  if (bound == nullptr) {
    return;
  }
  bound->entries.clear();
  bound->selection = -1;
  if (IsList(bound->kind)) {
    changingByCommand_ = true;
    static_cast<QListWidget*>(bound->widget)->clear();
    changingByCommand_ = false;
  } else if (bound->kind == ControlKind::DropDownCombo) {
    auto* combo = static_cast<QComboBox*>(bound->widget);
    combo->clear();
    combo->clearEditText();
  }
}

void QtControls::SetSelection(int id, int index) {
  Bound* bound = Find(id);
  if (bound == nullptr) {
    return;
  }
  const bool inRange = index >= 0 && index < static_cast<int>(bound->entries.size());
  if (IsList(bound->kind)) {
    auto* list = static_cast<QListWidget*>(bound->widget);
    changingByCommand_ = true;
    if (inRange) {
      list->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
    } else {
      list->clearSelection();
      list->setCurrentRow(-1, QItemSelectionModel::NoUpdate);
    }
    changingByCommand_ = false;
  } else if (bound->kind == ControlKind::DropDownCombo) {
    auto* combo = static_cast<QComboBox*>(bound->widget);
    const QString shownText = combo->currentText();
    bound->selection = inRange ? index : -1;
    SyncCombo(*bound, inRange ? ToQt(bound->entries[static_cast<size_t>(index)]) : shownText);
  }
}

void QtControls::SyncCombo(Bound& bound, const QString& text) {
  auto* combo = static_cast<QComboBox*>(bound.widget);
  if (combo->currentIndex() != bound.selection) {
    combo->setCurrentIndex(bound.selection);
  }
  if (combo->currentText() != text) {
    combo->setEditText(text);
  }
}

int QtControls::Selection(int id) const {
  const Bound* bound = Find(id);
  if (bound == nullptr) {
    return -1;
  }
  if (IsList(bound->kind)) {
    // The selected entry, not Qt's current row, which focus alone sets.
    const QModelIndexList selected =
        static_cast<QListWidget*>(bound->widget)->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
  }
  return bound->kind == ControlKind::DropDownCombo ? bound->selection : -1;
}

std::string QtControls::EntryText(int id, int index) const {
  const Bound* bound = Find(id);
  if (bound == nullptr || index < 0 || index >= static_cast<int>(bound->entries.size())) {
    return {};
  }
  return bound->entries[static_cast<size_t>(index)];
}

int QtControls::FindEntryExact(int id, std::string_view text) const {
  const Bound* bound = Find(id);
  if (bound == nullptr) {
    return -1;
  }
  for (size_t i = 0; i < bound->entries.size(); ++i) {
    if (bound->entries[i] == text) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

void QtControls::SetChecked(int id, bool checked) {
  Bound* bound = Find(id);
  if (bound == nullptr || bound->kind != ControlKind::RadioButton) {
    return;
  }
  static_cast<QAbstractButton*>(bound->widget)->setChecked(checked);
  if (!checked) {
    return;
  }
  for (const auto& [first, second] : radioPairs_) {
    const int partner = first == id ? second : (second == id ? first : kNoId);
    if (Bound* other = Find(partner); other != nullptr && other->kind == ControlKind::RadioButton) {
      static_cast<QAbstractButton*>(other->widget)->setChecked(false);
    }
  }
}

bool QtControls::IsChecked(int id) const {
  const Bound* bound = Find(id);
  return bound != nullptr && bound->kind == ControlKind::RadioButton &&
         static_cast<QAbstractButton*>(bound->widget)->isChecked();
}

void QtControls::ShowMessage(std::string_view text) {
  QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(kApplicationTitle), CoreText(text),
                  QMessageBox::Ok, dialog_.get());
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

void QtControls::EndDialog() {
  endRequested_ = true;
  dialog_->reject();
}

void QtControls::Invalidate() {
  if (onInvalidate) {
    onInvalidate();
  } else {
    dialog_->update();
  }
}

}  // namespace grill
