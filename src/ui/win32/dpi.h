// The DPI a window is drawn at, and the metrics that follow from it. The
// per-monitor functions arrived with Windows 10; they are looked up at run
// time, and on older systems the system DPI stands in.
#pragma once

#include <windows.h>

#include "win32/desktop_metrics.h"

namespace tallowin::ui::win32 {

// The window's DPI and the message font are the desktop's, shared with the
// back end's message box.
using ::tallowin::win32::kDefaultDpi;
using ::tallowin::win32::messageFont;
using ::tallowin::win32::windowDpi;

// The outer size of a window whose client area is `client`, at a DPI.
[[nodiscard]] SIZE windowSizeFor(SIZE client, DWORD style, DWORD extendedStyle, UINT dpi);

// A system metric (SM_CXICON and the like) at a DPI.
[[nodiscard]] int systemMetric(int index, UINT dpi);

// Leaves the layout of a dialog to its own code when its DPI changes: the
// dialog manager would otherwise rescale it by its own rules as well.
void keepDialogLayoutOnDpiChange(HWND dialog);

}  // namespace tallowin::ui::win32
