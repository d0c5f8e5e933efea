#include "cutting/JobCuttingPlan.h"

#include <algorithm>
#include <map>
#include <utility>

#include "cutplan/CuttingPlanner.h"
#include "cutting/PlanStock.h"

namespace grill {
namespace {

cutplan::SawSettings SawSettingsOf(const SawValues& saw) {
  return cutplan::SawSettings{saw.kerf, saw.trimHead, saw.trimTail, saw.minOffcut};
}

// A group the planner is given: where its plan goes in the job, and the
// round it is planned in. Groups of one key with bars on hand are planned
// one round after another, each from what the rounds before left on hand;
// all the others in the first round, side by side.
struct Plannable {
  std::size_t place = 0;
  std::size_t round = 0;
  cutplan::PieceGroup group;
};

bool CountsBarsOnHand(const std::string& key, const std::vector<StockItem>& items,
                      const Inventory& inventory) {
  return std::any_of(items.begin(), items.end(), [&](const StockItem& item) {
    return BarsOnHand(key, item, inventory).has_value();
  });
}

}  // namespace

JobCuttingPlan PlanJob(const WindowList& designs, const StockFile& stock,
                       const Inventory& inventory, const DesignRefusal& refusal,
                       const JobPlanOptions& options) {
  PlanPieces pieces = CollectPlanPieces(designs, refusal);
  const cutplan::PlanOptions planOptions{SawSettingsOf(stock.saw), options.timeLimit, options.stop};
  JobCuttingPlan job;
  job.leftOut = std::move(pieces.leftOut);
  // A group without stock says so in its place.
  std::vector<Plannable> plannable;
  std::map<std::string, std::size_t> roundsOfKey;
  for (PlanPieceGroup& group : pieces.groups) {
    PlannedGroup& planned = job.groups.emplace_back(
        PlannedGroup{group.kind, group.key, group.colors, std::nullopt, {}, stock.saw});
    const std::vector<StockItem>* lengths = stock.LengthsFor(group.key);
    if (lengths == nullptr) {
      planned.problem = "No stock in Stock.txt for " + group.key;
      continue;
    }
    const std::size_t round =
        CountsBarsOnHand(group.key, *lengths, inventory) ? roundsOfKey[group.key]++ : 0;
    plannable.push_back({job.groups.size() - 1, round,
                         cutplan::PieceGroup{group.key + " " + group.colors,
                                             std::move(group.pieces),
                                             {},
                                             RemnantsOf(group.key, group.colors, inventory)}});
  }
  // Groups without stock count as planned from the start.
  std::size_t planned = job.groups.size() - plannable.size();
  OnHandTaken taken;
  for (std::size_t round = 0; planned < job.groups.size(); ++round) {
    std::vector<cutplan::PieceGroup> groups;
    std::vector<std::size_t> places;
    for (Plannable& entry : plannable) {
      if (entry.round == round) {
        PlannedGroup& group = job.groups[entry.place];
        entry.group.stock = StockOffered(group.key, *stock.LengthsFor(group.key), inventory, taken);
        groups.push_back(std::move(entry.group));
        places.push_back(entry.place);
      }
    }
    cutplan::PlanProgress progress;
    if (options.progress) {
      progress = [&, round](std::size_t done, std::size_t) {
        if (round == 0 || done > 0) {  // a later round's start was told as the last one's end
          options.progress(planned + done, job.groups.size());
        }
      };
    }
    std::vector<cutplan::GroupOutcome> outcomes =
        cutplan::PlanEachGroup(groups, planOptions, progress);
    for (std::size_t i = 0; i < places.size(); ++i) {
      PlannedGroup& group = job.groups[places[i]];
      group.plan = std::move(outcomes[i].plan);
      group.problem = std::move(outcomes[i].problem);
      if (group.plan) {
        AddOnHandUsed(group.key, *group.plan, taken);
      }
    }
    planned += places.size();
  }
  if (options.progress && plannable.empty()) {
    options.progress(planned, job.groups.size());
  }
  return job;
}

}  // namespace grill
