#pragma once

#include <string>
#include <vector>

#include "cutplan/CuttingJob.h"

namespace grill::cutplan::testing {

// The cutting-stock instances kept in bench/cutting-stock/.
struct KnownInstance {
  std::string name;
  PieceGroup group;
  SawSettings saw;
  int optimum = 0;
  int boundL2 = 0;  // the public sets only
  int firstFit = 0;
};

// Rows of the public sets' optima.tsv or, for "shop_like", its own table.
std::vector<KnownInstance> LoadInstances(const std::string& set);

}  // namespace grill::cutplan::testing
