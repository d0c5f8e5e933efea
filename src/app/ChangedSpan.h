#pragma once

#include <cstddef>

#include "editing/DocumentEvents.h"

namespace grill {

// The stretch of the window list that changes touched since the list was
// last recorded, so that a record needs to hold only the designs in it: the
// recorded list's designs [From(), From() + Removed()) gave way to the
// designs [From(), From() + Added()) of the list as it stands; those before
// and after the stretch are the recorded ones.
class ChangedSpan {
 public:
  // Nothing touched in a list of `size` designs.
  void Reset(std::size_t size);
  // After the designs changed as `event` says, leaving `size` designs. An
  // event that does not fit the sizes counts as a change of the whole list.
  void Add(const DesignsChanged& event, std::size_t size);
  // After the list was replaced as a whole.
  void AddAll(std::size_t size);

  std::size_t From() const;
  std::size_t Removed() const;
  std::size_t Added() const;
  // Whether the stretch is the whole list on both sides.
  bool Whole() const;

 private:
  // Designs at the front and at the back that are the recorded ones; each
  // bound holds on its own, they may overlap while little has changed.
  std::size_t head_ = 0;
  std::size_t tail_ = 0;
  std::size_t recorded_ = 0;
  std::size_t size_ = 0;
  // The tail as far as it stays clear of the head.
  std::size_t Tail() const;
};

}  // namespace grill
