// The fonts of the windows at a DPI: the text boxes' font as designed and
// the window font that the buttons use.
#pragma once

#include <windows.h>

#include "ui/window_designs.h"
#include "win32/gdi.h"

namespace tallowin::ui::win32 {

using tallowin::win32::Font;

inline constexpr wchar_t kTextBoxFace[] = L"MS Sans Serif";

// The height of a font of `points` at a DPI, as LOGFONT writes it (negative:
// the character height without internal leading).
[[nodiscard]] LONG fontHeight(double points, UINT dpi);

// "MS Sans Serif" 13.5 pt, regular. Windows maps the name to the face that
// stands in for it on the system.
[[nodiscard]] Font textBoxFont(UINT dpi);

// The desktop's message font, which the buttons use.
[[nodiscard]] Font windowFont(UINT dpi);

}  // namespace tallowin::ui::win32
