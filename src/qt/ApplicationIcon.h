#pragma once

#include <QIcon>

namespace grill {

// The designer's own icon: a small window whose glass is divided by a grill.
QIcon ApplicationIcon();

}  // namespace grill
