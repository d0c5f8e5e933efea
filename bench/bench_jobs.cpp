// One change of a job with its recovery write: a bar moved with "+" on a job
// of 1,000 designs of 30 by 30 bars, or of 20,000 designs of 10 by 10 bars
// (30 by 30 would pass the job file's size limit), committed, refreshed and
// recorded in the recovery copy on the real file system. Goals: under 16 ms
// at 1,000 designs and under 50 ms at 20,000 on the development machine.
// The whole state written again when the journal has outgrown it is timed
// apart: it comes once in as many changes as the job has designs or more.
// So is the start that reads the largest journal back.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "app/GrillDesignerDlg.h"
#include "app/MainDialogTemplate.h"
#include "app/RecoveryFile.h"
#include "model/JobFileWriter.h"
#include "platform/ControlIds.h"
#include "platform/FileLocks.h"
#include "testing/MemoryControls.h"
#include "testing/MemoryHost.h"
#include "testing/SettableClock.h"

namespace grill {
namespace {

constexpr const char* kConfig =
    "<toolmap>\nG58MAP, 16, H_BOTH=97, V_BOTH=98;\nE1MAP, 10, H_UP=97, V_LEFT=98;\n<\\toolmap>\n"
    "<bartypes>\nG58, 16x20mm, G58MAP, GB;\n<\\bartypes>\n"
    "<edgetypes>\nFlat, E1MAP, WD=3;\n<\\edgetypes>\n"
    "<color>\nWhite, 01;\n<\\color>\n<interface>\nMEASURE=MM;\n<\\interface>\n";

Job LargeJob(int designs, int bars) {
  Job job;
  job.unit = Unit::Millimetres;
  for (int d = 0; d < designs; ++d) {
    JobDesign design;
    GrillWindow& w = design.window;
    w.name = "Window " + std::to_string(d);
    w.outerWidth = w.innerWidth = 3000.0 + d * 0.1;
    w.outerHeight = w.innerHeight = 2000.0 + d * 0.3;
    w.quantity = 1;
    w.horzCount = bars;
    w.vertCount = bars;
    for (int i = 0; i <= bars + 1; ++i) {
      const auto at = static_cast<std::size_t>(i);
      w.horzPos[at] = w.innerHeight * i / (bars + 1.0);
      w.vertPos[at] = w.innerWidth * i / (bars + 1.0);
    }
    design.references = {"G58, 16x20mm", "Flat", "White", "White"};
    job.designs.push_back(std::move(design));
  }
  job.current = job.designs.front().window.name;
  return job;
}

// A designer started in a scratch folder on the real file system, with the
// job opened and its first bar selected.
class LargeJobRun {
 public:
  LargeJobRun(int designs, int bars)
      : folder_(std::filesystem::temp_directory_path() /
                ("grill-bench-jobs-" + std::to_string(::getpid()))),
        controls_(MainDialogTemplate()),
        dialog_(DesignerServices{controls_,
                                 host_,
                                 files_,
                                 clock_,
                                 (folder_ / "export").string(),
                                 (folder_ / "MenuConfig.txt").string(),
                                 log_,
                                 {},
                                 (folder_ / "state").string(),
                                 folder_.string(),
                                 &locks_}) {
    std::filesystem::create_directories(folder_);
    std::string error;
    auto config = files_.CreateForWrite((folder_ / "MenuConfig.txt").string(), error);
    config->Write(kConfig);
    config->Close();
    const std::string job = (folder_ / "large.grilljob").string();
    SaveJob(files_, job, LargeJob(designs, bars));
    dialog_.OnInitDialog();
    dialog_.Job().Open(job);
    controls_.SetSelection(kHorzList, bars / 2);
    controls_.SetText(kHorzEdit, "1");
  }
  ~LargeJobRun() { std::filesystem::remove_all(folder_); }
  LargeJobRun(const LargeJobRun&) = delete;
  LargeJobRun& operator=(const LargeJobRun&) = delete;

  void Click(int id) { dialog_.Dispatch(id, Notification::Clicked); }
  std::string RecoveryText() {
    std::string text;
    for (const auto& entry : std::filesystem::directory_iterator(folder_ / "state")) {
      if (entry.path().extension() == ".recovery") {
        text += std::to_string(std::filesystem::file_size(entry.path()));
        text += std::to_string(entry.last_write_time().time_since_epoch().count());
      }
    }
    return text;
  }
  double RecoveryBytes() {
    double bytes = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder_ / "state")) {
      if (entry.path().extension() == ".recovery") {
        bytes += static_cast<double>(std::filesystem::file_size(entry.path()));
      }
    }
    return bytes;
  }

 private:
  std::filesystem::path folder_;
  StdFiles files_;
  StdFileLocks locks_;
  MemoryControls controls_;
  MemoryHost host_;
  SettableClock clock_;
  std::ostringstream log_;
  CGrillDesignerDlg dialog_;
};

// The counters tell how often the whole state is written again: once in
// about whole_bytes / record_bytes changes.
void BM_ChangeWithRecoveryWrite(benchmark::State& state) {
  LargeJobRun run(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  const double whole = run.RecoveryBytes();
  run.Click(kHorzPlusButton);
  state.counters["record_bytes"] = run.RecoveryBytes() - whole;
  state.counters["whole_bytes"] = whole;
  run.Click(kHorzMinusButton);
  const std::string before = run.RecoveryText();
  bool up = true;
  for (auto _ : state) {
    // "+" and "-" in turn keep the bar where the job put it.
    run.Click(up ? kHorzPlusButton : kHorzMinusButton);
    up = !up;
  }
  if (run.RecoveryText() == before) {
    state.SkipWithError("no change reached the recovery copy");
  }
}
BENCHMARK(BM_ChangeWithRecoveryWrite)
    ->Args({1000, kMaxBars})
    ->Args({20000, 10})
    ->Unit(benchmark::kMillisecond);

// The whole state written again, as when the journal is compacted.
void BM_WholeRecoveryWrite(benchmark::State& state) {
  const int designs = static_cast<int>(state.range(0));
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("grill-bench-whole-" + std::to_string(::getpid()));
  StdFiles files;
  StdFileLocks locks;
  RecoveryStore store(files, locks, folder.string(), folder.string());
  std::string reason;
  if (store.Claim(reason) != LockStatus::Taken) {
    state.SkipWithError(reason.c_str());
    return;
  }
  const Job job = LargeJob(designs, static_cast<int>(state.range(1)));
  for (auto _ : state) {
    // The copy stands for the session's own copy of its designs.
    if (const auto error = store.Write({job, "large.grilljob", true, {}})) {
      state.SkipWithError(error->c_str());
    }
  }
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_WholeRecoveryWrite)
    ->Args({1000, kMaxBars})
    ->Args({20000, 10})
    ->Unit(benchmark::kMillisecond);

// A start that restores a whole state followed by a journal as large as it
// (the most it grows to before it is compacted): one design edited per record.
void BM_RestoreWithFullJournal(benchmark::State& state) {
  const int designs = static_cast<int>(state.range(0));
  Job job = LargeJob(designs, static_cast<int>(state.range(1)));
  std::string text = FormatRecovery({job, "large.grilljob", true, {}});
  const std::size_t whole = text.size();
  for (std::size_t i = 0; text.size() < 2 * whole; ++i) {
    const std::size_t at = (i * 7919) % job.designs.size();
    RecoveryChange change{{{}, "large.grilljob", true, {}}, at, 1};
    change.state.job.unit = job.unit;
    change.state.job.current = job.current;
    change.state.job.designs = {job.designs[at]};
    change.state.job.designs[0].window.quantity = static_cast<std::int32_t>(i % 100 + 1);
    text += FormatRecoveryChange(std::move(change));
  }
  for (auto _ : state) {
    if (!ParseRecovery(text)) {
      state.SkipWithError("the journal did not read back");
    }
  }
  state.counters["file_bytes"] = static_cast<double>(text.size());
}
BENCHMARK(BM_RestoreWithFullJournal)
    ->Args({1000, kMaxBars})
    ->Args({20000, 10})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace grill

BENCHMARK_MAIN();
