// Process All over 1,000 designs written with StdFiles, beside a baseline
// that writes the same bytes to the same files, with the same opens and
// closes, through plain POSIX calls (each open file's bytes in one write).
// The two run in repetitions interleaved at random; each is timed by its best
// repetition, which is the least disturbed by other work on the machine.
// Prints both times; the last line is "ratio R", the full run's time over the
// baseline's. Fails when the run takes more than kMaxRatio times the
// baseline: the export's own work (building, grouping and formatting the
// pieces) must stay small beside the writing itself.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/ExportCommands.h"
#include "app/MainDialogTemplate.h"
#include "editing/DesignerState.h"
#include "model/Measurements.h"
#include "platform/ControlIds.h"
#include "platform/Files.h"
#include "testing/DocumentSetUp.h"
#include "testing/MemoryControls.h"
#include "testing/MemoryFiles.h"
#include "testing/MemoryHost.h"
#include "testing/SettableClock.h"

namespace grill {
namespace {

constexpr int kDesigns = 1000;
constexpr int kBars = 30;
constexpr int kQuantity = 5;
constexpr double kMaxRatio = 4.0;

void SetCode(ToolMapEntry& entry, int row, NotchDirection direction, const char* code) {
  entry.toolCodes[static_cast<size_t>(row + direction)] = code;
}

// Two profiles whose one-sided crossings are joints, two edge types and three
// colours, so that designs fall into groups that share their files.
void FillConfiguration(Configuration& config) {
  config.toolMap.resize(2);
  for (ToolMapEntry& entry : config.toolMap) {
    SetCode(entry, kRowH, BOTH, "97");
    SetCode(entry, kRowH, UP, "66");
    SetCode(entry, kRowH, DOWN, "97");
    SetCode(entry, kRowV, BOTH, "98");
    SetCode(entry, kRowV, LEFT, "98");
    SetCode(entry, kRowV, RIGHT, "66");
  }
  config.toolMap[0].name = "P16";
  config.toolMap[0].toolMeasurement = 16.0;
  config.toolMap[1].name = "P19";
  config.toolMap[1].toolMeasurement = 19.05;
  config.barTypes.resize(2);
  for (int i = 0; i < 2; ++i) {
    BarType& type = config.barTypes[static_cast<size_t>(i)];
    type.name = i == 0 ? "Georgian, 5/8 x 3/4 i" : "Flat, 1 i";
    type.code = i == 0 ? "GB" : "FL";
    type.toolEntry = &config.toolMap[static_cast<size_t>(i)];
    type.accepted = true;
  }
  config.edgeTypes.resize(2);
  for (int i = 0; i < 2; ++i) {
    EdgeType& type = config.edgeTypes[static_cast<size_t>(i)];
    type.name = i == 0 ? "E1" : "E2";
    type.toolEntry = &config.toolMap[0];
    type.WD = 5.0 + i;
    type.HD = 5.0;
  }
  config.colors = {{"01", "White"}, {"07", "Black"}, {"12", "Tan"}};
}

// A small deterministic generator, so every run exports the same designs.
class Sequence {
 public:
  unsigned Next() {
    state_ = state_ * 1103515245u + 12345u;
    return (state_ >> 16) & 0x7fffu;
  }

 private:
  unsigned state_ = 7;
};

void AddDesigns(DesignerState& state) {
  Sequence random;
  const Configuration& config = state.config;
  for (int d = 0; d < kDesigns; ++d) {
    GrillWindow& window = DocumentSetUp::Records(state.document).AppendNewWindow();
    window.name.assign(1, 'D').append(FormatInteger(d));
    window.quantity = kQuantity;
    window.innerWidth = 1500.0 + (d % 7) * 10.0;
    window.innerHeight = 1200.0 + (d % 5) * 10.0;
    window.vertCount = kBars;
    window.horzCount = kBars;
    for (int i = 0; i <= kBars + 1; ++i) {
      window.vertPos[static_cast<size_t>(i)] = window.innerWidth * i / (kBars + 1);
      window.horzPos[static_cast<size_t>(i)] = window.innerHeight * i / (kBars + 1);
    }
    // A few segments switched off in each direction.
    for (int off = 0; off < 6; ++off) {
      const size_t bar = 1 + random.Next() % kBars;
      const size_t band = random.Next() % (kBars + 1);
      if (off % 2 == 0) {
        window.horzSegments[bar][band] = 0;
      } else {
        window.vertSegments[band][bar] = 0;
      }
    }
    window.barType = &config.barTypes[static_cast<size_t>(d % 2)];
    window.edgeType = &config.edgeTypes[static_cast<size_t>((d / 2) % 2)];
    window.insideColor = &config.colors[static_cast<size_t>(d % 3)];
    window.outsideColor = &config.colors[static_cast<size_t>((d / 3) % 2 == 0 ? d % 3 : 1)];
  }
}

// One run of the export as a whole: its designs, controls and files.
struct ExportRun {
  explicit ExportRun(Files& files, const std::string& folder)
      : services{files, clock, host, folder, ExportLayout::kExportFolder, {}} {
    FillConfiguration(state.config);
    AddDesigns(state);
    state.document.SetUnit(Unit::Millimetres);
    controls.SetText(kMasterFileEdit, "Bench");
  }
  bool Run() {
    controls.ClearMessages();
    ProcessAll(state, controls, services);
    return controls.Messages().size() == 1 &&
           controls.Messages()[0] == "Files Exported to " + services.folder;
  }

  DesignerState state;
  MemoryControls controls{MainDialogTemplate()};
  SettableClock clock;
  MemoryHost host;
  ExportServices services;
};

// The file operations of one run, in order, each open session's bytes whole: the run
// writes into temporaries, syncs them and renames them over their final names.
struct Operation {
  enum class Kind { kCreate, kAppend, kClose, kFlush, kRename, kRemove };
  Kind kind;
  std::string path;
  std::string bytes;   // an open's bytes, written before its close; a rename's target
  size_t opening = 0;  // a close's or a flush's open, by its index
};

struct Workload {
  std::string folder;
  std::vector<Operation> operations;
  std::map<std::string, std::string> expected;  // every file's final bytes
};

Workload& TheWorkload() {
  static Workload workload = [] {
    Workload w;
    char pattern[] = "/tmp/grill-bench-XXXXXX";
    const char* made = ::mkdtemp(pattern);
    if (made == nullptr) {
      std::perror("mkdtemp");
      std::exit(1);
    }
    w.folder = std::string(made) + "/export/grills";

    MemoryFiles memory;
    ExportRun run(memory, w.folder);
    if (!run.Run()) {
      std::fprintf(stderr, "the export run did not complete\n");
      std::exit(1);
    }
    std::map<std::string, size_t> openSession;
    for (MemoryFiles::Event& event : memory.events) {
      using K = MemoryFiles::Event::Kind;
      if (event.kind == K::kWrite) {
        w.operations[openSession[event.path]].bytes += event.bytes;
        continue;
      }
      if (event.kind == K::kClose || event.kind == K::kFlush) {
        const auto kind =
            event.kind == K::kClose ? Operation::Kind::kClose : Operation::Kind::kFlush;
        w.operations.push_back({kind, event.path, {}, openSession[event.path]});
        continue;
      }
      if (event.kind == K::kRename || event.kind == K::kRemove) {
        const auto kind =
            event.kind == K::kRename ? Operation::Kind::kRename : Operation::Kind::kRemove;
        w.operations.push_back({kind, event.path, event.bytes, 0});
        continue;
      }
      openSession[event.path] = w.operations.size();
      const auto kind =
          event.kind == K::kCreate ? Operation::Kind::kCreate : Operation::Kind::kAppend;
      w.operations.push_back({kind, event.path, {}, 0});
    }
    w.expected = std::move(memory.contents);
    return w;
  }();
  return workload;
}

// Removes the previous iteration's files and lets the system write back
// what it still holds, so that every iteration starts alike.
void ClearFolder(const std::string& folder) {
  std::filesystem::remove_all(std::filesystem::path(folder).parent_path());
  ::sync();
}

bool WriteAll(int fd, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (written <= 0) {
      return false;
    }
    done += static_cast<size_t>(written);
  }
  return true;
}

// The same opens and closes with plain POSIX calls; each open file's bytes
// go out in one write just before its close.
bool Baseline(const Workload& w) {
  std::filesystem::create_directories(w.folder);
  std::vector<int> descriptors(w.operations.size(), -1);
  for (size_t i = 0; i < w.operations.size(); ++i) {
    const Operation& op = w.operations[i];
    if (op.kind == Operation::Kind::kClose) {
      const int fd = descriptors[op.opening];
      if (!WriteAll(fd, w.operations[op.opening].bytes) || ::close(fd) != 0) {
        return false;
      }
      continue;
    }
    if (op.kind == Operation::Kind::kFlush) {
      if (::fsync(descriptors[op.opening]) != 0) {
        return false;
      }
      continue;
    }
    if (op.kind == Operation::Kind::kRename || op.kind == Operation::Kind::kRemove) {
      const int result = op.kind == Operation::Kind::kRename
                             ? ::rename(op.path.c_str(), op.bytes.c_str())
                             : ::unlink(op.path.c_str());
      if (result != 0) {
        return false;
      }
      continue;
    }
    const int flags =
        O_WRONLY | O_CREAT | O_CLOEXEC | (op.kind == Operation::Kind::kCreate ? O_TRUNC : O_APPEND);
    descriptors[i] = ::open(op.path.c_str(), flags, 0666);
    if (descriptors[i] < 0) {
      return false;
    }
  }
  return true;
}

bool FolderHoldsExpected(const Workload& w) {
  size_t count = 0;
  for (const auto& entry : std::filesystem::directory_iterator(w.folder)) {
    ++count;
    std::ifstream in(entry.path(), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    const auto expected = w.expected.find(entry.path().string());
    if (expected == w.expected.end() || expected->second != bytes.str()) {
      return false;
    }
  }
  return count == w.expected.size();
}

void BM_ProcessAll(benchmark::State& benchState) {
  const Workload& w = TheWorkload();
  StdFiles files;
  ExportRun run(files, w.folder);
  for (auto _ : benchState) {
    benchState.PauseTiming();
    ClearFolder(w.folder);
    benchState.ResumeTiming();
    if (!run.Run()) {
      benchState.SkipWithError("the export run failed");
      break;
    }
  }
  if (!FolderHoldsExpected(w)) {
    benchState.SkipWithError("the export wrote other bytes than expected");
  }
}

void BM_PosixBaseline(benchmark::State& benchState) {
  const Workload& w = TheWorkload();
  for (auto _ : benchState) {
    benchState.PauseTiming();
    ClearFolder(w.folder);
    benchState.ResumeTiming();
    if (!Baseline(w)) {
      benchState.SkipWithError("the baseline's file calls failed");
      break;
    }
  }
  if (!FolderHoldsExpected(w)) {
    benchState.SkipWithError("the baseline wrote other bytes than expected");
  }
  ClearFolder(w.folder);
}

constexpr int kIterations = 3;
constexpr int kRepetitions = 8;
BENCHMARK(BM_ProcessAll)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(kIterations)
    ->Repetitions(kRepetitions);
BENCHMARK(BM_PosixBaseline)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(kIterations)
    ->Repetitions(kRepetitions);

// Keeps the console output and remembers each benchmark's best repetition,
// in milliseconds per iteration.
class TimingReporter final : public benchmark::ConsoleReporter {
 public:
  TimingReporter() : ConsoleReporter(::isatty(STDOUT_FILENO) != 0 ? OO_Defaults : OO_Tabular) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.run_type != Run::RT_Iteration || run.error_occurred) {
        continue;
      }
      const std::string& name = run.run_name.function_name;
      const double time = run.GetAdjustedRealTime();
      const auto found = bestMilliseconds.find(name);
      if (found == bestMilliseconds.end() || time < found->second) {
        bestMilliseconds[name] = time;
      }
    }
  }
  std::map<std::string, double> bestMilliseconds;
};

}  // namespace
}  // namespace grill

int main(int argc, char** argv) {
  // Interleaving the repetitions spreads any disturbance over both.
  std::vector<char*> arguments(argv, argv + argc);
  std::string interleave = "--benchmark_enable_random_interleaving=true";
  arguments.insert(arguments.begin() + 1, interleave.data());
  int count = static_cast<int>(arguments.size());
  benchmark::Initialize(&count, arguments.data());
  grill::TimingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::fflush(stderr);

  const grill::Workload& w = grill::TheWorkload();
  size_t bytes = 0;
  for (const auto& [path, content] : w.expected) {
    bytes += content.size();
  }
  const double full = reporter.bestMilliseconds["BM_ProcessAll"];
  const double baseline = reporter.bestMilliseconds["BM_PosixBaseline"];
  const double ratio = baseline > 0 ? full / baseline : 0.0;
  std::printf("files %zu, bytes %zu, opens and closes %zu\n", w.expected.size(), bytes,
              w.operations.size());
  std::printf("process all %s ms\n", grill::FormatFixed(full, 1).c_str());
  std::printf("posix baseline %s ms\n", grill::FormatFixed(baseline, 1).c_str());
  std::printf("ratio %s\n", grill::FormatFixed(ratio, 2).c_str());
  std::filesystem::remove_all(std::filesystem::path(w.folder).parent_path().parent_path());
  return ratio > 0 && ratio <= grill::kMaxRatio ? 0 : 1;
}
