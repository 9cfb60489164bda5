#include "window_probe.h"

#include <gtest/gtest.h>

#include <memory>

namespace tallowin::ui::win32::test {

namespace {

constexpr UINT kTickMilliseconds = 20;
constexpr int kTicksBeforeClosing = 250;

struct ModalWatch {
    std::wstring captionStart;
    std::function<void(HWND)> inspect;
    HWND inspected = nullptr;
    int ticks = 0;
    UINT_PTR timer = 0;
};

// One watch at a time: the timer procedure has no other way to find it.
std::unique_ptr<ModalWatch> currentWatch;

HWND findModal(const std::wstring& captionStart) {
    struct Search {
        const std::wstring* captionStart;
        HWND found;
    } search{&captionStart, nullptr};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM data) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(data);
            if (IsWindowVisible(window) != FALSE && textOf(window).starts_with(*s.captionStart)) {
                s.found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void CALLBACK onTick(HWND /*window*/, UINT /*message*/, UINT_PTR /*id*/, DWORD /*time*/) {
    ModalWatch* watch = currentWatch.get();
    if (watch == nullptr) return;
    ++watch->ticks;
    if (watch->inspected == nullptr) {
        // Up means shown and holding the focus, as a person finds it.
        const HWND modal = findModal(watch->captionStart);
        if (modal != nullptr && IsChild(modal, GetFocus()) != FALSE) {
            watch->inspected = modal;
            watch->inspect(modal);
        }
    }
    if (watch->ticks > kTicksBeforeClosing) {
        ADD_FAILURE() << "the modal window did not close (or never came up)";
        if (const HWND modal = findModal(watch->captionStart)) PostMessageW(modal, WM_CLOSE, 0, 0);
    }
}

}  // namespace

std::wstring textOf(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

DWORD styleOf(HWND window) { return static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)); }

DWORD extendedStyleOf(HWND window) {
    return static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE));
}

SIZE clientSize(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return {client.right, client.bottom};
}

PixelRect placeOf(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

LOGFONTW fontOf(HWND control) {
    LOGFONTW font{};
    const auto handle = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    if (handle != nullptr) GetObjectW(handle, sizeof(font), &font);
    return font;
}

void postKey(WPARAM key, bool alt) {
    const HWND focus = GetFocus();
    ASSERT_NE(focus, nullptr) << "nothing has the focus";
    if (alt) {
        constexpr LPARAM kAltDown = 1 << 29;
        PostMessageW(focus, WM_SYSCHAR, key, kAltDown);
    } else {
        PostMessageW(focus, WM_KEYDOWN, key, 0);
    }
}

void pumpDialogMessages(HWND dialog) {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != FALSE) {
        if (dialog != nullptr && IsWindow(dialog) != FALSE &&
            IsDialogMessageW(dialog, &message) != FALSE) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

WhenModalIsUp::WhenModalIsUp(std::wstring captionStart, std::function<void(HWND)> inspect) {
    currentWatch = std::make_unique<ModalWatch>();
    currentWatch->captionStart = std::move(captionStart);
    currentWatch->inspect = std::move(inspect);
    currentWatch->timer = SetTimer(nullptr, 0, kTickMilliseconds, onTick);
}

WhenModalIsUp::~WhenModalIsUp() {
    KillTimer(nullptr, currentWatch->timer);
    currentWatch.reset();
}

HWND WhenModalIsUp::seen() const { return currentWatch->inspected; }

}  // namespace tallowin::ui::win32::test
