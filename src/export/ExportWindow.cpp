#include "export/ExportWindow.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "cutting/CutList.h"

namespace grill {
namespace {

// The texts that open the lines: profile or edge, side, colours and design.
struct Headers {
  std::string barW;
  std::string barH;
  std::string edgeH;
  std::string edgeW;
};

Headers MakeHeaders(const ExportJob& job) {
  const GrillWindow& window = *job.window;
  const auto make = [&window](std::string_view start, std::string_view side) {
    std::string header(start);
    header.append(side).append(window.insideColor->code);
    if (window.insideColor != window.outsideColor) {
      header.append("_").append(window.outsideColor->code);
    }
    return header.append("_").append(window.name).append(",000,");
  };
  const std::string& barName = job.barType->name;
  const std::string_view prefix = std::string_view(barName).substr(0, barName.find(','));
  return Headers{make(prefix, "_W_"), make(prefix, "_H_"), make(job.edgeType->name, "_H_"),
                 make(job.edgeType->name, "_W_")};
}

// One row as a unit writes it: header, the side of its tag, and the piece's
// text with its line end, formatted once for every unit.
struct FormattedRow {
  const std::string* header;
  char side;
  std::string pieceText;
};

// The rows of the three blocks a unit writes: the edge rows, the vertical
// pieces' rows and the horizontal pieces' rows.
struct DesignRows {
  std::vector<FormattedRow> edges;
  std::vector<FormattedRow> vert;
  std::vector<FormattedRow> horz;
};

DesignRows FormatRows(const CutList& cutList, const Headers& headers, CutUnit unit) {
  DesignRows rows;
  for (const CutRow& row : CutRows(cutList)) {
    std::string text = row.piece->FormatCutLine(unit) + "\r\n";
    switch (row.kind) {
      case CutRowKind::kTopBottomEdge:
        rows.edges.push_back({&headers.edgeH, 'W', std::move(text)});
        break;
      case CutRowKind::kSideEdge:
        rows.edges.push_back({&headers.edgeW, 'H', std::move(text)});
        break;
      case CutRowKind::kVerticalBar:
        rows.vert.push_back({&headers.barH, 'H', std::move(text)});
        break;
      case CutRowKind::kHorizontalBar:
        rows.horz.push_back({&headers.barW, 'W', std::move(text)});
        break;
    }
  }
  return rows;
}

// The lines of `rows` for unit `unit`, each "header" "G-g B-g S, " "piece".
void AppendBlock(const std::vector<FormattedRow>& rows, std::int64_t unit, std::string& block) {
  char digits[24];
  const std::string_view number(digits, std::to_chars(digits, digits + sizeof digits, unit).ptr);
  for (const FormattedRow& row : rows) {
    block.append(*row.header).append("G-").append(number).append(" B-").append(number);
    block.append(1, ' ').append(1, row.side).append(", ").append(row.pieceText);
  }
}

// The design's own files: the edge file and one bar file, or two when the
// colours carry different names. Open while this object lives.
class DesignFiles {
 public:
  // Opens the files in the order edge, W, H; on failure `openError` tells
  // which and the files already open are closed again.
  DesignFiles(ExportTarget& target, const DesignFileNames& names, bool separateBarFiles) {
    edge_ = Open(target, names.edge);
    if (edge_ && separateBarFiles) {
      w_ = Open(target, names.barW);
    }
    if (edge_ && (w_ || !separateBarFiles)) {
      h_ = Open(target, names.barH);
    }
    if (!openError.empty()) {
      Close();
    }
  }
  ~DesignFiles() { Close(); }
  DesignFiles(const DesignFiles&) = delete;
  DesignFiles& operator=(const DesignFiles&) = delete;

  OutputFile& Edge() { return *edge_; }
  OutputFile& H() { return *h_; }
  OutputFile& W() { return w_ ? *w_ : *h_; }
  bool Failed() const { return edge_->Failed() || h_->Failed() || (w_ && w_->Failed()); }

  // Closes W, then H when it is a file of its own, then the edge file; the
  // first failure is reported.
  std::string Close() {
    std::string error;
    for (OutputFile* file : {w_.get(), h_.get(), edge_.get()}) {
      if (file != nullptr && !file->Close() && error.empty()) {
        error = file->FileError();
      }
    }
    return error;
  }

  std::string openError;

 private:
  std::unique_ptr<OutputFile> Open(ExportTarget& target, const std::string& name) {
    std::unique_ptr<WritableFile> file = target.stage.Open(name, openError);
    if (!file) {
      return nullptr;
    }
    return std::make_unique<OutputFile>(std::move(file));
  }

  std::unique_ptr<OutputFile> edge_;
  std::unique_ptr<OutputFile> w_;
  std::unique_ptr<OutputFile> h_;
};

ExportOutcome FileError(std::string message) {
  return ExportOutcome{ExportOutcome::End::kFileError, std::move(message)};
}

// The first failure among the master files.
std::string MasterError(const ExportTarget& target) {
  if (target.edgeMaster.Failed()) {
    return target.edgeMaster.FileError();
  }
  return target.barMaster.Failed() ? target.barMaster.FileError() : std::string();
}

// The three blocks of one unit, reused from unit to unit.
struct UnitText {
  std::string edges;
  std::string vert;
  std::string horz;
};

// Hands the lines of unit `unit` to every file, each master file before the
// design's own: the edge lines; then the bar lines, vertical pieces before
// horizontal ones. False when a file has failed.
bool WriteUnit(const DesignRows& rows, std::int64_t unit, UnitText& text, ExportTarget& target,
               DesignFiles& files) {
  text.edges.clear();
  text.vert.clear();
  text.horz.clear();
  AppendBlock(rows.edges, unit, text.edges);
  AppendBlock(rows.vert, unit, text.vert);
  AppendBlock(rows.horz, unit, text.horz);
  target.edgeMaster.Append(text.edges);
  files.Edge().Append(text.edges);
  target.barMaster.Append(text.vert);
  target.barMaster.Append(text.horz);
  files.H().Append(text.vert);
  files.W().Append(text.horz);
  return !files.Failed() && !target.edgeMaster.Failed() && !target.barMaster.Failed();
}

}  // namespace

ExportOutcome ExportWindow(const ExportJob& job, ExportTarget& target) {
  const GrillWindow& window = *job.window;
  const Headers headers = MakeHeaders(job);
  const DesignRows rows =
      FormatRows(BuildCutList(window, *job.barType, *job.edgeType), headers, target.unit);

  // Two bar files only when the colours' names differ; colour entries that
  // differ but share a name get their own headers yet one file.
  const bool separateBarFiles = window.insideColor->name != window.outsideColor->name;
  DesignFiles files(target, job.fileNames, separateBarFiles);
  if (!files.openError.empty()) {
    return FileError(files.openError);
  }

  UnitText text;
  for (std::int64_t unit = 1; unit <= window.quantity; ++unit) {
    if (target.beforeUnit && !target.beforeUnit()) {
      const std::string error = files.Close();
      return error.empty() ? ExportOutcome{ExportOutcome::End::kCancelled, {}} : FileError(error);
    }
    if (!WriteUnit(rows, unit, text, target, files)) {
      // The first failure among the master files, else among the design's own.
      const std::string masterError = MasterError(target);
      const std::string ownError = files.Close();
      return FileError(masterError.empty() ? ownError : masterError);
    }
  }
  const std::string error = files.Close();
  return error.empty() ? ExportOutcome{} : FileError(error);
}

std::int64_t ExportedBytes(const ExportJob& job, CutUnit unit) {
  const Headers headers = MakeHeaders(job);
  const DesignRows rows =
      FormatRows(BuildCutList(*job.window, *job.barType, *job.edgeType), headers, unit);
  // Every line but its two unit numbers, "G-" " B-" " S, " around them.
  constexpr std::int64_t kTagBytes = 9;
  std::int64_t lineBytes = 0;
  std::int64_t lineCount = 0;
  for (const std::vector<FormattedRow>* block : {&rows.edges, &rows.vert, &rows.horz}) {
    for (const FormattedRow& row : *block) {
      lineBytes += static_cast<std::int64_t>(row.header->size() + row.pieceText.size()) + kTagBytes;
      ++lineCount;
    }
  }
  // The digits of the unit numbers 1..quantity, a decade at a time.
  const std::int64_t quantity = std::max<std::int64_t>(job.window->quantity, 0);
  std::int64_t digits = 0;
  for (std::int64_t from = 1, width = 1; from <= quantity; from *= 10, ++width) {
    digits += (std::min(quantity, from * 10 - 1) - from + 1) * width;
  }
  // Each line goes to the master file and to the design's own file.
  return 2 * (quantity * lineBytes + 2 * digits * lineCount);
}

}  // namespace grill
