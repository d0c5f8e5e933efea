#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "cutting/CutBar.h"
#include "cutting/CutList.h"
#include "export/RunPlan.h"

namespace grill {

// The text one unit of a design's quantity puts into the saw's files, by what
// it cuts. The run sends the edges to the edge files, the bar pieces to the
// bar files: the vertical ones to the H file, the horizontal ones to the W
// file, both to the bar master file.
struct UnitText {
  std::string edges;
  std::string verticalBars;
  std::string horizontalBars;
};

// One design's cut list in a saw's file format, made ready once and then
// asked for the text of each unit.
class SawDesignText {
 public:
  virtual ~SawDesignText() = default;
  // Replaces `text` with the lines of unit `unit`, counted from 1.
  virtual void WriteUnit(std::int64_t unit, UnitText& text) const = 0;
  // The bytes units 1..quantity take together, counted without making them.
  virtual std::int64_t Bytes(std::int64_t quantity) const = 0;
};

// A file format the saw reads: cut list in, bytes out. A format touches no
// file; the run decides where its text goes.
class SawFormat {
 public:
  virtual ~SawFormat() = default;
  // The text of the job's design, whose cut list is `cutList`, lengths in
  // `unit`. Needs a job CheckRun accepted.
  virtual std::unique_ptr<SawDesignText> Prepare(const ExportJob& job, const CutList& cutList,
                                                 CutUnit unit) const = 0;
};

}  // namespace grill
