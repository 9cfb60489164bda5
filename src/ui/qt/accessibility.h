// How the program's windows meet assistive technology (screen readers over
// AT-SPI on Linux): the main window as the program's own window, whose
// description is its text line, so that a screen reader speaks the address
// and the name with the window's title; the list and the message boxes as
// modal; every text the program shows readable but not editable; and one
// event for each window's activation.
#pragma once

namespace tallowin::ui::qt {

// Installs the program's accessibility factory and event handling, once;
// later calls do nothing. Called before the first window is made.
void setUpAccessibility();

}  // namespace tallowin::ui::qt
