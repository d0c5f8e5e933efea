#pragma once

class QWidget;

namespace grill {

// Lets the main dialog be resized and maximised, never below the size it
// has now (the template's). The canvas takes the room gained: it grows right
// and down. Every other control keeps its place relative to the edges it
// faces: what lies right of the canvas follows the right edge, what lies
// below it follows the bottom edge, and a control inside a group box moves
// with its group. A group beside the canvas that holds a list (the bar
// lists) grows down with the canvas: the list takes the height gained and
// the buttons below it move down.
//
// Call once the dialog's controls are placed. The frame around the canvas
// follows the canvas by itself and is left alone.
void LetDialogGrow(QWidget& dialog, QWidget& canvas, const QWidget& canvasFrame);

}  // namespace grill
