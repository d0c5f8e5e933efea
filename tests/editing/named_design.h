#pragma once

#include <string>

#include "model/GrillWindow.h"

namespace grill::test {

// A design that differs from others by its name (and bar count) alone.
inline GrillWindow Named(const std::string& name, int horzCount = 0) {
  GrillWindow window;
  window.name = name;
  window.horzCount = horzCount;
  return window;
}

}  // namespace grill::test
