#pragma once

#include <QObject>

#include "app/StockTaking.h"
#include "cutting/JobCuttingPlan.h"
#include "platform/Files.h"

class QDialogButtonBox;
class QLabel;
class QPushButton;
class QWidget;

namespace grill {

// The cutting plan window's Take from Stock... and Undo Take buttons and the
// line that says the plan was taken; the work is StockTaking's.
class TakeFromStockControls : public QObject {
 public:
  // Adds the buttons to `buttons`; `plan` and `window` outlive this.
  TakeFromStockControls(const JobCuttingPlan& plan, QDialogButtonBox& buttons, QWidget& window);

  // Empty until the plan is taken; the window places it.
  QLabel& Status() { return *status_; }
  bool Taken() const { return taking_.Taken(); }

 private:
  void Take();
  void Undo();
  void Show(const std::string& message);

  const JobCuttingPlan& plan_;
  QWidget& window_;
  StdFiles files_;
  StockTaking taking_;
  QPushButton* undo_;  // owned by the button box
  QLabel* status_;     // owned by the window
};

}  // namespace grill
