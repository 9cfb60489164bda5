// Looking at and driving windows of the test's own thread, as a person
// would: texts, places, styles, focus, keys.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "ui/twips.h"

namespace tallowin::ui::win32::test {

[[nodiscard]] std::wstring textOf(HWND window);
[[nodiscard]] DWORD styleOf(HWND window);
[[nodiscard]] DWORD extendedStyleOf(HWND window);
[[nodiscard]] SIZE clientSize(HWND window);
// A control's place within its window's client area.
[[nodiscard]] PixelRect placeOf(HWND control);
// The font a control draws with.
[[nodiscard]] LOGFONTW fontOf(HWND control);

// A key as the message loop would hand it to the dialog manager: posted to
// the window with the focus. With `alt` the key is a system character
// (Alt+letter, for access keys).
void postKey(WPARAM key, bool alt = false);

// Delivers what is queued for the window through the dialog manager, as the
// program's message loop does.
void pumpDialogMessages(HWND dialog);

// While it lives: runs `inspect` once a modal window of this thread whose
// caption starts with `captionStart` is up, from within its modal loop.
// Should `inspect` leave the window open, the window is closed after a few
// seconds (and the test fails) so that the test ends.
class WhenModalIsUp {
  public:
    WhenModalIsUp(std::wstring captionStart, std::function<void(HWND)> inspect);
    ~WhenModalIsUp();
    WhenModalIsUp(const WhenModalIsUp&) = delete;
    WhenModalIsUp& operator=(const WhenModalIsUp&) = delete;

    // The modal window that was inspected, or null.
    [[nodiscard]] HWND seen() const;
};

}  // namespace tallowin::ui::win32::test
