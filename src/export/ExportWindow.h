#pragma once

#include <functional>
#include <string>
#include <vector>

#include "config/ConfigRecords.h"
#include "export/CutList.h"
#include "export/OutputFile.h"
#include "export/UnitBlock.h"
#include "model/GrillWindow.h"
#include "platform/Files.h"

namespace grill {

// The room ExportWindow works in. A run keeps it from one design to the next,
// so that its records and texts are reused rather than made anew for each.
struct ExportWorkspace {
  CutListBuilder builder;
  CutList cutList;
  // The texts that open the lines: profile or edge, side, colours and design.
  std::string barHeaderW;
  std::string barHeaderH;
  std::string edgeHeaderH;
  std::string edgeHeaderW;
  // The text of every piece with its line end, one after another: the edges
  // top, bottom, left and right, the vertical pieces, the horizontal pieces;
  // each ends where pieceTextEnds says.
  std::string pieceTexts;
  std::vector<size_t> pieceTextEnds;
  // The texts of the lengths and positions written so far in the run.
  ShortFixedCache numberTexts;
  // One unit's lines for the edge files and for each bar direction.
  UnitBlock edgeBlock;
  UnitBlock vertBlock;
  UnitBlock horzBlock;
  // The design's own files, each open only while its design is exported.
  OutputFile edgeFile;
  OutputFile barFileW;
  OutputFile barFileH;
};

// Where a run writes, shared by every design it exports.
struct ExportTarget {
  Files& files;
  std::string folder;
  OutputFile& edgeMaster;
  OutputFile& barMaster;
  int exportInMillimetres = 1;  // 0 writes lengths in inches
  // Asked before each unit of a design's quantity; false stops the run.
  std::function<bool()> beforeUnit;
  ExportWorkspace workspace;
};

// How the export of a design, or a whole run, ended.
struct ExportOutcome {
  enum class End { kCompleted, kFileError, kCancelled };
  End end = End::kCompleted;
  std::string fileError;  // the report of a file error

  bool Completed() const { return end == End::kCompleted; }
};

// Writes the cut list of `window` (see BuildCutList for the roles of the two
// types): one block of lines per unit of its quantity, to the run's master
// files and to the design's own files, which are opened for appending under
// the names the run set on the design and closed again on every way out.
// A file error or a cancel ends the export; what was written stays.
ExportOutcome ExportWindow(const GrillWindow& window, const BarType& barType,
                           const EdgeType& edgeType, ExportTarget& target);

}  // namespace grill
