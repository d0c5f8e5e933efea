#include "editing/CuttableDesign.h"

#include <utility>

#include "cutting/Cuttability.h"

namespace grill {

Result<GrillWindow> RefuseUncuttable(GrillWindow window, Unit unit) {
  if (const auto problem = FindCuttingProblem(window)) {
    return Refusal{DescribeCuttingProblem(*problem, unit)};
  }
  return window;
}

}  // namespace grill
