#include "export/ExportWindow.h"

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "export/CutList.h"
#include "model/Measurements.h"

namespace grill {
namespace {

// The texts that open every line: profile or edge, side, colours and design.
struct Headers {
  std::string barW;
  std::string barH;
  std::string edgeH;
  std::string edgeW;
};

// The text of every piece, each with its line end, in the order written.
struct Lines {
  std::string top;
  std::string bottom;
  std::string left;
  std::string right;
  std::vector<std::string> vert;
  std::vector<std::string> horz;
};

Headers MakeHeaders(const GrillWindow& window, const BarType& barType, const EdgeType& edgeType) {
  const std::string_view prefix = std::string_view(barType.name).substr(0, barType.name.find(','));
  std::string colours = window.insideColor->code;
  if (window.insideColor != window.outsideColor) {
    colours += "_";
    colours += window.outsideColor->code;
  }
  const std::string ending = colours + "_" + window.name + ",000,";
  return Headers{std::string(prefix) + "_W_" + ending, std::string(prefix) + "_H_" + ending,
                 edgeType.name + "_H_" + ending, edgeType.name + "_W_" + ending};
}

std::string LineOf(const CutBar& piece, int inMillimetres) {
  std::string line = piece.FormatCutLine(inMillimetres);
  line += "\r\n";
  return line;
}

Lines MakeLines(const CutList& cutList, int inMillimetres) {
  Lines lines{LineOf(cutList.topEdge, inMillimetres),
              LineOf(cutList.bottomEdge, inMillimetres),
              LineOf(cutList.leftEdge, inMillimetres),
              LineOf(cutList.rightEdge, inMillimetres),
              {},
              {}};
  lines.vert.reserve(cutList.vertPieces.size());
  for (const CutBar& piece : cutList.vertPieces) {
    lines.vert.push_back(LineOf(piece, inMillimetres));
  }
  lines.horz.reserve(cutList.horzPieces.size());
  for (const CutBar& piece : cutList.horzPieces) {
    lines.horz.push_back(LineOf(piece, inMillimetres));
  }
  return lines;
}

// "G-g B-g W, " or "G-g B-g H, ".
std::string Tag(std::int64_t unit, char side) {
  const std::string number = FormatInteger(unit);
  std::string tag = "G-" + number + " B-" + number + " ";
  tag += side;
  tag += ", ";
  return tag;
}

void AddLine(std::string& block, const std::string& header, const std::string& tag,
             const std::string& line) {
  block += header;
  block += tag;
  block += line;
}

// The design's own files: the edge file and one bar file, or two when the
// colours carry different names.
class DesignFiles {
 public:
  // Opens the files in the order edge, W, H; on failure `openError` tells
  // which and the files already open are closed again.
  DesignFiles(ExportTarget& target, const GrillWindow& window, bool separateBarFiles) {
    edge_ = Open(target, window.edgeFileName);
    if (edge_ && separateBarFiles) {
      w_ = Open(target, window.barFileNameW);
    }
    if (edge_ && (w_ || !separateBarFiles)) {
      h_ = Open(target, window.barFileNameH);
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
    for (std::unique_ptr<OutputFile>* file : {&w_, &h_, &edge_}) {
      if (*file && !(*file)->Close() && error.empty()) {
        error = (*file)->FileError();
      }
    }
    return error;
  }

  std::string openError;

 private:
  std::unique_ptr<OutputFile> Open(ExportTarget& target, const std::string& name) {
    const std::string path = target.files.Join(target.folder, name);
    std::string reason;
    std::unique_ptr<WritableFile> file = target.files.OpenForAppend(path, reason);
    if (!file) {
      openError = FileErrorMessage(path, reason);
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

// Units are collected up to about this size before they go to the files, so
// that a design costs few writes whatever its quantity.
constexpr size_t kHandOverBytes = 64 * 1024;

// The lines of the units written so far and not yet handed to the files:
// edge lines, bar lines as the BarMaster file takes them (each unit's
// vertical pieces, then its horizontal ones) and, for two bar files, the
// vertical and horizontal lines apart.
class UnitBlocks {
 public:
  UnitBlocks(const CutList& cutList, const Lines& lines, const Headers& headers,
             bool separateBarFiles)
      : cutList_(cutList), lines_(lines), headers_(headers), separate_(separateBarFiles) {}

  void AddUnit(std::int64_t unit) {
    const std::string tagW = Tag(unit, 'W');
    const std::string tagH = Tag(unit, 'H');
    AddLine(edge_, headers_.edgeH, tagW, lines_.top);
    if (cutList_.bottomEdge.count != 0) {
      AddLine(edge_, headers_.edgeH, tagW, lines_.bottom);
    }
    AddLine(edge_, headers_.edgeW, tagH, lines_.right);
    if (cutList_.leftEdge.count != 0) {
      AddLine(edge_, headers_.edgeW, tagH, lines_.left);
    }
    for (const std::string& line : lines_.vert) {
      AddLine(bar_, headers_.barH, tagH, line);
      if (separate_) {
        AddLine(vert_, headers_.barH, tagH, line);
      }
    }
    for (const std::string& line : lines_.horz) {
      AddLine(bar_, headers_.barW, tagW, line);
      if (separate_) {
        AddLine(horz_, headers_.barW, tagW, line);
      }
    }
  }

  size_t Size() const { return edge_.size() + bar_.size(); }

  // Hands every block to its files: the master file first, then the
  // design's own. False when a file has failed.
  bool HandTo(ExportTarget& target, DesignFiles& files) {
    target.edgeMaster.Append(edge_);
    files.Edge().Append(edge_);
    target.barMaster.Append(bar_);
    if (separate_) {
      files.H().Append(vert_);
      files.W().Append(horz_);
    } else {
      files.H().Append(bar_);
    }
    for (std::string* block : {&edge_, &bar_, &vert_, &horz_}) {
      block->clear();
    }
    return !files.Failed() && !target.edgeMaster.Failed() && !target.barMaster.Failed();
  }

 private:
  const CutList& cutList_;
  const Lines& lines_;
  const Headers& headers_;
  const bool separate_;
  std::string edge_;
  std::string bar_;
  std::string vert_;
  std::string horz_;
};

// The first failure among the master files, else among the design's own
// files, which are closed on the way.
ExportOutcome FileErrorAfterWrite(const ExportTarget& target, DesignFiles& files) {
  std::string error = MasterError(target);
  const std::string ownError = files.Close();
  return FileError(error.empty() ? ownError : error);
}

}  // namespace

ExportOutcome ExportWindow(const GrillWindow& window, const BarType& barType,
                           const EdgeType& edgeType, ExportTarget& target) {
  const CutList cutList = BuildCutList(window, barType, edgeType);
  const Lines lines = MakeLines(cutList, target.exportInMillimetres);
  const Headers headers = MakeHeaders(window, barType, edgeType);

  // Two bar files only when the colours' names differ; colour entries that
  // differ but share a name get their own headers yet one file.
  const bool separateBarFiles = window.insideColor->name != window.outsideColor->name;
  DesignFiles files(target, window, separateBarFiles);
  if (!files.openError.empty()) {
    return FileError(files.openError);
  }

  UnitBlocks blocks(cutList, lines, headers, separateBarFiles);
  for (std::int64_t unit = 1; unit <= window.quantity; ++unit) {
    if (target.beforeUnit && !target.beforeUnit()) {
      if (!blocks.HandTo(target, files)) {
        return FileErrorAfterWrite(target, files);
      }
      const std::string error = files.Close();
      return error.empty() ? ExportOutcome{ExportOutcome::End::kCancelled, {}} : FileError(error);
    }
    blocks.AddUnit(unit);
    if (blocks.Size() >= kHandOverBytes && !blocks.HandTo(target, files)) {
      return FileErrorAfterWrite(target, files);
    }
  }
  if (!blocks.HandTo(target, files)) {
    return FileErrorAfterWrite(target, files);
  }
  const std::string error = files.Close();
  return error.empty() ? ExportOutcome{} : FileError(error);
}

}  // namespace grill
