#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "platform/Clock.h"
#include "platform/Files.h"
#include "qt/QtDesigner.h"

namespace grill::testing {

// Where the tests save what they grab of the screen and the pages: the build
// folder, so that a test run never rewrites the pictures the documents show
// (scripts/update-doc-pictures.sh copies them over when they are to change).
inline QString ScreenshotPath(const char* name) {
  QDir folder(QStringLiteral(GRILL_SCREENSHOT_DIR));
  folder.mkpath(QStringLiteral("."));
  return folder.filePath(QString::fromUtf8(name));
}

// A message box as the user saw it.
struct SeenMessage {
  QString title;
  QString text;
  bool okOnly = false;
  bool hasIcon = false;
};

// Answers every modal window that opens while it lives: message boxes are
// recorded and closed with OK; any other modal dialog goes to `onDialog`
// (which must close it) or is rejected.
class ModalAnswerer {
 public:
  ModalAnswerer() {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Answer(); });
    timer_.start();
  }

  std::vector<SeenMessage> messages;
  std::function<void(QDialog&)> onDialog;
  // The answer to a Yes/No question.
  bool answerYes = false;

  QStringList Texts() const {
    QStringList texts;
    for (const SeenMessage& message : messages) {
      texts << message.text;
    }
    return texts;
  }

 private:
  void Answer() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible() || modal == busy_) {
      return;
    }
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      messages.push_back({box->windowTitle(), box->text(),
                          box->standardButtons() == QMessageBox::Ok,
                          box->icon() != QMessageBox::NoIcon});
      if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
        ok->click();
      } else if (QAbstractButton* answer =
                     box->button(answerYes ? QMessageBox::Yes : QMessageBox::No)) {
        answer->click();
      }
      return;
    }
    auto* dialog = qobject_cast<QDialog*>(modal);
    if (dialog == nullptr) {
      return;
    }
    if (onDialog) {
      // The handler may open message boxes of its own. It runs from a timer
      // of its own, since a timer is not fired again while its handler runs
      // and this one must stay free to answer them.
      busy_ = dialog;
      QTimer::singleShot(0, dialog, [this, dialog] {
        onDialog(*dialog);
        busy_ = nullptr;
      });
    } else {
      dialog->reject();
    }
  }

  QTimer timer_;
  QPointer<QWidget> busy_;
};

// A clock that always tells the same moment.
class FixedClock final : public Clock {
 public:
  LocalTime Now() const override { return {2024, 2, 14, 9, 30, 5}; }
};

// A working folder holding a MenuConfig.txt (none for a null `config`), and
// the export folder beside it.
class WorkFolder {
 public:
  explicit WorkFolder(const QByteArray& config) {
    QFile file(Path("MenuConfig.txt"));
    if (!config.isNull() && file.open(QIODevice::WriteOnly)) {
      file.write(config);
    }
  }
  static QByteArray SampleConfig() {
    QFile sample(QStringLiteral(GRILL_SOURCE_DIR "/resources/MenuConfig.txt"));
    return sample.open(QIODevice::ReadOnly) ? sample.readAll() : QByteArray();
  }
  QString Path(const char* name) const { return dir_.filePath(QString::fromUtf8(name)); }
  std::string Config() const { return Path("MenuConfig.txt").toStdString(); }
  std::string Exports() const { return Path("export").toStdString(); }

 private:
  QTemporaryDir dir_;
};

// A small configuration of millimetre types whose edge type takes 15 mm off
// each side, so that an outside size of 1030 by 530 leaves 1000 by 500.
inline QByteArray SmallConfig() {
  return "<toolmap>\n"
         "G58MAP, 16, H_BOTH=97, V_BOTH=98;\n"
         "E1MAP, 10, H_UP=97, H_DOWN=97, V_LEFT=98, V_RIGHT=98;\n"
         "<\\toolmap>\n"
         "<bartypes>\n"
         "G58, 16x20mm, G58MAP, GB;\n"
         "<\\bartypes>\n"
         "<edgetypes>\n"
         "E1, E1MAP, SH=10, SO=5, WD=5, HD=5;\n"
         "<\\edgetypes>\n"
         "<color>\n"
         "White, 01;\n"
         "Wei\xc3\x9f, 02;\n"
         "<\\color>\n"
         "<interface>\n"
         "MEASURE=MM;\n"
         "<\\interface>\n";
}

// The designer on a working folder, started.
class StartedDesigner {
 public:
  explicit StartedDesigner(const QByteArray& config)
      : folder(config), designer(files, clock, folder.Exports(), folder.Config(), log) {
    designer.Start();
  }

  WorkFolder folder;
  StdFiles files;
  FixedClock clock;
  std::ostringstream log;
  QtDesigner designer;
};

// The widget of control `id` in `controls`, as type W.
template <typename W>
W* WidgetOf(QtControls& controls, int id) {
  return qobject_cast<W*>(controls.Widget(id));
}

// Types `text` into edit or combo `id` as the user would, replacing what it held.
inline void TypeInto(QtControls& controls, int id, const QString& text) {
  auto* combo = WidgetOf<QComboBox>(controls, id);
  QLineEdit* edit = combo != nullptr ? combo->lineEdit() : WidgetOf<QLineEdit>(controls, id);
  edit->selectAll();
  edit->del();
  QTest::keyClicks(edit, text);
}

inline void ClickButton(QtControls& controls, int id) {
  QTest::mouseClick(controls.Widget(id), Qt::LeftButton);
}

// Fills the Window Info fields and presses New, as the user does.
inline void CreateDesign(QtControls& controls, const QString& name, const QString& width,
                         const QString& height, const QString& vertBars, const QString& horzBars) {
  TypeInto(controls, kNameEdit, name);
  TypeInto(controls, kWidthEdit, width);
  TypeInto(controls, kHeightEdit, height);
  TypeInto(controls, kVertBarsEdit, vertBars);
  TypeInto(controls, kHorzBarsEdit, horzBars);
  ClickButton(controls, kNewButton);
}

// Sends a mouse move with the buttons and modifiers given, which QTest's own
// moves cannot carry.
inline void MoveMouse(QWidget& widget, QPoint point, Qt::MouseButtons buttons,
                      Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QMouseEvent move(QEvent::MouseMove, QPointF(point), widget.mapToGlobal(QPointF(point)),
                   Qt::NoButton, buttons, modifiers);
  QApplication::sendEvent(&widget, &move);
}

}  // namespace grill::testing
