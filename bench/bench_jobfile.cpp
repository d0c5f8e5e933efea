// Open and save times of a large job: 1,000 designs of 30 by 30 bars. The
// goal is under 0.2 s for each on the development machine.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "model/JobFileReader.h"
#include "model/JobFileWriter.h"
#include "platform/Files.h"

namespace grill {
namespace {

Job LargeJob() {
  Job job;
  job.unit = Unit::Inches;
  job.masterFile = "MASTER-2024";
  for (int d = 0; d < 1000; ++d) {
    JobDesign design;
    GrillWindow& w = design.window;
    w.name = "Window " + std::to_string(d);
    w.outerWidth = 1200.0 + d * 0.1;
    w.outerHeight = 900.0 + d * 0.3;
    w.innerWidth = w.outerWidth - 31.75;
    w.innerHeight = w.outerHeight - 31.75;
    w.quantity = 1 + d % 7;
    w.horzCount = kMaxBars;
    w.vertCount = kMaxBars;
    // Uneven spacing gives positions with all 17 digits, as dragged bars do.
    for (int i = 0; i <= kMaxBars + 1; ++i) {
      const auto at = static_cast<std::size_t>(i);
      w.horzPos[at] = w.innerHeight * i / (kMaxBars + 1.0);
      w.vertPos[at] = w.innerWidth * i / (kMaxBars + 1.0);
      w.vertSegments[at][at] = 0;
    }
    design.references.barType = "Flat 5/8";
    design.references.edgeType = "Standard edge";
    design.references.insideColor = "White";
    design.references.outsideColor = "Sandstone";
    job.designs.push_back(std::move(design));
  }
  job.current = job.designs.back().window.name;
  return job;
}

std::string ScratchPath() {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("grill-bench-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  return (folder / "large.grilljob").string();
}

void BM_SaveLargeJob(benchmark::State& state) {
  const Job job = LargeJob();
  const std::string path = ScratchPath();
  StdFiles files;
  for (auto _ : state) {
    if (SaveJob(files, path, job)) {
      state.SkipWithError("the save failed");
      break;
    }
  }
  state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
  std::filesystem::remove_all(std::filesystem::path(path).parent_path());
}
BENCHMARK(BM_SaveLargeJob)->Unit(benchmark::kMillisecond);

void BM_OpenLargeJob(benchmark::State& state) {
  const std::string path = ScratchPath();
  StdFiles files;
  if (SaveJob(files, path, LargeJob())) {
    state.SkipWithError("the save failed");
    return;
  }
  for (auto _ : state) {
    const JobFileResult result = OpenJob(files, path);
    if (!result.job) {
      state.SkipWithError(result.error.c_str());
      break;
    }
    benchmark::DoNotOptimize(result.job->designs.data());
  }
  std::filesystem::remove_all(std::filesystem::path(path).parent_path());
}
BENCHMARK(BM_OpenLargeJob)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace grill

BENCHMARK_MAIN();
