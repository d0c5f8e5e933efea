#pragma once

#include <list>
#include <string>
#include <vector>

#include "../tests/print/PrintDesigns.h"
#include "print/JobPrint.h"

namespace grill::bench {

// A job of `designs` designs of every shape, from none to 30 bars each way,
// each with a cut list of the export's shape.
struct DrawingJob {
  explicit DrawingJob(int designs) {
    for (int i = 0; i < designs; ++i) {
      const double width = 300.0 + (i * 37) % 1700;
      const double height = 300.0 + (i * 53) % 1900;
      windows.push_back(test::MakePrintDesign(config, "Design " + std::to_string(i + 1), width,
                                              height, test::EvenBars(i % 31, height),
                                              test::EvenBars((i * 7) % 31, width)));
      sheets.push_back({&windows.back(), test::MakeCutTable(windows.back())});
    }
  }

  test::PrintConfig config;
  std::list<GrillWindow> windows;  // stable addresses for the sheets
  std::vector<print::DesignSheet> sheets;
  print::DrawingSettings settings{print::kLetter, Unit::Inches, "Bench job", "2026-12-08"};
};

}  // namespace grill::bench
