#pragma once

#include <QIcon>

namespace grill {

// The designer's own icon, in every rendered size: a small window whose glass is divided by a
// grill.
QIcon ApplicationIcon();

}  // namespace grill
