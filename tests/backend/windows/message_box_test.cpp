#include "message_box.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "sysinfo/report.h"
#include "ui/window_designs.h"
#include "win32/wide_text.h"

namespace tallowin::windows_backend {
namespace {

TEST(MessageBoxFlags, keepsTheDefinedButtonsIconsAndDefaultButton) {
    EXPECT_EQ(messageBoxFlags(0), static_cast<UINT>(MB_OK));
    EXPECT_EQ(messageBoxFlags(MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2),
              static_cast<UINT>(MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2));
    EXPECT_EQ(messageBoxFlags(MB_CANCELTRYCONTINUE | MB_ICONINFORMATION | MB_DEFBUTTON4),
              static_cast<UINT>(MB_CANCELTRYCONTINUE | MB_ICONINFORMATION | MB_DEFBUTTON4));
}

TEST(MessageBoxFlags, showsTheReportsStyleAsOkAloneModalToTheProgram) {
    // 0xFF00: an undefined default button, system- and task-modal, Help and
    // the bit Windows keeps for itself.
    EXPECT_EQ(messageBoxFlags(0xFF00), static_cast<UINT>(MB_OK | MB_TASKMODAL));
    EXPECT_EQ(messageBoxFlags(MB_SYSTEMMODAL | MB_HELP | 0x8000), static_cast<UINT>(MB_OK));
    // Undefined button sets and icons are left out as well.
    EXPECT_EQ(messageBoxFlags(0x0007 | 0x0050), static_cast<UINT>(MB_OK));
}

// What a person sees of a message box, read from another thread while the
// box is up; the box is then closed with its OK button.
struct SeenBox {
    std::wstring title;
    std::wstring text;
    std::vector<std::wstring> buttons;  // visible ones
    bool iconShown = false;
    HWND owner = nullptr;
    bool ownerEnabled = true;
    RECT frame{};
};

std::wstring windowText(HWND window) {
    wchar_t text[1024] = {};
    GetWindowTextW(window, text, 1024);
    return text;
}

std::wstring className(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

HWND findBoxOf(DWORD thread) {
    HWND found = nullptr;
    EnumThreadWindows(
        thread,
        [](HWND window, LPARAM result) -> BOOL {
            if (className(window) != L"#32770" || IsWindowVisible(window) == FALSE) return TRUE;
            *reinterpret_cast<HWND*>(result) = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

class BoxWatcher {
  public:
    explicit BoxWatcher(DWORD thread) : watcher_([this, thread] { watch(thread); }) {}
    ~BoxWatcher() {
        if (watcher_.joinable()) watcher_.join();
    }
    BoxWatcher(const BoxWatcher&) = delete;
    BoxWatcher& operator=(const BoxWatcher&) = delete;

    const SeenBox& seen() {
        if (watcher_.joinable()) watcher_.join();
        return seen_;
    }

  private:
    void watch(DWORD thread) {
        HWND box = nullptr;
        for (int tries = 0; tries < 1000 && box == nullptr; ++tries) {
            box = findBoxOf(thread);
            if (box == nullptr) std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        if (box == nullptr) return;
        seen_.title = windowText(box);
        GetWindowRect(box, &seen_.frame);
        seen_.owner = GetWindow(box, GW_OWNER);
        seen_.ownerEnabled = seen_.owner != nullptr && IsWindowEnabled(seen_.owner) != FALSE;
        EnumChildWindows(
            box,
            [](HWND child, LPARAM self) -> BOOL {
                auto& seen = reinterpret_cast<BoxWatcher*>(self)->seen_;
                if (IsWindowVisible(child) == FALSE) return TRUE;
                const std::wstring kind = className(child);
                if (_wcsicmp(kind.c_str(), L"Button") == 0) {
                    seen.buttons.push_back(windowText(child));
                } else if (_wcsicmp(kind.c_str(), L"Static") == 0) {
                    const auto style = static_cast<DWORD>(GetWindowLongPtrW(child, GWL_STYLE));
                    if ((style & SS_TYPEMASK) == SS_ICON) {
                        seen.iconShown =
                            seen.iconShown || SendMessageW(child, STM_GETICON, 0, 0) != 0;
                    } else if (!windowText(child).empty()) {
                        seen.text = windowText(child);
                    }
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(this));
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    }

    SeenBox seen_;
    std::thread watcher_;
};

TEST(MessageBoxes, showsTheReportWithItsTitleAndTheOkButtonAlone) {
    const std::string report = "Computer Information\r\n\r\nSystem Name:  PC7";
    BoxWatcher watcher(GetCurrentThreadId());
    EXPECT_EQ(showMessageBox(report, 0xFF00, kReportTitle), IDOK);
    const SeenBox& seen = watcher.seen();
    EXPECT_EQ(seen.title, win32::toWide(kReportTitle));
    EXPECT_EQ(seen.text, L"Computer Information\r\n\r\nSystem Name:  PC7");
    EXPECT_EQ(seen.buttons, std::vector<std::wstring>{L"OK"});
    EXPECT_FALSE(seen.iconShown);
}

TEST(MessageBoxes, titlesABoxWithoutTitleWithTheProgramsName) {
    BoxWatcher watcher(GetCurrentThreadId());
    EXPECT_EQ(showMessageBox(kNoResponseNotice, 0, std::nullopt), IDOK);
    const SeenBox& seen = watcher.seen();
    EXPECT_EQ(seen.title, win32::toWide(ui::design::form1::kWindow.caption));
    EXPECT_EQ(seen.text, win32::toWide(kNoResponseNotice));
    EXPECT_EQ(seen.buttons, std::vector<std::wstring>{L"OK"});
}

TEST(MessageBoxes, isOwnedByTheActiveWindowAndKeepsItFromInput) {
    const HWND window = CreateWindowExW(0, L"STATIC", L"Main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10,
                                        10, 200, 100, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    SetActiveWindow(window);
    ASSERT_EQ(GetActiveWindow(), window);

    BoxWatcher watcher(GetCurrentThreadId());
    EXPECT_EQ(showMessageBox("Report", 0xFF00, kReportTitle), IDOK);
    const SeenBox& seen = watcher.seen();
    EXPECT_EQ(seen.owner, window);
    EXPECT_FALSE(seen.ownerEnabled);
    EXPECT_NE(IsWindowEnabled(window), FALSE);  // given back when the box goes
    DestroyWindow(window);
}

std::string lines(std::size_t count, const std::string& line) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) text += (i == 0 ? "" : "\r\n") + line;
    return text;
}

TEST(MessageBoxes, fitTheScreenHoweverLongThePrompt) {
    const struct {
        const char* what;
        std::string prompt;
    } cases[] = {
        {"60,000 characters on one line", std::string(60'000, 'M')},
        {"twelve lines of 256 characters", lines(12, std::string(256, 'W'))},
        {"a thousand lines", lines(1000, "System Name:  PC7")},
        // Two long words a line, which the box breaks between them.
        {"a thousand lines the box wraps",
         lines(1000, std::string(20, 'W') + ' ' + std::string(20, 'W'))},
    };
    RECT area{};
    ASSERT_NE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0), FALSE);
    for (const auto& c : cases) {
        BoxWatcher watcher(GetCurrentThreadId());
        EXPECT_EQ(showMessageBox(c.prompt, 0xFF00, kReportTitle), IDOK) << c.what;
        const SeenBox& seen = watcher.seen();
        EXPECT_EQ(seen.buttons, std::vector<std::wstring>{L"OK"}) << c.what;
        EXPECT_GE(seen.frame.left, area.left) << c.what;
        EXPECT_GE(seen.frame.top, area.top) << c.what;
        EXPECT_LE(seen.frame.right, area.right) << c.what;
        EXPECT_LE(seen.frame.bottom, area.bottom) << c.what;
        EXPECT_NE(seen.text.find(L'\u2026'), std::wstring::npos) << c.what;  // shortened
    }
}

}  // namespace
}  // namespace tallowin::windows_backend
