#pragma once

#include <cstddef>
#include <functional>
#include <utility>
#include <vector>

#include "editing/DesignChange.h"
#include "editing/JobProperties.h"

namespace grill {

// The designs [first, first + removed) of the list as it stood gave way to
// the designs [first, first + added) of the list as it stands; those before
// and after the stretch are unchanged.
struct DesignsChanged {
  std::size_t first = 0;
  std::size_t removed = 0;
  std::size_t added = 0;
  // Whether the names or the order of the window list differ afterwards.
  bool namesChanged = false;
  // The change is part of a group still open (a drag under way): it is on the
  // screen, but not yet a step, and a later change of the group follows it.
  bool underway = false;
  // Another job was put in place as a whole (New Job, Open, a restore).
  bool wholeJob = false;
};

// The current or the previous design is another one (or was looked at again).
struct FocusChanged {
  DesignFocus before;
};

// The unit, the spacing mode or the Master File name changed.
struct PropertiesChanged {
  JobProperties before;
};

// The job's details changed: by a step, its undo or redo, or another job put
// in place.
struct DetailsChanged {
  JobDetails before;
};

// The job became modified, or unmodified again.
struct CleanStateChanged {
  bool modified = false;
};

// Told last, once every event of one change of the document has been told:
// a subscriber that keeps a copy of the job writes it once per change, so a
// change reaches the copy whole or not at all.
struct ChangeComplete {};

// The subscribers of each kind of event, told in the order they subscribed.
// A document tells them once it stands complete, so each reads the document
// as a whole.
class DocumentEvents {
 public:
  template <typename Event>
  using Subscriber = std::function<void(const Event&)>;

  void Subscribe(Subscriber<DesignsChanged> subscriber) {
    designs_.push_back(std::move(subscriber));
  }
  void Subscribe(Subscriber<FocusChanged> subscriber) { focus_.push_back(std::move(subscriber)); }
  void Subscribe(Subscriber<PropertiesChanged> subscriber) {
    properties_.push_back(std::move(subscriber));
  }
  void Subscribe(Subscriber<DetailsChanged> subscriber) {
    details_.push_back(std::move(subscriber));
  }
  void Subscribe(Subscriber<CleanStateChanged> subscriber) {
    clean_.push_back(std::move(subscriber));
  }
  void Subscribe(Subscriber<ChangeComplete> subscriber) {
    complete_.push_back(std::move(subscriber));
  }

  void Tell(const DesignsChanged& event) { TellAll(designs_, event); }
  void Tell(const FocusChanged& event) { TellAll(focus_, event); }
  void Tell(const PropertiesChanged& event) { TellAll(properties_, event); }
  void Tell(const DetailsChanged& event) { TellAll(details_, event); }
  void Tell(const CleanStateChanged& event) { TellAll(clean_, event); }
  // Ends a change: ChangeComplete, when anything was told since the last end.
  void Complete() {
    if (std::exchange(pending_, false)) {
      TellAll(complete_, ChangeComplete{});
    }
  }

 private:
  template <typename Event>
  void TellAll(const std::vector<Subscriber<Event>>& subscribers, const Event& event) {
    pending_ = true;
    for (const Subscriber<Event>& subscriber : subscribers) {
      subscriber(event);
    }
  }

  std::vector<Subscriber<DesignsChanged>> designs_;
  std::vector<Subscriber<FocusChanged>> focus_;
  std::vector<Subscriber<PropertiesChanged>> properties_;
  std::vector<Subscriber<DetailsChanged>> details_;
  std::vector<Subscriber<CleanStateChanged>> clean_;
  std::vector<Subscriber<ChangeComplete>> complete_;
  bool pending_ = false;
};

}  // namespace grill
