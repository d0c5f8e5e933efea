// The cutting plan of shop-like jobs (bench/cutting-stock/shop_like) with
// an inventory as a shop has one, generated from a seed: a few remnants, a
// few bars on hand and two or three lengths to buy at a price per bar. Per
// job: the price of the bars bought, the proven bound on it, the gap in
// percent and the processor time. Goal: within 1% of the bound on every
// job, each within 1 s.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "cutplan/CuttingPlanner.h"
#include "cutplan/ThreadCpuClock.h"

namespace {

using namespace grill::cutplan;

const std::string kJobs = GRILL_SOURCE_DIR "/bench/cutting-stock/shop_like/";

struct Job {
  std::string name;
  PieceGroup group;
  SawSettings saw;
};

// `<name>.txt`: `STOCK N`, then N piece lengths.
std::vector<Piece> ReadPieces(const std::string& path) {
  std::ifstream file(path);
  double stock = 0;
  int count = 0;
  file >> stock >> count;
  std::map<double, int> counts;
  for (double length = 0; count-- > 0 && file >> length;) {
    ++counts[length];
  }
  std::vector<Piece> pieces;
  for (const auto& [length, copies] : counts) {
    pieces.push_back({length, copies, "", ""});
  }
  return pieces;
}

// The jobs' names, kerfs and trims from optima.tsv (tab-separated, with a
// header: name, stock_length, kerf, trim_head, trim_tail, ...).
std::vector<Job> ReadJobs() {
  std::ifstream table(kJobs + "optima.tsv");
  std::string line;
  std::getline(table, line);
  std::vector<Job> jobs;
  while (std::getline(table, line)) {
    std::istringstream fields(line);
    Job job;
    double stock = 0;
    fields >> job.name >> stock >> job.saw.kerf >> job.saw.trimHead >> job.saw.trimTail;
    job.saw.minOffcut = 300;
    job.group.pieces = ReadPieces(kJobs + job.name + ".txt");
    jobs.push_back(std::move(job));
  }
  return jobs;
}

// A rack of remnants, a few bars on hand, two or three priced lengths.
void AddInventory(PieceGroup& group, std::uint32_t seed) {
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> lengths(80, 400);  // tens of millimetres
  std::uniform_int_distribution<int> counts(1, 3);
  for (int remnant = 3 + static_cast<int>(random() % 6); remnant > 0; --remnant) {
    group.remnants.push_back({lengths(random) * 10.0, counts(random)});
  }
  group.stock.push_back({6000, 2 + static_cast<int>(random() % 5)});
  if (random() % 2) {
    group.stock.push_back({5000, 1 + static_cast<int>(random() % 4)});
  }
  group.stock.push_back({6000, {}, 18.40});
  group.stock.push_back({4500, {}, 14.10});
  if (random() % 2) {
    group.stock.push_back({3000, {}, 9.90});
  }
}

void PlanWithInventory(benchmark::State& state, const Job& job) {
  PlanOptions options;
  options.saw = job.saw;
  options.timeLimit = std::chrono::duration<double>(
      std::getenv("PLAN_SECONDS") ? std::atof(std::getenv("PLAN_SECONDS")) : 1.0);
  for (auto _ : state) {
    const auto start = ThreadCpuClock::now();
    const GroupPlan plan = PlanGroup(job.group, options);
    const double seconds = std::chrono::duration<double>(ThreadCpuClock::now() - start).count();
    const double cost = plan.cost.value_or(0);
    const double bound = plan.costBound.value_or(0);
    const double gap = bound > 0 ? (cost - bound) / bound * 100 : (cost > 0 ? 100 : 0);
    state.counters["cost"] = cost;
    state.counters["bound"] = bound;
    state.counters["gap_pct"] = gap;
    state.counters["cpu_s"] = seconds;
    state.counters["bars"] = static_cast<double>(plan.bars.size());
    std::printf("%-32s cost %8.2f  bound %8.2f  gap %5.2f%%  %5.3f s  %s\n", job.name.c_str(), cost,
                bound, gap, seconds, plan.optimal ? "optimal" : "");
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<Job> jobs;
  for (const Job& shop : ReadJobs()) {
    for (std::uint32_t seed = 1; seed <= 3; ++seed) {
      Job job = shop;
      job.name += "/inventory_" + std::to_string(seed);
      AddInventory(job.group, seed);
      jobs.push_back(std::move(job));
    }
  }
  for (const Job& job : jobs) {
    benchmark::RegisterBenchmark(job.name.c_str(), PlanWithInventory, job)
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond);
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
