#include "editing/UndoHistory.h"

#include <utility>

namespace grill {

void UndoHistory::Push(DesignChange change) {
  steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(applied_), steps_.end());
  if (clean_ && *clean_ > applied_) {
    clean_.reset();  // the saved state was among the steps just dropped
  }
  if (JoinsNewest(change)) {
    steps_.back().Absorb(change);
    if (steps_.back().ChangesNothing()) {
      steps_.pop_back();
      --applied_;
    }
    return;
  }
  steps_.push_back(std::move(change));
  ++applied_;
  if (steps_.size() > kLimit) {
    steps_.erase(steps_.begin());
    --applied_;
    if (clean_ && *clean_ == 0) {
      clean_.reset();
    } else if (clean_) {
      --*clean_;
    }
  }
}

bool UndoHistory::JoinsNewest(const DesignChange& change) const {
  return change.merge && applied_ > 0 && steps_.back().merge == change.merge && clean_ != applied_;
}

const DesignChange* UndoHistory::StepBack() {
  if (applied_ == 0) {
    return nullptr;
  }
  return &steps_[--applied_];
}

const DesignChange* UndoHistory::StepForward() {
  if (applied_ == steps_.size()) {
    return nullptr;
  }
  return &steps_[applied_++];
}

const DesignChange* UndoHistory::NextUndo() const {
  return applied_ > 0 ? &steps_[applied_ - 1] : nullptr;
}

const DesignChange* UndoHistory::NextRedo() const {
  return applied_ < steps_.size() ? &steps_[applied_] : nullptr;
}

void UndoHistory::Clear() {
  steps_.clear();
  applied_ = 0;
  clean_ = 0;
}

}  // namespace grill
