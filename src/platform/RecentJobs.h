#pragma once

#include <string>
#include <vector>

namespace grill {

// The user's setting that lists the job files opened or saved last, newest
// first (File > Open Recent).
class RecentJobs {
 public:
  virtual ~RecentJobs() = default;
  virtual std::vector<std::string> Load() const = 0;
  virtual void Store(const std::vector<std::string>& paths) = 0;
};

}  // namespace grill
