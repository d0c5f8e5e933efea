#include "export/RunPlan.h"

#include <tuple>
#include <unordered_map>

namespace grill {
namespace {

using BarKey = std::tuple<const void*, const void*, const void*>;

// Colours and bar type of a design's bar files.
struct BarKeyHash {
  size_t operator()(const BarKey& key) const {
    const std::hash<const void*> hash;
    return hash(std::get<0>(key)) ^ (hash(std::get<1>(key)) << 1) ^ (hash(std::get<2>(key)) << 2);
  }
};

}  // namespace

void NameRunFiles(RunPlan& plan) {
  for (ExportJob& job : plan.jobs) {
    job.fileNames =
        MakeDesignFileNames(*job.window, *job.barType, *job.edgeType, plan.stamp, plan.kind);
  }
  if (plan.kind != RunKind::kProcessAll) {
    return;
  }
  // The names of each group's first design, by the group's key.
  std::unordered_map<const EdgeType*, const DesignFileNames*> edgeGroups;
  std::unordered_map<BarKey, const DesignFileNames*, BarKeyHash> barGroups;
  for (ExportJob& job : plan.jobs) {
    const GrillWindow& window = *job.window;
    const auto [edgeFirst, newEdgeGroup] = edgeGroups.try_emplace(job.edgeType, &job.fileNames);
    if (!newEdgeGroup) {
      job.fileNames.edge = edgeFirst->second->edge;
    }
    const BarKey barKey{window.insideColor, window.outsideColor, job.barType};
    const auto [barFirst, newBarGroup] = barGroups.try_emplace(barKey, &job.fileNames);
    if (!newBarGroup) {
      job.fileNames.barH = barFirst->second->barH;
      job.fileNames.barW = barFirst->second->barW;
      job.fileNames.hasBarW = barFirst->second->hasBarW;
    }
  }
}

}  // namespace grill
