// A window's design drawn with Qt: its caption and fixed client size, each
// control in its place with its name, and the buttons' roles for Enter and
// Esc. What is particular to a window (its text box, its load step) stays
// with the window.
#pragma once

#include "ui/window_designs.h"

class QAbstractButton;
class QDialog;
class QWidget;

namespace tallowin::ui::qt {

class WrappingPushButton;

// The design's caption and client size, the size fixed.
void applyDesign(QDialog& window, const design::Window& design);

// A button of the design: its caption, name, place and default role.
[[nodiscard]] WrappingPushButton* addButton(QDialog& window, const design::Control& control);

// Puts a control of the design in its place, with its name and whether Tab
// stops at it.
void place(QWidget& widget, const design::Control& control);

// Esc presses `cancel`, wherever the focus is in the window.
void pressOnEscape(QDialog& window, QAbstractButton& cancel);

}  // namespace tallowin::ui::qt
