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

// The program's name for the system (its window class, its settings): kept
// as it always was, so that desktop files and stored settings still find it.
inline constexpr const char* kApplicationName = "VarnelWindowDesigner";
// The name a user reads: the main dialog's title, every message box's title, About.
inline constexpr const char* kApplicationTitle = "Varnel Grill Designer";
inline constexpr const char* kAboutMenuText = "&About Varnel Grill Designer...";
inline constexpr const char* kAboutTitle = "About Varnel Grill Designer";
inline constexpr const char* kAboutText = "Varnel Grill Designer Version 1.0";
inline constexpr const char* kWindowEditorMenuText = "Window Editor...";

}  // namespace grill
