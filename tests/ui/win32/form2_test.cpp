#include <gtest/gtest.h>

#include "fake_host.h"
#include "sysinfo/wmi_names.h"
#include "ui/ip_list_window_logic.h"
#include "ui/win32/designs.h"
#include "ui/win32/form1.h"
#include "win32/wide_text.h"
#include "window_probe.h"

namespace tallowin::ui::win32 {
namespace {

using namespace test;
using tallowin::win32::toWide;

// The list window's caption as loaded: the design's, " for ", the name.
std::wstring titleFor(std::wstring_view name) {
    return toWide(kIpListDesignCaption) + L" for " + std::wstring{name};
}

const std::string kAdapterQuery{wmi::kAdapterAddressesQuery};

// The list window as the main window's "Show All" opens it.
class Form2Window : public ::testing::Test {
  protected:
    Form2Window() {
        host.identity()["ComputerName"] = std::string{"PC7"};
        host.query(kAdapterQuery) = {{{"IPAddress", TextArray{"192.0.2.1", "fe80::1"}}},
                                     {{"IPAddress", TextArray{"198.51.100.4"}}}};
        EXPECT_TRUE(form1.show(SW_SHOWNORMAL));
        pumpDialogMessages(form1.window());
    }

    // Presses "Show All" and runs `inspect` on the list window while it is
    // up; returns when the list window has closed.
    HWND showAll(std::function<void(HWND)> inspect) {
        const WhenModalIsUp watch(toWide(kIpListDesignCaption), std::move(inspect));
        SendMessageW(form1.control(form1::kCmdShowAll), BM_CLICK, 0, 0);
        return watch.seen();
    }

    fake::FakeHost host;
    SharedSysInfo service{host};
    Form1 form1{service, [] {}};
};

TEST_F(Form2Window, listsEveryAddressUnderACaptionNamingTheComputer) {
    const HWND seen = showAll([&](HWND list) {
        EXPECT_EQ(textOf(list), titleFor(L"PC7"));
        EXPECT_EQ(textOf(GetDlgItem(list, form2::kText1)), L"192.0.2.1\r\nfe80::1\r\n198.51.100.4");
        postKey(VK_ESCAPE);
    });
    EXPECT_NE(seen, nullptr);
    EXPECT_EQ(IsWindow(seen), FALSE);
    EXPECT_NE(form1.window(), nullptr) << "closing the list leaves the main window open";
}

TEST_F(Form2Window, looksAsDesigned) {
    showAll([&](HWND list) {
        const DWORD style = styleOf(list);
        EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU), static_cast<DWORD>(WS_CAPTION | WS_SYSMENU));
        EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0u);
        // Owned by the main window, so no taskbar button.
        EXPECT_EQ(GetWindow(list, GW_OWNER), form1.window());
        EXPECT_EQ(extendedStyleOf(list) & WS_EX_APPWINDOW, 0u);

        const SIZE client = clientSize(list);
        EXPECT_EQ(client.cx, 264);
        EXPECT_EQ(client.cy, 214);
        const HWND text1 = GetDlgItem(list, form2::kText1);
        const HWND ok = GetDlgItem(list, form2::kCmdOK);
        EXPECT_EQ(placeOf(text1), (PixelRect{8, 8, 249, 161}));
        EXPECT_EQ(placeOf(ok), (PixelRect{88, 176, 81, 33}));
        EXPECT_EQ(textOf(ok), L"&OK");

        // Read-only, multi-line, a vertical scroll bar and no sideways
        // scrolling; the first tab stop, so it has the focus.
        const DWORD text1Style = styleOf(text1);
        EXPECT_EQ(text1Style & (ES_MULTILINE | ES_READONLY | WS_VSCROLL | WS_TABSTOP),
                  static_cast<DWORD>(ES_MULTILINE | ES_READONLY | WS_VSCROLL | WS_TABSTOP));
        EXPECT_EQ(text1Style & (ES_AUTOHSCROLL | WS_HSCROLL), 0u);
        EXPECT_EQ(GetFocus(), text1);
        EXPECT_EQ(fontOf(text1).lfHeight, -18);

        // Modal, centred on the main window.
        EXPECT_EQ(IsWindowEnabled(form1.window()), FALSE);
        RECT listFrame{};
        RECT mainFrame{};
        GetWindowRect(list, &listFrame);
        GetWindowRect(form1.window(), &mainFrame);
        EXPECT_LE(std::abs((listFrame.left + listFrame.right) - (mainFrame.left + mainFrame.right)),
                  1);
        EXPECT_LE(std::abs((listFrame.top + listFrame.bottom) - (mainFrame.top + mainFrame.bottom)),
                  1);
        postKey(VK_ESCAPE);
    });
    EXPECT_NE(IsWindowEnabled(form1.window()), FALSE);
}

TEST_F(Form2Window, closesOnEnterEscapeAltOAndItsCloseBox) {
    const std::function<void()> closers[] = {
        [] { postKey(VK_RETURN); },
        [] { postKey(VK_ESCAPE); },
        [] { postKey('o', true); },
        [] { PostMessageW(GetActiveWindow(), WM_SYSCOMMAND, SC_CLOSE, 0); },
    };
    for (const auto& close : closers) {
        SCOPED_TRACE(&close - closers);
        const HWND seen = showAll([&](HWND) { close(); });
        ASSERT_NE(seen, nullptr);
        EXPECT_EQ(IsWindow(seen), FALSE);
    }
    EXPECT_TRUE(host.messageBoxes().empty()) << "Enter pressed OK, not the main window's default";
}

TEST_F(Form2Window, startsFromTheDesignAtEveryShowing) {
    showAll([](HWND) { postKey(VK_ESCAPE); });
    host.identity()["ComputerName"] = std::string{"PC8"};
    host.query(kAdapterQuery) = {{{"IPAddress", TextArray{"203.0.113.9"}}}};
    showAll([](HWND list) {
        EXPECT_EQ(textOf(list), titleFor(L"PC8"));
        EXPECT_EQ(textOf(GetDlgItem(list, form2::kText1)), L"203.0.113.9");
        postKey(VK_ESCAPE);
    });
}

}  // namespace
}  // namespace tallowin::ui::win32
