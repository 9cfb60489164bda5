// The DPI a window is drawn at and the desktop's message font at a DPI: what
// the back end's message box and the front end's windows both measure text
// with. The per-monitor functions arrived with Windows 10; they are looked up
// at run time, and on older systems the system DPI stands in.
#pragma once

#include <windows.h>

namespace tallowin::win32 {

inline constexpr UINT kDefaultDpi = 96;

// A user32 function by name, or null where this Windows lacks it. The
// detour through void(*)() is the sanctioned way between function types.
template <class Function>
[[nodiscard]] Function user32Function(const char* name) {
    const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    if (user32 == nullptr) return nullptr;
    const FARPROC function = GetProcAddress(user32, name);
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(function));
}

// The DPI of the primary screen.
[[nodiscard]] UINT systemDpi();

// The DPI of a window's monitor; the system DPI without a window.
[[nodiscard]] UINT windowDpi(HWND window);

// The desktop's message font at a DPI.
[[nodiscard]] LOGFONTW messageFont(UINT dpi);

}  // namespace tallowin::win32
