// Where a window goes: centred on the screen or on its owner, kept within
// the monitor's work area.
#pragma once

#include <windows.h>

namespace tallowin::ui::win32 {

// `window` moved so that its centre is the centre of `over`, then back into
// `workArea` where it sticks out, its top-left corner (the title bar) first.
[[nodiscard]] RECT centredWithin(const RECT& window, const RECT& over, const RECT& workArea);

// Centres the window on the work area of the primary monitor.
void centreOnScreen(HWND window);

// Centres the window on its owner, within the owner's monitor.
void centreOnOwner(HWND window, HWND owner);

}  // namespace tallowin::ui::win32
