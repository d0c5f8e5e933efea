#include "model/JobDetails.h"

#include "model/Measurements.h"

namespace grill {

namespace {

// The member that holds `detail`, for a const or a mutable JobDetails alike.
template <typename Details>
auto& FieldOf(Details& details, JobDetail detail) {
  switch (detail) {
    case JobDetail::Customer:
      return details.customer;
    case JobDetail::OrderNumber:
      return details.orderNumber;
    case JobDetail::DueDate:
      return details.dueDate;
    case JobDetail::Notes:
      break;
  }
  return details.notes;
}

}  // namespace

std::string& JobDetails::operator[](JobDetail detail) {
  return FieldOf(*this, detail);
}

const std::string& JobDetails::operator[](JobDetail detail) const {
  return FieldOf(*this, detail);
}

bool JobDetails::Empty() const {
  return customer.empty() && orderNumber.empty() && dueDate.empty() && notes.empty();
}

std::string_view DetailLabel(JobDetail detail) {
  switch (detail) {
    case JobDetail::Customer:
      return "Customer";
    case JobDetail::OrderNumber:
      return "Order / PO Number";
    case JobDetail::DueDate:
      return "Due Date";
    case JobDetail::Notes:
      break;
  }
  return "Notes";
}

std::size_t DetailLimit(JobDetail detail) {
  return detail == JobDetail::Notes ? kMaxNotesLength : kMaxDetailLength;
}

std::size_t CharacterCount(std::string_view text) {
  std::size_t count = 0;
  for (const char c : text) {
    // Continuation bytes of a UTF-8 sequence add no character.
    count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
  }
  return count;
}

std::optional<std::string> FindDetailProblem(JobDetail detail, std::string_view text) {
  const std::string label(DetailLabel(detail));
  const bool lines = detail == JobDetail::Notes;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte < 32 || byte == 127) && !(lines && c == '\n')) {
      return label + (lines ? " hold a control character other than a line break"
                            : " holds a control character");
    }
  }
  const std::size_t limit = DetailLimit(detail);
  if (CharacterCount(text) > limit) {
    return label + (lines ? " are" : " is") + " longer than " +
           FormatInteger(static_cast<std::int64_t>(limit)) + " characters";
  }
  return std::nullopt;
}

std::optional<std::string> FindDetailsProblem(const JobDetails& details) {
  for (const JobDetail detail : kJobDetails) {
    if (std::optional<std::string> problem = FindDetailProblem(detail, details[detail])) {
      return problem;
    }
  }
  return std::nullopt;
}

}  // namespace grill
