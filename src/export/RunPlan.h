#pragma once

#include <string>
#include <vector>

#include "config/ConfigRecords.h"
#include "cutting/CutBar.h"
#include "export/ExportFileNames.h"
#include "model/GrillWindow.h"
#include "model/Units.h"

namespace grill {

class SawFormat;
// The saw's comma-separated files (export/CsvSawFormat.h).
const SawFormat& CsvSawFormat();

// One design of a run and the types its pieces are cut with: the combo
// selections for Process Data, the design's own types for Process All. The
// design is only read.
struct ExportJob {
  const GrillWindow* window = nullptr;
  const BarType* barType = nullptr;
  const EdgeType* edgeType = nullptr;
  // The files the design writes into; set by NameRunFiles.
  DesignFileNames fileNames;
};

// What a run will do, known before it creates its first file.
struct RunPlan {
  RunKind kind = RunKind::kProcessAll;
  std::string masterName;
  std::string stamp;
  // The file format the saw reads, and the unit of its lengths.
  const SawFormat* format = &CsvSawFormat();
  CutUnit unit = CutUnit::kMillimetres;
  // The unit of the dialog, in which a refusal gives lengths.
  Unit messageUnit = Unit::Millimetres;
  std::vector<ExportJob> jobs;
};

// Names every job's files. Process All gives every design the edge file of
// the first design that shares its edge type, and likewise the bar files of
// the first design that shares its colours and bar type, so that one group's
// designs append to one file in list order. Needs a plan CheckRun accepted.
void NameRunFiles(RunPlan& plan);

}  // namespace grill
