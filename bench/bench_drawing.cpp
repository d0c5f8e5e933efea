// Building the drawing items of a 1,000-design job print: every design's
// pages and the job summary. "page_time" is the time per page.

#include <benchmark/benchmark.h>

#include "DrawingJob.h"

namespace grill {
namespace {

void BM_BuildJobPrint(benchmark::State& state) {
  const bench::DrawingJob job(1000);
  std::size_t pages = 0;
  for (auto _ : state) {
    const std::vector<print::Page> built = print::BuildJobPrint(job.sheets, job.settings);
    pages = built.size();
    benchmark::DoNotOptimize(built.data());
  }
  state.counters["pages"] = static_cast<double>(pages);
  state.counters["page_time"] =
      benchmark::Counter(static_cast<double>(pages), benchmark::Counter::kIsIterationInvariantRate |
                                                         benchmark::Counter::kInvert);
}
BENCHMARK(BM_BuildJobPrint)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace grill

BENCHMARK_MAIN();
