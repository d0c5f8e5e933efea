#pragma once

#include "editing/DesignDocument.h"

namespace grill {

// Reaches past a document's one road of change, for tests and benchmarks
// that build a job faster than by commands, or play a step by hand.
class DocumentSetUp {
 public:
  // The designs to build a fixture from; no subscriber hears of it.
  static WindowList& Records(DesignDocument& document) { return document.designs_; }
  // A committed change taken back, or made again, as Undo and Redo do it.
  static void Revert(DesignDocument& document, const DesignChange& change) {
    document.Revert(change);
  }
  static void Reapply(DesignDocument& document, const DesignChange& change) {
    document.Reapply(change);
  }
};

}  // namespace grill
