#include "editing/DesignChange.h"

namespace grill {

bool DesignChange::ChangesNames() const {
  for (const DesignEdit& edit : edits) {
    if (!edit.before || !edit.after || edit.before->name != edit.after->name) {
      return true;
    }
  }
  return false;
}

}  // namespace grill
