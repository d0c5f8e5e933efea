// Loads a generated MenuConfig.txt of 999,999 bytes, the largest accepted,
// through reading, parsing and linking, beside a baseline that only reads the
// same file and counts its ';' bytes. Every bar and edge type links to an
// entry near the end of a long tool map, so a linking step that searched the
// tool map once per type would show here. The last line printed is
// "ratio R": the full load's time over the baseline's.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <map>
#include <memory>
#include <string>

#include "config/LoadConfiguration.h"
#include "model/Measurements.h"
#include "platform/Files.h"

namespace grill {
namespace {

constexpr std::size_t kFileSize = 999'999;
constexpr int kBarTypes = 4000;
constexpr int kEdgeTypes = 3000;
constexpr int kColors = 3000;
// The types link to the last kLinkedEntries entries of each kind.
constexpr int kLinkedEntries = 40;

std::string Numbered(int number) {
  std::string digits = FormatInteger(number);
  return std::string(digits.size() < 5 ? 5 - digits.size() : 0, '0') + digits;
}

// Tool map entries are filled in until the file is nearly full; the types
// name entries from the end of that list, so their count must be known
// before the types are written.
int ToolMapEntriesThatFit(std::size_t typesAndColorsSize) {
  const std::size_t entrySize =
      std::string(
          "PROFILE00000, 0.75i, V_DEFAULT=97, H_DEFAULT=98, V_BOTH=66, H_BOTH=66, "
          "V_NONE=10, H_NONE=20;\n")
          .size();
  return static_cast<int>((kFileSize - typesAndColorsSize - 200) / entrySize);
}

std::string ProfileName(int index) {
  return "PROFILE" + Numbered(index);
}

std::string GenerateConfig() {
  static const char* kSizes[] = {"5/8 x 3/4 i", "16 x 19 mm", "1/2 x 1 in", "18x25mm"};
  static const char* kKinds[] = {"Georgian", "Contour", "Pencil"};

  std::string types;
  // Sizes of the types are known only after writing them, so the tool map
  // size follows from a first pass with placeholder names of the same length.
  auto writeTypes = [&](int toolMapEntries) {
    types.clear();
    types += "Generated grill configuration for the load benchmark.\n<bartypes>\n";
    for (int i = 0; i < kBarTypes; ++i) {
      types += std::string(kKinds[i % 3]) + " " + Numbered(i) + ", " + kSizes[i % 4] + ", " +
               ProfileName(toolMapEntries - 1 - i % kLinkedEntries) + ", B" + Numbered(i) + ";\n";
    }
    types += "<\\bartypes>\n<edgetypes>\n";
    for (int i = 0; i < kEdgeTypes; ++i) {
      types += "Edge" + Numbered(i) + ", " + ProfileName(toolMapEntries - 1 - i % kLinkedEntries) +
               ", SH=0.5i, SO=1/8i, WD=3, HD=3;\n";
    }
    types += "<\\edgetypes>\n<color>\n";
    for (int i = 0; i < kColors; ++i) {
      types += "Colour " + Numbered(i) + ", C" + Numbered(i) + ";\n";
    }
    types += "<\\color>\n<interface>\nMEASURE=MM, ALIGNMODE=DIVIDED;\n<\\interface>\n";
  };
  writeTypes(99'999);
  const int toolMapEntries = ToolMapEntriesThatFit(types.size());
  writeTypes(toolMapEntries);

  std::string file = types + "<toolmap>\n";
  for (int i = 0; i < toolMapEntries; ++i) {
    file += ProfileName(i) +
            ", 0.75i, V_DEFAULT=97, H_DEFAULT=98, V_BOTH=66, H_BOTH=66, V_NONE=10, H_NONE=20;\n";
  }
  file += "<\\toolmap>\n";
  // Text outside the sections brings the file to its exact size.
  file.resize(kFileSize, '.');
  return file;
}

// Counts what the load adds and shows; the toolkit's own work is not timed.
class CountingControls final : public Controls {
 public:
  std::string Text(int) const override { return {}; }
  void SetText(int, std::string_view) override {}
  void SetVisible(int, bool) override {}
  bool IsVisible(int) const override { return true; }
  int AddEntry(int, std::string_view) override { return entries++; }
  int EntryCount(int) const override { return entries; }
  void ClearEntries(int) override {}
  void SetSelection(int, int) override {}
  int Selection(int) const override { return -1; }
  std::string EntryText(int, int) const override { return {}; }
  int FindEntryExact(int, std::string_view) const override { return -1; }
  void SetChecked(int, bool) override {}
  bool IsChecked(int) const override { return false; }
  void ShowMessage(std::string_view) override { ++messages; }
  void EndDialog() override { ++messages; }
  void Invalidate() override {}

  int entries = 0;
  int messages = 0;
};

std::string configPath;

// The whole load: open, read, parse every section, link, fill the combos.
void FullLoad(Configuration& config, CountingControls& controls) {
  StdFiles files;
  DisplayModes modes;
  std::vector<std::string> diagnostics;
  LoadConfiguration(files, configPath, controls, config, modes, diagnostics);
}

bool LoadsCleanly() {
  Configuration config;
  CountingControls controls;
  FullLoad(config, controls);
  const bool linked =
      std::all_of(config.barTypes.begin(), config.barTypes.end(),
                  [](const BarType& t) { return t.accepted && t.toolEntry != nullptr; }) &&
      std::all_of(config.edgeTypes.begin(), config.edgeTypes.end(),
                  [](const EdgeType& t) { return t.toolEntry != nullptr; });
  return controls.messages == 0 && linked &&
         config.barTypes.size() == static_cast<size_t>(kBarTypes) &&
         config.edgeTypes.size() == static_cast<size_t>(kEdgeTypes) &&
         config.colors.size() == static_cast<size_t>(kColors) && config.toolMap.size() > 5000 &&
         config.barTypes.front().toolEntry == &config.toolMap[config.toolMap.size() - 1];
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
BENCHMARK(BM_ReadAndCountSemicolons)->Unit(benchmark::kMicrosecond);

void BM_FullLoad(benchmark::State& state) {
  for (auto _ : state) {
    auto config = std::make_unique<Configuration>();
    CountingControls controls;
    FullLoad(*config, controls);
    benchmark::DoNotOptimize(config->barTypes.data());
    // Releasing the lists is not part of loading them.
    state.PauseTiming();
    config.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_FullLoad)->Unit(benchmark::kMicrosecond);

// Keeps the fastest time per iteration of each benchmark, in seconds.
class RecordingReporter final : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.run_type != Run::RT_Iteration || run.error_occurred || run.iterations == 0) {
        continue;
      }
      const double perIteration = run.real_accumulated_time / static_cast<double>(run.iterations);
      const std::string name = run.run_name.function_name;
      const auto [entry, added] = seconds.emplace(name, perIteration);
      if (!added) {
        entry->second = std::min(entry->second, perIteration);
      }
    }
  }
  std::map<std::string, double> seconds;
};

}  // namespace
}  // namespace grill

int main(int argc, char** argv) {
  using namespace grill;
  char folder[] = "/tmp/grill-bench-XXXXXX";
  if (mkdtemp(folder) == nullptr) {
    std::cerr << "cannot create a temporary folder\n";
    return 1;
  }
  configPath = std::string(folder) + "/MenuConfig.txt";
  {
    std::FILE* out = std::fopen(configPath.c_str(), "wb");
    const std::string bytes = GenerateConfig();
    if (out == nullptr || std::fwrite(bytes.data(), 1, bytes.size(), out) != bytes.size() ||
        std::fclose(out) != 0) {
      std::cerr << "cannot write " << configPath << '\n';
      return 1;
    }
  }
  std::error_code ignored;
  if (std::filesystem::file_size(configPath, ignored) != kFileSize || !LoadsCleanly()) {
    std::cerr << "the generated MenuConfig.txt does not load as intended\n";
    std::filesystem::remove_all(folder, ignored);
    return 1;
  }

  benchmark::Initialize(&argc, argv);
  RecordingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  std::filesystem::remove_all(folder, ignored);

  const auto baseline = reporter.seconds.find("BM_ReadAndCountSemicolons");
  const auto full = reporter.seconds.find("BM_FullLoad");
  if (baseline == reporter.seconds.end() || full == reporter.seconds.end()) {
    std::cerr << "both benchmarks must run to give a ratio\n";
    return 1;
  }
  std::cout << "baseline (read, count ';'): " << FormatFixed(baseline->second * 1e3, 3) << " ms\n"
            << "full load (read, parse, link): " << FormatFixed(full->second * 1e3, 3) << " ms\n"
            << "ratio " << FormatFixed(full->second / baseline->second, 2) << std::endl;
  return 0;
}
