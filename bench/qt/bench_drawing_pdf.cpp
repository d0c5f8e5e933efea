// Building and writing the PDF of a 1,000-design job print, the whole job
// from its designs to the renamed file. "page_time" is the time per page.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTemporaryDir>

#include "../DrawingJob.h"
#include "qt/DrawingPdf.h"

namespace grill {
namespace {

void BM_WriteJobPdf(benchmark::State& state) {
  const bench::DrawingJob job(1000);
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("job.pdf"));
  std::size_t pages = 0;
  for (auto _ : state) {
    const std::vector<print::Page> built = print::BuildJobPrint(job.sheets, job.settings);
    QString error;
    if (!WriteDrawingPdf(built, path, error)) {
      state.SkipWithError(error.toStdString().c_str());
      return;
    }
    pages = built.size();
  }
  state.counters["pages"] = static_cast<double>(pages);
  state.counters["page_time"] =
      benchmark::Counter(static_cast<double>(pages), benchmark::Counter::kIsIterationInvariantRate |
                                                         benchmark::Counter::kInvert);
}
BENCHMARK(BM_WriteJobPdf)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace grill

int main(int argc, char** argv) {
  // Fonts need a GUI application; the offscreen platform serves without a display.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
