// The cutting plan on public bin-packing sets with proven optima and on
// shop-like jobs with kerf and trims (bench/cutting-stock/). Per set: the
// instances planned to the optimum, the bars above the optimum in total and
// the slowest instance in processor time (the machine is shared; the wall
// time of the whole set is the benchmark's Time). Also: the instances whose
// plan the planner proves optimal, and the longest time any instance needed
// to reach its optimum. Goal: every optimum, each within the 1 s limit; the
// AI/ANI instances proven within 10 s.
//
// Generated sets (CuttingStockFamilies.h) stand for the families' unseen
// instances. Falkenauer's triplets know their optimum by construction;
// Scholl's set 3 does not, so there an instance counts as optimal only when
// its plan is proven, and the bars over are those above the proven bound.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "CuttingStockFamilies.h"
#include "cutplan/CuttingPlanner.h"
#include "cutplan/ThreadCpuClock.h"

namespace {

using namespace grill::cutplan;

const std::string kInstances = GRILL_SOURCE_DIR "/bench/cutting-stock/";

struct Instance {
  std::string name;
  PieceGroup group;
  SawSettings saw;
  int optimum = 0;  // 0: unknown
};

// `<set>/<name>.txt`: `CAPACITY N`, then N piece lengths.
PieceGroup ReadGroup(const std::string& path) {
  std::ifstream file(path);
  double stock = 0;
  int count = 0;
  file >> stock >> count;
  PieceGroup group{path, {}, {stock}};
  std::map<double, int> counts;
  for (double length = 0; count-- > 0 && file >> length;) {
    ++counts[length];
  }
  for (const auto& [length, copies] : counts) {
    group.pieces.push_back({length, copies, "", ""});
  }
  return group;
}

// Tab-separated with a header; the named columns of every row.
std::vector<std::map<std::string, std::string>> ReadTable(const std::string& path) {
  std::ifstream file(path);
  std::string line;
  std::vector<std::string> header;
  std::vector<std::map<std::string, std::string>> rows;
  while (std::getline(file, line)) {
    std::vector<std::string> cells;
    std::istringstream fields(line);
    for (std::string cell; std::getline(fields, cell, '\t');) {
      cells.push_back(cell);
    }
    if (header.empty()) {
      header = cells;
      continue;
    }
    std::map<std::string, std::string>& row = rows.emplace_back();
    for (std::size_t column = 0; column < cells.size() && column < header.size(); ++column) {
      row[header[column]] = cells[column];
    }
  }
  return rows;
}

std::vector<Instance> GenerateSet(const std::string& set) {
  std::vector<Instance> instances;
  for (std::uint64_t seed = 1; seed <= 20; ++seed) {
    if (set == "triplets_501") {
      instances.push_back(
          {"seed " + std::to_string(seed), grill::bench::FalkenauerTriplets(167, seed), {}, 167});
    } else if (set == "scholl_3" && seed <= 10) {
      instances.push_back({"seed " + std::to_string(seed), grill::bench::SchollHard(seed), {}, 0});
    }
  }
  return instances;
}

std::vector<Instance> LoadSet(const std::string& set) {
  std::vector<Instance> instances = GenerateSet(set);
  if (!instances.empty()) {
    return instances;
  }
  if (set == "shop_like") {
    for (auto& row : ReadTable(kInstances + "shop_like/optima.tsv")) {
      Instance& instance = instances.emplace_back();
      instance.name = row["name"];
      instance.group = ReadGroup(kInstances + "shop_like/" + row["name"] + ".txt");
      instance.saw = {std::stod(row["kerf"]), std::stod(row["trim_head"]),
                      std::stod(row["trim_tail"]), 0};
      instance.optimum = std::stoi(row["optimum"]);
    }
    return instances;
  }
  for (auto& row : ReadTable(kInstances + "optima.tsv")) {
    if (row["set"] == set) {
      Instance& instance = instances.emplace_back();
      instance.name = row["name"];
      instance.group = ReadGroup(kInstances + set + "/" + row["name"] + ".txt");
      instance.optimum = std::stoi(row["optimum"]);
    }
  }
  return instances;
}

struct Timed {
  GroupPlan plan;
  double seconds = 0;  // processor time
};

Timed Plan(const Instance& instance, std::chrono::milliseconds limit) {
  PlanOptions options;
  options.saw = instance.saw;
  options.timeLimit = limit;
  const auto start = ThreadCpuClock::now();
  GroupPlan plan = PlanGroup(instance.group, options);
  return {std::move(plan), std::chrono::duration<double>(ThreadCpuClock::now() - start).count()};
}

// An instance whose plan is not proven optimal (the optimum may lie above
// the relaxation's bound) spends the whole time limit on the proof, and one
// proven after more than a second may have held its optimum long before.
// Its time to the optimum is then the shortest limit of a ladder, up to the
// full one, that already gives the optimum: a run limited to a second that
// ends with the optimum has it within a second.
double SecondsToOptimum(const Instance& instance, const Timed& full, int optimum,
                        std::chrono::milliseconds fullLimit) {
  if (full.plan.optimal && full.seconds <= 1.0) {
    return full.seconds;
  }
  for (int rung : {5, 10, 20, 50, 100, 200, 500, 1000}) {
    const std::chrono::milliseconds limit(rung);
    if (limit >= fullLimit) {
      break;
    }
    if (static_cast<int>(Plan(instance, limit).plan.bars.size()) == optimum) {
      return rung / 1000.0;
    }
  }
  return std::min(full.seconds, std::chrono::duration<double>(fullLimit).count());
}

void PlanSet(benchmark::State& state, const std::string& set, std::chrono::milliseconds limit) {
  std::vector<Instance> instances = LoadSet(set);
  if (instances.empty()) {
    state.SkipWithError(("no instances under " + kInstances + set).c_str());
    return;
  }
  int optimal = 0;
  int proven = 0;
  int barsOver = 0;
  // The goal for unseen jobs of the hard families: the optimum within a
  // second of processor time.
  int withinSecond = 0;
  double slowest = 0;
  double slowestToOptimum = 0;
  std::string slowestName;
  for (auto _ : state) {
    optimal = proven = barsOver = withinSecond = 0;
    slowest = slowestToOptimum = 0;
    for (const Instance& instance : instances) {
      const Timed full = Plan(instance, limit);
      const int bars = static_cast<int>(full.plan.bars.size());
      const int optimum = instance.optimum > 0 ? instance.optimum : full.plan.barBound;
      optimal += bars == optimum;
      proven += full.plan.optimal;
      barsOver += bars - optimum;
      if (full.seconds > slowest) {
        slowest = full.seconds;
        slowestName = instance.name;
      }
      if (bars == optimum) {
        const double toOptimum = SecondsToOptimum(instance, full, optimum, limit);
        slowestToOptimum = std::max(slowestToOptimum, toOptimum);
        withinSecond += toOptimum <= 1.0;
      }
    }
  }
  state.counters["instances"] = static_cast<double>(instances.size());
  state.counters["optimal"] = optimal;
  state.counters["proven"] = proven;
  state.counters["bars_over"] = barsOver;
  state.counters["slowest_cpu_ms"] = slowest * 1000;
  state.counters["to_optimum_ms"] = slowestToOptimum * 1000;
  state.counters["optimum_within_1s"] = withinSecond;
  state.SetLabel("slowest " + slowestName);
}

}  // namespace

BENCHMARK_CAPTURE(PlanSet, falkenauer_u120, std::string("falkenauer_u120"), std::chrono::seconds(1))
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PlanSet, falkenauer_t60, std::string("falkenauer_t60"), std::chrono::seconds(1))
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PlanSet, scholl_1, std::string("scholl_1"), std::chrono::seconds(1))
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PlanSet, waescher, std::string("waescher"), std::chrono::seconds(1))
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PlanSet, shop_like, std::string("shop_like"), std::chrono::seconds(1))
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PlanSet, triplets_501, std::string("triplets_501"), std::chrono::seconds(1))
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PlanSet, scholl_3, std::string("scholl_3"), std::chrono::seconds(1))
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PlanSet, ani_ai, std::string("ani_ai"), std::chrono::seconds(10))
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
