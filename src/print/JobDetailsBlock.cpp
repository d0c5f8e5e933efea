#include "print/JobDetailsBlock.h"

#include <string>

#include "print/TextWrap.h"

namespace grill::print {
namespace {

constexpr double kTextSize = 3.0;
constexpr double kDetailsLineHeight = kTextSize * 1.25;
constexpr double kLabelWidth = 40.0;
constexpr double kLabelGap = 2.0;
constexpr double kDetailsGap = 4.0;

void AddLine(PageFlow& flow, double left, double width, const std::string& text, bool bold,
             Role role) {
  flow.Add(Text{
      {left, flow.y, width, kDetailsLineHeight}, text, kTextSize, Align::Left, false, bold, role});
}

// The name at the left, the first line of the value beside it and the rest
// below that, each line kept whole on a page.
void AddDetail(PageFlow& flow, JobDetail detail, const std::string& value) {
  const double valueLeft = flow.left + kLabelWidth;
  const double valueWidth = flow.right - valueLeft;
  std::vector<std::string> lines = WrapLines(value, valueWidth, kTextSize);
  if (lines.empty()) {
    lines.push_back("-");
  }
  flow.MakeRoom(kDetailsLineHeight);
  AddLine(flow, flow.left, kLabelWidth - kLabelGap, std::string(DetailLabel(detail)), true,
          Role::Label);
  for (const std::string& line : lines) {
    flow.MakeRoom(kDetailsLineHeight);
    AddLine(flow, valueLeft, valueWidth, line, false, Role::Value);
    flow.y += kDetailsLineHeight;
  }
}

}  // namespace

void AddJobDetails(PageFlow& flow, const JobDetails& details) {
  if (details.Empty()) {
    return;
  }
  for (const JobDetail detail : kJobDetails) {
    AddDetail(flow, detail, details[detail]);
  }
  flow.y += kDetailsGap;
}

}  // namespace grill::print
