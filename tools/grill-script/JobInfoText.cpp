#include "JobInfoText.h"

#include <array>
#include <utility>

namespace grill {
namespace {

constexpr std::array<std::pair<std::string_view, JobDetail>, 4> kWords{{
    {"customer", JobDetail::Customer},
    {"order", JobDetail::OrderNumber},
    {"due", JobDetail::DueDate},
    {"notes", JobDetail::Notes},
}};

}  // namespace

std::optional<JobDetail> DetailNamed(std::string_view word) {
  for (const auto& [name, detail] : kWords) {
    if (name == word) {
      return detail;
    }
  }
  return std::nullopt;
}

std::string_view DetailWord(JobDetail detail) {
  for (const auto& [name, named] : kWords) {
    if (named == detail) {
      return name;
    }
  }
  return {};
}

std::string UnescapeNotes(std::string_view text) {
  std::string notes;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char next = i + 1 < text.size() ? text[i + 1] : '\0';
    if (text[i] == '\\' && (next == 'n' || next == '\\')) {
      notes += next == 'n' ? '\n' : '\\';
      ++i;
    } else {
      notes += text[i];
    }
  }
  return notes;
}

std::string EscapeNotes(std::string_view notes) {
  std::string text;
  for (const char c : notes) {
    if (c == '\n') {
      text += "\\n";
    } else if (c == '\\') {
      text += "\\\\";
    } else {
      text += c;
    }
  }
  return text;
}

}  // namespace grill
