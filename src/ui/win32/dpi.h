// The DPI a window is drawn at, and the metrics that follow from it. The
// per-monitor functions arrived with Windows 10; they are looked up at run
// time, and on older systems the system DPI stands in.
#pragma once

#include <windows.h>

namespace tallowin::ui::win32 {

inline constexpr UINT kDefaultDpi = 96;

[[nodiscard]] UINT windowDpi(HWND window);

// The outer size of a window whose client area is `client`, at a DPI.
[[nodiscard]] SIZE windowSizeFor(SIZE client, DWORD style, DWORD extendedStyle, UINT dpi);

// A system metric (SM_CXICON and the like) at a DPI.
[[nodiscard]] int systemMetric(int index, UINT dpi);

// The desktop's message font at a DPI.
[[nodiscard]] LOGFONTW messageFont(UINT dpi);

// Leaves the layout of a dialog to its own code when its DPI changes: the
// dialog manager would otherwise rescale it by its own rules as well.
void keepDialogLayoutOnDpiChange(HWND dialog);

}  // namespace tallowin::ui::win32
