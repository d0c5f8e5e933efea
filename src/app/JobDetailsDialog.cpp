#include "app/JobDetailsDialog.h"

#include <utility>

#include "platform/ControlIds.h"

namespace grill {
namespace {

std::string WithoutTabs(std::string text) {
  for (char& c : text) {
    if (c == '\t') {
      c = ' ';
    }
  }
  return text;
}

// "\r\n" and a lone '\r' end a line as '\n' does.
std::string WithUnixLineBreaks(const std::string& text) {
  std::string lines;
  lines.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r') {
      lines += text[i];
    } else if (i + 1 == text.size() || text[i + 1] != '\n') {
      lines += '\n';
    }
  }
  return lines;
}

std::optional<std::string> RefusalOf(const JobDetails& details) {
  if (std::optional<std::string> problem = FindDetailsProblem(details)) {
    return "Invalid Job Details: " + *problem;
  }
  return std::nullopt;
}

}  // namespace

int DetailControl(JobDetail detail) {
  switch (detail) {
    case JobDetail::Customer:
      return kJobCustomerEdit;
    case JobDetail::OrderNumber:
      return kJobOrderEdit;
    case JobDetail::DueDate:
      return kJobDueDateEdit;
    case JobDetail::Notes:
      break;
  }
  return kJobNotesEdit;
}

JobDetails ReadDetailFields(const Controls& controls) {
  JobDetails details;
  for (const JobDetail detail : kJobDetails) {
    details[detail] = WithoutTabs(controls.Text(DetailControl(detail)));
  }
  details.notes = WithUnixLineBreaks(details.notes);
  return details;
}

const DialogTemplate& CJobDetailsDialog::Template() const {
  return JobDetailsTemplate();
}

void CJobDetailsDialog::Begin(const DesignDocument& document) {
  document_ = &document;
  accepted_.reset();
}

void CJobDetailsDialog::OnInitDialog(Controls& controls) {
  const JobDetails details = document_ != nullptr ? document_->Details() : JobDetails{};
  for (const JobDetail detail : kJobDetails) {
    controls.SetText(DetailControl(detail), details[detail]);
  }
}

// A refusal is shown and keeps the dialog open with what was typed.
bool CJobDetailsDialog::OnOK(Controls& controls) {
  JobDetails details = ReadDetailFields(controls);
  if (const std::optional<std::string> refusal = RefusalOf(details)) {
    controls.ShowMessage(*refusal);
    return false;
  }
  accepted_ = std::move(details);
  return true;
}

std::optional<JobDetails> CJobDetailsDialog::TakeAccepted() {
  return std::exchange(accepted_, std::nullopt);
}

std::optional<std::string> CommitJobDetails(DesignDocument& document, JobDetails details) {
  if (std::optional<std::string> refusal = RefusalOf(details)) {
    return refusal;
  }
  if (std::optional<DesignChange> change = DetailsChange(document, std::move(details))) {
    document.Commit(std::move(*change));
  }
  return std::nullopt;
}

void OpenJobDetails(DesignerContext& context, CJobDetailsDialog& dialog, DialogHost& host) {
  dialog.Begin(context.Document());
  host.RunModal(dialog, [&context, &dialog] {
    if (std::optional<JobDetails> accepted = dialog.TakeAccepted()) {
      // Checked by OK already: nothing is refused here.
      CommitJobDetails(context.Document(), std::move(*accepted));
    }
  });
}

}  // namespace grill
