#include "export/ExportWindow.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string_view>

namespace grill {
namespace {

void MakeHeaders(const GrillWindow& window, const BarType& barType, const EdgeType& edgeType,
                 ExportWorkspace& room) {
  const std::string_view prefix = std::string_view(barType.name).substr(0, barType.name.find(','));
  const auto make = [&window](std::string& header, std::string_view start, const char* side) {
    header.assign(start).append(side).append(window.insideColor->code);
    if (window.insideColor != window.outsideColor) {
      header.append("_").append(window.outsideColor->code);
    }
    header.append("_").append(window.name).append(",000,");
  };
  make(room.barHeaderW, prefix, "_W_");
  make(room.barHeaderH, prefix, "_H_");
  make(room.edgeHeaderH, edgeType.name, "_H_");
  make(room.edgeHeaderW, edgeType.name, "_W_");
}

// Every piece's text, each once, in the order of ExportWorkspace::pieceTexts.
// The texts are written straight into the buffer, which keeps the size it
// has grown to: only the ends recorded mark what this design wrote.
void MakePieceTexts(const CutList& cutList, int inMillimetres, ExportWorkspace& room) {
  std::string& texts = room.pieceTexts;
  room.pieceTextEnds.clear();
  size_t used = 0;
  const auto add = [&](const CutBar& piece) {
    const std::string_view lineEnd = "\r\n";
    const auto makeRoom = [&](size_t size) {
      if (texts.size() < used + size + lineEnd.size()) {
        texts.resize(2 * (used + size + lineEnd.size()));
      }
      return texts.data() + used;
    };
    char* end = piece.WriteCutLine(makeRoom(piece.CutLineRoom()), inMillimetres, room.numberTexts);
    if (end == nullptr) {
      const std::string text = piece.FormatCutLine(inMillimetres);
      end = std::copy(text.begin(), text.end(), makeRoom(text.size()));
    }
    end = std::copy(lineEnd.begin(), lineEnd.end(), end);
    used = static_cast<size_t>(end - texts.data());
    room.pieceTextEnds.push_back(used);
  };
  for (const CutBar* edge :
       {&cutList.topEdge, &cutList.bottomEdge, &cutList.leftEdge, &cutList.rightEdge}) {
    add(*edge);
  }
  for (const CutBar& piece : cutList.vertPieces) {
    add(piece);
  }
  for (const CutBar& piece : cutList.horzPieces) {
    add(piece);
  }
}

// The lines of a unit: the top edge, the bottom edge unless the top one
// stands for both, the right edge, the left edge likewise; each vertical
// piece; each horizontal piece. Top and bottom edges carry the "_H_" header
// with the "W" tag, the sides the "_W_" header with the "H" tag.
void MakeBlocks(const CutList& cutList, ExportWorkspace& room) {
  const std::string_view texts = room.pieceTexts;
  size_t index = 0;
  size_t start = 0;
  // The next piece's text, in the order they were made.
  const auto next = [&]() {
    const size_t end = room.pieceTextEnds[index++];
    const std::string_view text = texts.substr(start, end - start);
    start = end;
    return text;
  };
  const std::string_view top = next();
  const std::string_view bottom = next();
  const std::string_view left = next();
  const std::string_view right = next();
  room.edgeBlock.Clear();
  room.edgeBlock.AddLine(room.edgeHeaderH, 'W', top);
  if (cutList.bottomEdge.count != 0) {
    room.edgeBlock.AddLine(room.edgeHeaderH, 'W', bottom);
  }
  room.edgeBlock.AddLine(room.edgeHeaderW, 'H', right);
  if (cutList.leftEdge.count != 0) {
    room.edgeBlock.AddLine(room.edgeHeaderW, 'H', left);
  }
  room.vertBlock.Clear();
  for (size_t i = 0; i < cutList.vertPieces.size(); ++i) {
    room.vertBlock.AddLine(room.barHeaderH, 'H', next());
  }
  room.horzBlock.Clear();
  for (size_t i = 0; i < cutList.horzPieces.size(); ++i) {
    room.horzBlock.AddLine(room.barHeaderW, 'W', next());
  }
}

// The design's own files: the edge file and one bar file, or two when the
// colours carry different names. They are the workspace's OutputFiles, open
// while this object lives.
class DesignFiles {
 public:
  // Opens the files in the order edge, W, H; on failure `openError` tells
  // which and the files already open are closed again.
  DesignFiles(ExportTarget& target, const GrillWindow& window, bool separateBarFiles) {
    ExportWorkspace& room = target.workspace;
    edge_ = Open(target, window.edgeFileName, room.edgeFile);
    if (edge_ && separateBarFiles) {
      w_ = Open(target, window.barFileNameW, room.barFileW);
    }
    if (edge_ && (w_ || !separateBarFiles)) {
      h_ = Open(target, window.barFileNameH, room.barFileH);
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
  OutputFile& W() { return w_ != nullptr ? *w_ : *h_; }
  bool Failed() const { return edge_->Failed() || h_->Failed() || (w_ != nullptr && w_->Failed()); }

  // Closes W, then H when it is a file of its own, then the edge file; the
  // first failure is reported.
  std::string Close() {
    std::string error;
    for (OutputFile* file : {w_, h_, edge_}) {
      if (file != nullptr && !file->Close() && error.empty()) {
        error = file->FileError();
      }
    }
    return error;
  }

  std::string openError;

 private:
  OutputFile* Open(ExportTarget& target, const std::string& name, OutputFile& output) {
    const std::string path = target.files.Join(target.folder, name);
    std::string reason;
    std::unique_ptr<WritableFile> file = target.files.OpenForAppend(path, reason);
    if (!file) {
      openError = FileErrorMessage(path, reason);
      return nullptr;
    }
    output.Open(std::move(file));
    return &output;
  }

  OutputFile* edge_ = nullptr;
  OutputFile* w_ = nullptr;
  OutputFile* h_ = nullptr;
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

// Hands the lines of unit `unit` to every file, each master file before the
// design's own: the edge lines; then the bar lines, vertical pieces before
// horizontal ones. False when a file has failed.
bool WriteUnit(std::int64_t unit, ExportTarget& target, DesignFiles& files) {
  ExportWorkspace& room = target.workspace;
  const std::string_view edge = room.edgeBlock.TextFor(unit);
  const std::string_view vert = room.vertBlock.TextFor(unit);
  const std::string_view horz = room.horzBlock.TextFor(unit);
  target.edgeMaster.Append(edge);
  files.Edge().Append(edge);
  target.barMaster.Append(vert);
  target.barMaster.Append(horz);
  files.H().Append(vert);
  files.W().Append(horz);
  return !files.Failed() && !target.edgeMaster.Failed() && !target.barMaster.Failed();
}

// The first failure among the master files, else among the design's own
// files, which are closed on the way.
ExportOutcome FileErrorAfterWrite(const ExportTarget& target, DesignFiles& files) {
  std::string error = MasterError(target);
  const std::string ownError = files.Close();
  return FileError(error.empty() ? ownError : error);
}

// ExportWindow but for leaving the piece lists empty.
ExportOutcome ExportDesign(const GrillWindow& window, const BarType& barType,
                           const EdgeType& edgeType, ExportTarget& target) {
  ExportWorkspace& room = target.workspace;
  room.builder.Build(window, barType, edgeType, room.cutList);
  MakeHeaders(window, barType, edgeType, room);
  MakePieceTexts(room.cutList, target.exportInMillimetres, room);
  MakeBlocks(room.cutList, room);

  // Two bar files only when the colours' names differ; colour entries that
  // differ but share a name get their own headers yet one file.
  const bool separateBarFiles = window.insideColor->name != window.outsideColor->name;
  DesignFiles files(target, window, separateBarFiles);
  if (!files.openError.empty()) {
    return FileError(files.openError);
  }

  for (std::int64_t unit = 1; unit <= window.quantity; ++unit) {
    if (target.beforeUnit && !target.beforeUnit()) {
      const std::string error = files.Close();
      return error.empty() ? ExportOutcome{ExportOutcome::End::kCancelled, {}} : FileError(error);
    }
    if (!WriteUnit(unit, target, files)) {
      return FileErrorAfterWrite(target, files);
    }
  }
  const std::string error = files.Close();
  return error.empty() ? ExportOutcome{} : FileError(error);
}

}  // namespace

ExportOutcome ExportWindow(const GrillWindow& window, const BarType& barType,
                           const EdgeType& edgeType, ExportTarget& target) {
  ExportOutcome outcome = ExportDesign(window, barType, edgeType, target);
  // Both piece lists are left empty on every way out; the room they took is
  // kept for the next design.
  target.workspace.cutList.vertPieces.clear();
  target.workspace.cutList.horzPieces.clear();
  return outcome;
}

}  // namespace grill
