#include "prompt_fit.h"

#include <algorithm>
#include <cstdlib>

#include "ui/message_fit.h"
#include "win32/desktop_metrics.h"
#include "win32/gdi.h"
#include "win32/wide_text.h"

namespace tallowin::windows_backend {

namespace {

using win32::Font;
using win32::MemoryDc;

// The font's selection into the DC that measures the text, undone before the
// font goes.
class Selection {
  public:
    Selection(HDC dc, HGDIOBJ object) noexcept : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~Selection() {
        if (previous_ != nullptr) SelectObject(dc_, previous_);
    }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

// One line as the box draws it: on one line, tabs expanded, "&" as itself.
int drawnWidth(HDC dc, std::wstring_view line) {
    RECT rect{};
    DrawTextW(dc, line.data(), static_cast<int>(line.size()), &rect,
              DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX | DT_EXPANDTABS);
    return static_cast<int>(rect.right - rect.left);
}

// One line as the box draws it when it wraps the line at `wrap`; an empty
// line is as tall as any other.
int wrappedHeight(HDC dc, std::wstring_view line, int wrap) {
    RECT rect{0, 0, wrap, 0};
    const std::wstring_view drawn = line.empty() ? std::wstring_view{L" "} : line;
    DrawTextW(dc, drawn.data(), static_cast<int>(drawn.size()), &rect,
              DT_CALCRECT | DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX | DT_EXPANDTABS);
    return static_cast<int>(rect.bottom - rect.top);
}

RECT workAreaOf(HWND owner) {
    const HMONITOR monitor = owner != nullptr
                                 ? MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST)
                                 : MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (monitor != nullptr && GetMonitorInfoW(monitor, &info) != FALSE) return info.rcWork;
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

}  // namespace

std::wstring fitPromptToScreen(std::string_view prompt, HWND owner) {
    const RECT area = workAreaOf(owner);
    const ui::MessageLimits limits = ui::messageLimits(static_cast<int>(area.right - area.left),
                                                       static_cast<int>(area.bottom - area.top));
    const UINT dpi = win32::windowDpi(owner);
    const LOGFONTW description = win32::messageFont(dpi);
    const MemoryDc dc{CreateCompatibleDC(nullptr)};
    const Font font{CreateFontIndirectW(&description)};
    if (dc == nullptr || font == nullptr) {
        // Without the font to measure with, every byte counts as wide as
        // twice the font's height, and every line as tall as it is wide: the
        // prompt is cut more than it need be, but the box still fits.
        const int generous =
            std::clamp(2 * static_cast<int>(std::abs(description.lfHeight)), 32, 512);
        const auto width = [generous](std::string_view line) {
            return static_cast<int>(std::min<std::size_t>(line.size() + 1, 65536)) * generous;
        };
        return win32::toWide(ui::fitMessage(prompt, limits, {width, width}));
    }
    const Selection selected(dc.get(), font.get());
    const int narrowestWrap = std::min(limits.width, MulDiv(3, static_cast<int>(dpi), 1));
    return win32::toWide(ui::fitMessage(
        prompt, limits,
        {[&dc](std::string_view line) { return drawnWidth(dc.get(), win32::toWide(line)); },
         [&dc, narrowestWrap](std::string_view line) {
             return wrappedHeight(dc.get(), win32::toWide(line), narrowestWrap);
         }}));
}

}  // namespace tallowin::windows_backend
