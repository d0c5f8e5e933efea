#pragma once

#include "platform/DialogTemplate.h"

namespace grill {

// Template 102: the main dialog's controls, captions and placement.
const DialogTemplate& MainDialogTemplate();

// The canvas rectangle in the dialog's client pixels.
inline constexpr int kCanvasLeft = 10;
inline constexpr int kCanvasTop = 10;
inline constexpr int kCanvasRight = 300;
inline constexpr int kCanvasBottom = 300;

inline constexpr const char* kApplicationName = "VarnelWindowDesigner";
inline constexpr const char* kAboutMenuText = "&About VarnelWindowDesigner...";
inline constexpr const char* kAboutTitle = "About VarnelWindowDesigner";
inline constexpr const char* kAboutText = "VarnelWindowDesigner Version 1.0";
inline constexpr const char* kWindowEditorMenuText = "Window Editor...";

}  // namespace grill
