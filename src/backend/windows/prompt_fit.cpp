#include "prompt_fit.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <type_traits>

#include "win32/desktop_metrics.h"
#include "win32/gdi.h"

namespace tallowin::windows_backend {

namespace {

using win32::Font;
using win32::MemoryDc;

constexpr wchar_t kCutMark = L'\u2026';  // "…"
constexpr std::wstring_view kLineBreaks = L"\r\n";

bool isHighSurrogate(wchar_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }

// The longest beginning of a line too wide for the limit that fits with the
// cut mark after it, and the mark. Widths grow with the text, so the
// beginnings are searched by halves.
std::wstring cutLine(std::wstring_view line, int limit,
                     const std::function<int(std::wstring_view)>& width) {
    std::size_t fits = 0;
    std::size_t tooWide = line.size();
    std::wstring candidate;
    while (tooWide - fits > 1) {
        const std::size_t middle = fits + (tooWide - fits) / 2;
        candidate.assign(line.substr(0, middle));
        candidate += kCutMark;
        if (width(candidate) <= limit) {
            fits = middle;
        } else {
            tooWide = middle;
        }
    }
    if (fits > 0 && isHighSurrogate(line[fits - 1])) --fits;
    std::wstring cut{line.substr(0, fits)};
    cut += kCutMark;
    return cut;
}

// The length of the line break at `at`: CR LF counts as one break.
std::size_t breakLength(std::wstring_view text, std::size_t at) {
    return text.substr(at).starts_with(L"\r\n") ? 2 : 1;
}

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

std::wstring fitPrompt(std::wstring_view prompt, const PromptLimits& limits,
                       const LineMeasure& measure) {
    const std::wstring cutMark(1, kCutMark);
    const int markHeight = measure.height(cutMark);
    std::wstring fitted;
    int height = 0;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = prompt.find_first_of(kLineBreaks, start);
        const bool last = end == std::wstring_view::npos;
        const std::wstring_view whole = prompt.substr(start, last ? end : end - start);
        std::wstring line{whole};
        if (measure.width(line) > limits.width) line = cutLine(whole, limits.width, measure.width);
        // Every line but the last leaves room for the mark after it.
        height += measure.height(line);
        if (height + (last ? 0 : markHeight) > limits.height) {
            fitted += cutMark;  // more follows than the box can show
            return fitted;
        }
        fitted += line;
        if (last) return fitted;
        const std::size_t length = breakLength(prompt, end);
        fitted += prompt.substr(end, length);
        start = end + length;
    }
}

std::wstring fitPromptToScreen(std::wstring_view prompt, HWND owner) {
    const RECT area = workAreaOf(owner);
    const PromptLimits limits{static_cast<int>(area.right - area.left) / 2,
                              static_cast<int>(area.bottom - area.top) / 2};
    const UINT dpi = win32::windowDpi(owner);
    const LOGFONTW description = win32::messageFont(dpi);
    const MemoryDc dc{CreateCompatibleDC(nullptr)};
    const Font font{CreateFontIndirectW(&description)};
    if (dc == nullptr || font == nullptr) {
        // Without the font to measure with, every character counts as wide
        // as twice the font's height, and every line as tall as it is wide:
        // the prompt is cut more than it need be, but the box still fits.
        const int generous =
            std::clamp(2 * static_cast<int>(std::abs(description.lfHeight)), 32, 512);
        const auto width = [generous](std::wstring_view line) {
            return static_cast<int>(std::min<std::size_t>(line.size() + 1, 65536)) * generous;
        };
        return fitPrompt(prompt, limits, {width, width});
    }
    const Selection selected(dc.get(), font.get());
    const int narrowestWrap = std::min(limits.width, MulDiv(3, static_cast<int>(dpi), 1));
    return fitPrompt(prompt, limits,
                     {[&dc](std::wstring_view line) { return drawnWidth(dc.get(), line); },
                      [&dc, narrowestWrap](std::wstring_view line) {
                          return wrappedHeight(dc.get(), line, narrowestWrap);
                      }});
}

}  // namespace tallowin::windows_backend
