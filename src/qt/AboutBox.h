#pragma once

#include <memory>

class QDialog;
class QWidget;

namespace grill {

// The about box: the application icon, the name and version, and OK.
std::unique_ptr<QDialog> CreateAboutBox(QWidget* parent);

}  // namespace grill
