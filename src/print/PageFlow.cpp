#include "print/PageFlow.h"

namespace grill::print {

bool PageFlow::MakeRoom(double height) {
  if (!Fits(height) && y > pageTop) {
    y = continuePage();
    pageTop = y;
    return true;
  }
  return false;
}

}  // namespace grill::print
