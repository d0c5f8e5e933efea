#include "export/ExportWindow.h"

#include <cstdint>
#include <memory>

#include "cutting/CutList.h"

namespace grill {
namespace {

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

// The first failure among the master files.
std::string MasterError(const ExportTarget& target) {
  if (target.edgeMaster.Failed()) {
    return target.edgeMaster.FileError();
  }
  return target.barMaster.Failed() ? target.barMaster.FileError() : std::string();
}

// Hands the text of unit `unit` to every file, each master file before the
// design's own: the edge lines; then the bar lines, vertical pieces before
// horizontal ones. False when a file has failed.
bool WriteUnit(const SawDesignText& design, std::int64_t unit, UnitText& text, ExportTarget& target,
               DesignFiles& files) {
  design.WriteUnit(unit, text);
  target.edgeMaster.Append(text.edges);
  files.Edge().Append(text.edges);
  target.barMaster.Append(text.verticalBars);
  target.barMaster.Append(text.horizontalBars);
  files.H().Append(text.verticalBars);
  files.W().Append(text.horizontalBars);
  return !files.Failed() && !target.edgeMaster.Failed() && !target.barMaster.Failed();
}

std::unique_ptr<SawDesignText> PrepareDesign(const ExportJob& job, const SawFormat& format,
                                             CutUnit unit) {
  return format.Prepare(job, BuildCutList(*job.window, *job.barType, *job.edgeType), unit);
}

}  // namespace

ExportOutcome ExportWindow(const ExportJob& job, ExportTarget& target) {
  const GrillWindow& window = *job.window;
  const std::unique_ptr<SawDesignText> design = PrepareDesign(job, target.format, target.unit);

  // Two bar files only when the colours' names differ; colour entries that
  // differ but share a name get their own headers yet one file.
  const bool separateBarFiles = window.insideColor->name != window.outsideColor->name;
  DesignFiles files(target, job.fileNames, separateBarFiles);
  if (!files.openError.empty()) {
    return ExportOutcome::FileError(files.openError);
  }

  UnitText text;
  for (std::int64_t unit = 1; unit <= window.quantity; ++unit) {
    if (target.beforeUnit && !target.beforeUnit()) {
      const std::string error = files.Close();
      return error.empty() ? ExportOutcome{ExportOutcome::End::kCancelled, {}}
                           : ExportOutcome::FileError(error);
    }
    if (!WriteUnit(*design, unit, text, target, files)) {
      // The first failure among the master files, else among the design's own.
      const std::string masterError = MasterError(target);
      const std::string ownError = files.Close();
      return ExportOutcome::FileError(masterError.empty() ? ownError : masterError);
    }
  }
  const std::string error = files.Close();
  return error.empty() ? ExportOutcome{} : ExportOutcome::FileError(error);
}

std::int64_t ExportedBytes(const ExportJob& job, const SawFormat& format, CutUnit unit) {
  // Each line goes to the master file and to the design's own file.
  return 2 * PrepareDesign(job, format, unit)->Bytes(job.window->quantity);
}

}  // namespace grill
