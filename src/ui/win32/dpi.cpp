#include "ui/win32/dpi.h"

namespace tallowin::ui::win32 {

namespace {

using ::tallowin::win32::systemDpi;
using ::tallowin::win32::user32Function;

using AdjustWindowRectExForDpiFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);
using SetDialogDpiChangeBehaviorFn = BOOL(WINAPI*)(HWND, int, int);

constexpr int kDialogDpiChangeDisableAll = 1;  // DDC_DISABLE_ALL

int scaled(int value, UINT from, UINT to) {
    return MulDiv(value, static_cast<int>(to), static_cast<int>(from));
}

}  // namespace

SIZE windowSizeFor(SIZE client, DWORD style, DWORD extendedStyle, UINT dpi) {
    static const auto adjustForDpi =
        user32Function<AdjustWindowRectExForDpiFn>("AdjustWindowRectExForDpi");
    RECT rect{0, 0, client.cx, client.cy};
    if (adjustForDpi == nullptr || adjustForDpi(&rect, style, FALSE, extendedStyle, dpi) == FALSE) {
        AdjustWindowRectEx(&rect, style, FALSE, extendedStyle);
    }
    return {rect.right - rect.left, rect.bottom - rect.top};
}

int systemMetric(int index, UINT dpi) {
    static const auto forDpi = user32Function<GetSystemMetricsForDpiFn>("GetSystemMetricsForDpi");
    if (forDpi != nullptr) return forDpi(index, dpi);
    return scaled(GetSystemMetrics(index), systemDpi(), dpi);
}

void keepDialogLayoutOnDpiChange(HWND dialog) {
    static const auto setBehavior =
        user32Function<SetDialogDpiChangeBehaviorFn>("SetDialogDpiChangeBehavior");
    if (setBehavior != nullptr) {
        setBehavior(dialog, kDialogDpiChangeDisableAll, kDialogDpiChangeDisableAll);
    }
}

}  // namespace tallowin::ui::win32
