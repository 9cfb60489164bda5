#include "ui/win32/placement.h"

#include <algorithm>

namespace tallowin::ui::win32 {

namespace {

RECT workAreaOf(HMONITOR monitor) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (monitor != nullptr && GetMonitorInfoW(monitor, &info) != FALSE) return info.rcWork;
    RECT area{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

void moveTo(HWND window, const RECT& rect) {
    SetWindowPos(window, nullptr, rect.left, rect.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

RECT centredWithin(const RECT& window, const RECT& over, const RECT& workArea) {
    const LONG width = window.right - window.left;
    const LONG height = window.bottom - window.top;
    LONG left = over.left + ((over.right - over.left) - width) / 2;
    LONG top = over.top + ((over.bottom - over.top) - height) / 2;
    left = std::max(workArea.left, std::min(left, workArea.right - width));
    top = std::max(workArea.top, std::min(top, workArea.bottom - height));
    return {left, top, left + width, top + height};
}

void centreOnScreen(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    const POINT origin{0, 0};
    const RECT area = workAreaOf(MonitorFromPoint(origin, MONITOR_DEFAULTTOPRIMARY));
    moveTo(window, centredWithin(rect, area, area));
}

void centreOnOwner(HWND window, HWND owner) {
    RECT rect{};
    RECT ownerRect{};
    GetWindowRect(window, &rect);
    if (owner == nullptr || GetWindowRect(owner, &ownerRect) == FALSE) {
        centreOnScreen(window);
        return;
    }
    const RECT area = workAreaOf(MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST));
    moveTo(window, centredWithin(rect, ownerRect, area));
}

}  // namespace tallowin::ui::win32
