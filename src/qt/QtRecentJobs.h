#pragma once

#include "platform/RecentJobs.h"

namespace grill {

// File > Open Recent in the user's settings (UserSettings).
class QtRecentJobs final : public RecentJobs {
 public:
  std::vector<std::string> Load() const override;
  void Store(const std::vector<std::string>& paths) override;
};

}  // namespace grill
