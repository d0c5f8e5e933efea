#include "app/JobDetailsDialog.h"

namespace grill {
namespace {

using K = ControlKind;

DialogTemplate BuildJobDetails() {
  DialogTemplate t;
  t.templateId = 104;
  t.title = "Job Properties";
  t.width = 260;
  t.height = 152;
  t.controls = {
      {kNoId, K::Label, "Customer", 7, 10, 76, 8},
      {kJobCustomerEdit, K::Edit, "", 85, 7, 110, 14},
      {kNoId, K::Label, "Order / PO Number", 7, 28, 76, 8},
      {kJobOrderEdit, K::Edit, "", 85, 25, 110, 14},
      {kNoId, K::Label, "Due Date", 7, 46, 76, 8},
      {kJobDueDateEdit, K::Edit, "", 85, 43, 110, 14},
      {kNoId, K::Label, "Notes", 7, 64, 76, 8},
      {kJobNotesEdit, K::MultiLineEdit, "", 7, 75, 188, 70},
      {kIdOk, K::DefaultPushButton, "OK", 203, 7, 50, 16},
      {kIdCancel, K::PushButton, "Cancel", 203, 26, 50, 16},
  };
  return t;
}

}  // namespace

const DialogTemplate& JobDetailsTemplate() {
  static const DialogTemplate instance = BuildJobDetails();
  return instance;
}

}  // namespace grill
