#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace grill {

// The shop's own facts about an order, as typed: nothing reads them but the
// people who see them printed, so they are kept as text (the due date too).
enum class JobDetail { Customer, OrderNumber, DueDate, Notes };

inline constexpr std::array<JobDetail, 4> kJobDetails{JobDetail::Customer, JobDetail::OrderNumber,
                                                      JobDetail::DueDate, JobDetail::Notes};

struct JobDetails {
  std::string customer;
  std::string orderNumber;
  std::string dueDate;
  // May hold several lines, split by '\n'.
  std::string notes;

  bool operator==(const JobDetails&) const = default;

  std::string& operator[](JobDetail detail);
  const std::string& operator[](JobDetail detail) const;
  // No detail is set.
  bool Empty() const;
};

// The longest texts kept, in characters: a title block cell holds one line,
// and the notes print on the summary page, not in a book.
inline constexpr std::size_t kMaxDetailLength = 200;
inline constexpr std::size_t kMaxNotesLength = 4000;

// The name a detail is shown under: "Customer", "Order / PO Number",
// "Due Date", "Notes".
std::string_view DetailLabel(JobDetail detail);
std::size_t DetailLimit(JobDetail detail);

// Why `text` cannot be kept as `detail`: longer than its limit, or holding a
// control character (in the notes, one other than a line break), which no
// print shows and which would break the lines of the files that carry it.
std::optional<std::string> FindDetailProblem(JobDetail detail, std::string_view text);
// The first problem of any detail.
std::optional<std::string> FindDetailsProblem(const JobDetails& details);

// The number of characters of `text`: UTF-8 sequences count once, any other
// byte once each.
std::size_t CharacterCount(std::string_view text);

}  // namespace grill
