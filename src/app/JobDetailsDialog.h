#pragma once

#include <optional>
#include <string>

#include "app/DesignerContext.h"
#include "editing/DesignDocument.h"
#include "model/JobDetails.h"
#include "platform/DialogHost.h"

namespace grill {

// File > Job Properties...: the job's customer, order number, due date and
// notes. It opens with the job's details; its OK only checks the fields, and
// the accepted details are committed once the dialog has closed.
class CJobDetailsDialog final : public ModalDialog {
 public:
  const DialogTemplate& Template() const override;
  void OnInitDialog(Controls& controls) override;
  bool OnOK(Controls& controls) override;

  void Begin(const DesignDocument& document);
  // The details the OK accepted, once; nothing after Cancel.
  std::optional<JobDetails> TakeAccepted();

 private:
  const DesignDocument* document_ = nullptr;
  std::optional<JobDetails> accepted_;
};

// Template 104.
const DialogTemplate& JobDetailsTemplate();

// The control that shows `detail` in template 104.
int DetailControl(JobDetail detail);

// The details as typed into the fields: a pasted tab reads as a blank, and
// the notes' line breaks of any system as '\n'.
JobDetails ReadDetailFields(const Controls& controls);

// Gives the job `details` as one step, when they differ from its own.
// Returns why they cannot be kept ("Invalid Job Details: ..."), changing
// nothing then.
std::optional<std::string> CommitJobDetails(DesignDocument& document, JobDetails details);

// Opens the dialog; after it closes, accepted details that differ from the
// job's are committed as one step, and nothing happens otherwise.
void OpenJobDetails(DesignerContext& context, CJobDetailsDialog& dialog, DialogHost& host);

}  // namespace grill
