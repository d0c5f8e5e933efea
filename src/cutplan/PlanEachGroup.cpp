#include <algorithm>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>

#include "CuttingPlanner.h"

namespace grill::cutplan {

namespace {

GroupOutcome PlanOne(const PieceGroup& group, const PlanOptions& options) {
  try {
    return {PlanGroup(group, options), {}};
  } catch (const PlanInputError& error) {
    return {std::nullopt, error.what()};
  }
}

// Anything else a search throws (out of memory, say) reaches the caller, as
// it would without threads, instead of ending the program.
void Rethrow(const std::vector<std::exception_ptr>& failures) {
  for (const std::exception_ptr& failure : failures) {
    if (failure) {
      std::rethrow_exception(failure);
    }
  }
}

// The groups not yet taken and the outcomes so far, shared by the threads.
class Board {
 public:
  explicit Board(std::size_t groups) : outcomes_(groups), failures_(groups) {}

  std::optional<std::size_t> Take() {
    std::lock_guard lock(mutex_);
    if (next_ == outcomes_.size()) {
      return std::nullopt;
    }
    return next_++;
  }

  void Finish(std::size_t group, GroupOutcome outcome, std::exception_ptr failure) {
    {
      std::lock_guard lock(mutex_);
      outcomes_[group] = std::move(outcome);
      failures_[group] = std::move(failure);
      ++finished_;
    }
    changed_.notify_all();
  }

  // Waits until more than `seen` groups are finished; returns how many are.
  std::size_t WaitBeyond(std::size_t seen) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return finished_ > seen; });
    return finished_;
  }

  std::vector<GroupOutcome> Outcomes() && {
    Rethrow(failures_);
    return std::move(outcomes_);
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<GroupOutcome> outcomes_;
  std::vector<std::exception_ptr> failures_;
  std::size_t next_ = 0;
  std::size_t finished_ = 0;
};

}  // namespace

std::vector<GroupOutcome> PlanEachGroup(const std::vector<PieceGroup>& groups,
                                        const PlanOptions& options, const PlanProgress& progress) {
  const std::size_t total = groups.size();
  if (progress) {
    progress(0, total);
  }
  Board board(total);
  const std::size_t threads =
      std::min<std::size_t>(std::max(1U, std::thread::hardware_concurrency()), total);
  {
    std::vector<std::jthread> workers;
    for (std::size_t thread = 0; thread < threads; ++thread) {
      workers.emplace_back([&] {
        while (std::optional<std::size_t> group = board.Take()) {
          GroupOutcome outcome;
          std::exception_ptr failure;
          try {
            outcome = PlanOne(groups[*group], options);
          } catch (...) {
            failure = std::current_exception();
          }
          board.Finish(*group, std::move(outcome), std::move(failure));
        }
      });
    }
    for (std::size_t reported = 0; reported < total;) {
      const std::size_t finished = board.WaitBeyond(reported);
      while (reported < finished) {
        ++reported;
        if (progress) {
          progress(reported, total);
        }
      }
    }
  }
  return std::move(board).Outcomes();
}

std::vector<GroupPlan> PlanGroups(const std::vector<PieceGroup>& groups,
                                  const PlanOptions& options) {
  std::vector<GroupPlan> plans;
  plans.reserve(groups.size());
  for (GroupOutcome& outcome : PlanEachGroup(groups, options)) {
    if (!outcome.plan) {
      throw PlanInputError(outcome.problem);
    }
    plans.push_back(std::move(*outcome.plan));
  }
  return plans;
}

}  // namespace grill::cutplan
