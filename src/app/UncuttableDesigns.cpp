#include "app/UncuttableDesigns.h"

#include "cutting/Cuttability.h"
#include "model/Measurements.h"

namespace grill {

std::optional<std::string> UncuttableDesignsMessage(const WindowList& designs, Unit unit) {
  // A message box holds only so many lines; the rest are counted.
  constexpr int kNamedAtMost = 20;
  std::string message = "These designs cannot be cut until they are changed:";
  int found = 0;
  for (const GrillWindow& window : designs) {
    if (const auto problem = FindCuttingProblem(window)) {
      if (++found <= kNamedAtMost) {
        message += "\n" + window.name + ": " + DescribeCuttingProblem(*problem, unit);
      }
    }
  }
  if (found == 0) {
    return std::nullopt;
  }
  if (found > kNamedAtMost) {
    message += "\nand " + FormatInteger(found - kNamedAtMost) + " more";
  }
  return message;
}

}  // namespace grill
