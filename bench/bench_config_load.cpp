// Loads a generated MenuConfig.txt of 999,999 bytes, the largest accepted,
// through reading, parsing and linking, beside a baseline that only reads the
// same file and counts its ';' bytes. Every bar and edge type links to an
// entry near the end of a long tool map, so a linking step that searched the
// tool map once per type would show here. The last line printed is
// "ratio R": the full load's time over the baseline's. The program fails when
// R exceeds kMaxRatio.

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "config/LoadConfiguration.h"
#include "model/Measurements.h"
#include "platform/Files.h"

namespace grill {
namespace {

constexpr std::size_t kFileSize = 999'999;
constexpr int kBarTypes = 4000;
constexpr int kEdgeTypes = 3000;
constexpr int kColors = 3000;
// The tool map ends with this many entries, the only ones the types name.
constexpr int kLinkedEntries = 40;
// The most the full load may take, in times the plain read of the file.
constexpr double kMaxRatio = 15.0;

std::string Numbered(const char* prefix, int number) {
  const std::string digits = FormatInteger(number);
  std::string text = prefix;
  text.append(digits.size() < 5 ? 5 - digits.size() : 0, '0');
  return text.append(digits);
}

std::string LinkedEntryName(int index) {
  return Numbered("PROFILE", index % kLinkedEntries);
}

std::string ToolMapLine(const std::string& name) {
  return name +
         ", 0.75i, V_DEFAULT=97, H_DEFAULT=98, V_BOTH=66, H_BOTH=66, V_NONE=10, H_NONE=20;\n";
}

// Thousands of bar types, edge types and colours, then a tool map that fills
// the file: spare entries first, the entries the types name at its end.
std::string GenerateConfig() {
  static const char* kSizes[] = {"5/8 x 3/4 i", "16 x 19 mm", "1/2 x 1 in", "18x25mm"};
  static const char* kKinds[] = {"Georgian ", "Contour ", "Pencil "};

  std::string file = "Generated grill configuration for the load benchmark.\n<bartypes>\n";
  for (int i = 0; i < kBarTypes; ++i) {
    file += Numbered(kKinds[i % 3], i) + ", " + kSizes[i % 4] + ", " + LinkedEntryName(i) + ", " +
            Numbered("B", i) + ";\n";
  }
  file += "<\\bartypes>\n<edgetypes>\n";
  for (int i = 0; i < kEdgeTypes; ++i) {
    file += Numbered("Edge", i) + ", " + LinkedEntryName(i) + ", SH=0.5i, SO=1/8i, WD=3, HD=3;\n";
  }
  file += "<\\edgetypes>\n<color>\n";
  for (int i = 0; i < kColors; ++i) {
    file += Numbered("Colour ", i) + ", " + Numbered("C", i) + ";\n";
  }
  file += "<\\color>\n<interface>\nMEASURE=MM, ALIGNMODE=DIVIDED;\n<\\interface>\n<toolmap>\n";

  const std::string closing = "<\\toolmap>\n";
  const std::size_t linkedSize = kLinkedEntries * ToolMapLine(LinkedEntryName(0)).size();
  for (int i = 0;; ++i) {
    const std::string spare = ToolMapLine(Numbered("SPARE", i));
    if (file.size() + spare.size() + linkedSize + closing.size() > kFileSize) {
      break;
    }
    file += spare;
  }
  for (int i = 0; i < kLinkedEntries; ++i) {
    file += ToolMapLine(LinkedEntryName(i));
  }
  file += closing;
  // Text outside the sections brings the file to its exact size.
  file.resize(kFileSize, '.');
  return file;
}

std::string configPath;

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
  std::FILE* out = std::fopen(path.c_str(), "wb");
  if (out == nullptr) {
    return false;
  }
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
  return std::fclose(out) == 0 && written;
}

// The whole load: open, read, parse every section, link.
LoadedConfiguration FullLoad() {
  StdFiles files;
  return LoadConfiguration(files, configPath);
}

// The generated file must load without a message, every type linked to one
// of the entries at the end of the tool map.
bool LoadsCleanly() {
  const LoadedConfiguration loaded = FullLoad();
  const Configuration& config = loaded.configuration;
  const ToolMapEntry* firstLinked = config.toolMap.data() + config.toolMap.size() - kLinkedEntries;
  auto linkedAtTheEnd = [&](const ToolMapEntry* entry) {
    return entry != nullptr && entry >= firstLinked;
  };
  return loaded.messages.empty() && !loaded.endDialog && config.toolMap.size() > 5000 &&
         config.barTypes.size() == static_cast<size_t>(kBarTypes) &&
         config.edgeTypes.size() == static_cast<size_t>(kEdgeTypes) &&
         config.colors.size() == static_cast<size_t>(kColors) &&
         std::all_of(config.barTypes.begin(), config.barTypes.end(),
                     [&](const BarType& t) { return t.accepted && linkedAtTheEnd(t.toolEntry); }) &&
         std::all_of(config.edgeTypes.begin(), config.edgeTypes.end(),
                     [&](const EdgeType& t) { return linkedAtTheEnd(t.toolEntry); });
}

void BM_ReadAndCountSemicolons(benchmark::State& state) {
  StdFiles files;
  for (auto _ : state) {
    const std::unique_ptr<ReadableFile> file = files.OpenForRead(configPath);
    const std::int64_t length = file->Length();
    auto buffer = std::make_unique_for_overwrite<char[]>(static_cast<size_t>(length));
    const std::int64_t read = file->Read(buffer.get(), length);
    benchmark::DoNotOptimize(std::count(buffer.get(), buffer.get() + read, ';'));
  }
}
// Each benchmark runs many short repetitions, and main interleaves the
// repetitions of the two in random order: a busy spell of the machine then
// slows both alike instead of only the one that happens to be running.
constexpr int kRepetitions = 15;
constexpr double kSecondsPerRepetition = 0.2;

BENCHMARK(BM_ReadAndCountSemicolons)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(kRepetitions)
    ->MinTime(kSecondsPerRepetition)
    ->ReportAggregatesOnly(true);

void BM_FullLoad(benchmark::State& state) {
  for (auto _ : state) {
    auto loaded = std::make_unique<LoadedConfiguration>(FullLoad());
    benchmark::DoNotOptimize(loaded->configuration.barTypes.data());
    // Releasing the lists is not part of loading them.
    state.PauseTiming();
    loaded.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_FullLoad)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(kRepetitions)
    ->MinTime(kSecondsPerRepetition)
    ->ReportAggregatesOnly(true);

// Keeps each benchmark's time per iteration, in seconds: the median of its
// repetitions, which a busy machine disturbs least, or the fastest single run
// when it was not repeated.
class RecordingReporter final : public benchmark::ConsoleReporter {
 public:
  using ConsoleReporter::ConsoleReporter;

  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.error_occurred || run.iterations == 0) {
        continue;
      }
      const double perIteration = run.real_accumulated_time / static_cast<double>(run.iterations);
      const std::string name = run.run_name.function_name;
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
        medians[name] = perIteration;
      } else if (run.run_type == Run::RT_Iteration) {
        const auto [entry, added] = fastest.emplace(name, perIteration);
        entry->second = std::min(entry->second, perIteration);
      }
    }
  }

  // The time of `name`, or a negative value when it did not run.
  double Seconds(const std::string& name) const {
    if (const auto median = medians.find(name); median != medians.end()) {
      return median->second;
    }
    const auto single = fastest.find(name);
    return single != fastest.end() ? single->second : -1.0;
  }

 private:
  std::map<std::string, double> medians;
  std::map<std::string, double> fastest;
};

}  // namespace
}  // namespace grill

int main(int argc, char** argv) {
  using namespace grill;
  std::string folderTemplate =
      (std::filesystem::temp_directory_path() / "grill-bench-XXXXXX").string();
  const char* folder = mkdtemp(folderTemplate.data());
  if (folder == nullptr) {
    std::cerr << "cannot create a temporary folder\n";
    return 1;
  }
  configPath = std::string(folder) + "/MenuConfig.txt";
  std::error_code ignored;
  if (!WriteWholeFile(configPath, GenerateConfig()) ||
      std::filesystem::file_size(configPath, ignored) != kFileSize || !LoadsCleanly()) {
    std::cerr << "the generated " << configPath << " does not load as intended\n";
    std::filesystem::remove_all(folder, ignored);
    return 1;
  }

  // A load leaves about 5 MB of lists, which the untimed release hands back
  // to the allocator. By default glibc returns free memory at the top of the
  // heap to the system once it exceeds twice the largest block freed, so a
  // few hundred kilobytes more would make every load fault its memory back in
  // and double its time. Here blocks come from the heap and freed memory
  // stays in the process, as it does below that threshold, so that both
  // benchmarks time their work rather than the system's paging. (Setting one
  // threshold turns off glibc's adjusting of the other, so both are set.)
  mallopt(M_MMAP_THRESHOLD, 32 << 20);
  mallopt(M_TRIM_THRESHOLD, 256 << 20);

  // Interleaved repetitions unless the command line says otherwise.
  std::vector<char*> arguments(argv, argv + argc);
  char interleave[] = "--benchmark_enable_random_interleaving=true";
  arguments.insert(arguments.begin() + 1, interleave);
  arguments.push_back(nullptr);
  int argumentCount = argc + 1;
  benchmark::Initialize(&argumentCount, arguments.data());
  // Colours only on a terminal, so that piped output ends in a clean line.
  RecordingReporter reporter(isatty(STDOUT_FILENO) != 0 ? benchmark::ConsoleReporter::OO_Defaults
                                                        : benchmark::ConsoleReporter::OO_Tabular);
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  std::filesystem::remove_all(folder, ignored);

  const double baseline = reporter.Seconds("BM_ReadAndCountSemicolons");
  const double full = reporter.Seconds("BM_FullLoad");
  if (baseline <= 0.0 || full <= 0.0) {
    std::cerr << "both benchmarks must run to give a ratio\n";
    return 1;
  }
  const double ratio = full / baseline;
  const bool withinGuard = ratio <= kMaxRatio;
  if (!withinGuard) {
    std::cerr << "the full load takes more than " << FormatFixed(kMaxRatio, 0)
              << " times the plain read\n";
  }
  std::cout << "baseline (read, count ';'): " << FormatFixed(baseline * 1e3, 3) << " ms\n"
            << "full load (read, parse, link): " << FormatFixed(full * 1e3, 3) << " ms\n"
            << "ratio " << FormatFixed(ratio, 2) << std::endl;
  return withinGuard ? 0 : 1;
}
