#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <stop_token>
#include <string>
#include <vector>

#include "config/StockFile.h"
#include "cutplan/CuttingJob.h"
#include "cutting/PlanPieces.h"
#include "model/Inventory.h"
#include "model/WindowList.h"

namespace grill {

// One group's plan, or why it has none: no stock given for its key, or a
// piece the planner refuses (longer than every stock length, say).
struct PlannedGroup {
  StockKind kind = StockKind::kBar;
  std::string key;
  std::string colors;
  std::optional<cutplan::GroupPlan> plan;
  std::string problem;
  // The saw's allowances the plan was made with.
  SawValues saw;
};

// The job's plan as data, in millimetres: each output words it in its own
// way and unit.
struct JobCuttingPlan {
  std::vector<PlannedGroup> groups;
  std::vector<LeftOutDesign> leftOut;
  // What reading Stock.txt noted (Config Errors among them): the plan stands
  // on that file, so whoever reads the plan sees them.
  std::vector<std::string> stockNotes;
  // The same for the inventory of remnants and bars on hand.
  std::vector<std::string> inventoryNotes = {};
  // The files the plan's stock came from, which taking it from stock changes;
  // empty for a plan made from values alone.
  std::string stockPath = {};
  std::string inventoryPath = {};
};

struct JobPlanOptions {
  // Processor time per group.
  std::chrono::duration<double> timeLimit{1.0};
  // A stop request ends the search of the group being planned and of those
  // after it: each keeps the best plan found by then.
  std::stop_token stop{};
  // Told the groups planned so far and their number, before the first group
  // and after each; on the planning thread.
  std::function<void(std::size_t planned, std::size_t groups)> progress{};
};

// Plans every group of the pieces of the designs `refusal` lets through
// (CollectPlanPieces) from the stock and saw of `stock`, each group with the
// inventory's remnants of its key and colours and the bars on hand of its
// key (PlanStock). Groups of one key share its bars on hand: they are
// planned one after another, each from what the ones before left.
JobCuttingPlan PlanJob(const WindowList& designs, const StockFile& stock,
                       const Inventory& inventory, const DesignRefusal& refusal,
                       const JobPlanOptions& options = {});

}  // namespace grill
