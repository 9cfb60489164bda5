#include "ui/win32/form1.h"

#include <gtest/gtest.h>

#include "fake_host.h"
#include "sysinfo/report.h"
#include "sysinfo/wmi_names.h"
#include "ui/twips.h"
#include "ui/win32/designs.h"
#include "win32/wide_text.h"
#include "window_probe.h"

namespace tallowin::ui::win32 {
namespace {

using namespace test;
using tallowin::win32::toWide;

std::wstring wide(std::string_view text) { return toWide(text); }

const std::string kAdapterQuery{wmi::kAdapterAddressesQuery};

class Form1Window : public ::testing::Test {
  protected:
    Form1Window() {
        host.identity()["ComputerName"] = std::string{"PC7"};
        setAddresses({"192.0.2.1", "192.0.2.2"});
    }

    void setAddresses(TextArray addresses) {
        host.query(kAdapterQuery) = {{{"IPAddress", std::move(addresses)}}};
    }

    HWND open() {
        EXPECT_TRUE(form.show(SW_SHOWNORMAL));
        pumpDialogMessages(form.window());
        return form.window();
    }

    HWND item(int id) const { return form.control(id); }

    void pressKey(WPARAM key, bool alt = false) {
        postKey(key, alt);
        pumpDialogMessages(form.window());
    }

    fake::FakeHost host;
    SharedSysInfo service{host};
    int closings = 0;
    Form1 form{service, [this] { ++closings; }};
};

TEST_F(Form1Window, looksAsDesigned) {
    const HWND window = open();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(textOf(window), wide(design::form1::kWindow.caption));

    // A fixed dialog frame with a close box, no minimise or maximise box,
    // and a taskbar button.
    const DWORD style = styleOf(window);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU), static_cast<DWORD>(WS_CAPTION | WS_SYSMENU));
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0u);
    EXPECT_NE(extendedStyleOf(window) & WS_EX_APPWINDOW, 0u);
    EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr);

    // The design at 96 DPI (its pixels are spelt out in the golden test of
    // the designed sizes).
    const SIZE client = clientSize(window);
    EXPECT_EQ(client.cx, twipsToPixels(form1::kClientWidth, kStandardDpi));
    EXPECT_EQ(client.cy, twipsToPixels(form1::kClientHeight, kStandardDpi));
    const std::pair<int, design::Control> controls[] = {
        {form1::kText1, design::form1::kText1},
        {form1::kCmdSysInfo, design::form1::kCmdSysInfo},
        {form1::kCmdShowAll, design::form1::kCmdShowAll},
        {form1::kCmdOK, design::form1::kCmdOK}};
    for (const auto& [id, control] : controls) {
        EXPECT_EQ(placeOf(item(id)), toPixels(control.place, kStandardDpi)) << control.name;
        if (!control.textBox) {
            EXPECT_EQ(textOf(item(id)), wide(control.caption)) << control.name;
        }
    }
    EXPECT_NE(styleOf(item(form1::kCmdSysInfo)) & BS_MULTILINE, 0u);

    // Text1: read-only, multi-line with word wrap, no scroll bars, no tab
    // stop, in "MS Sans Serif" 13.5 pt.
    const DWORD text1 = styleOf(item(form1::kText1));
    EXPECT_EQ(text1 & (ES_MULTILINE | ES_READONLY), static_cast<DWORD>(ES_MULTILINE | ES_READONLY));
    EXPECT_EQ(text1 & (ES_AUTOHSCROLL | WS_HSCROLL | WS_VSCROLL | WS_TABSTOP), 0u);
    const LOGFONTW font = fontOf(item(form1::kText1));
    EXPECT_EQ(std::wstring(font.lfFaceName), L"MS Sans Serif");
    EXPECT_EQ(font.lfHeight, -18);
    EXPECT_EQ(font.lfWeight, FW_NORMAL);

    // Centred on the screen.
    RECT frame{};
    RECT workArea{};
    GetWindowRect(window, &frame);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
    EXPECT_LE(std::abs((frame.left + frame.right) - (workArea.left + workArea.right)), 1);
    EXPECT_LE(std::abs((frame.top + frame.bottom) - (workArea.top + workArea.bottom)), 1);
}

TEST_F(Form1Window, scalesItselfWhenMovedToAMonitorOfAnotherDpi) {
    const HWND window = open();
    RECT suggested{100, 50, 500, 400};
    constexpr UINT kDpiChanged = 0x02E0;
    SendMessageW(window, kDpiChanged, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));

    const SIZE client = clientSize(window);
    EXPECT_EQ(client.cx, 362);
    EXPECT_EQ(client.cy, 236);
    EXPECT_EQ(placeOf(item(form1::kText1)), (PixelRect{12, 48, 338, 92}));
    EXPECT_EQ(placeOf(item(form1::kCmdOK)), (PixelRect{228, 156, 110, 50}));
    EXPECT_EQ(fontOf(item(form1::kText1)).lfHeight, -27);
    RECT frame{};
    GetWindowRect(window, &frame);
    EXPECT_EQ(frame.left, 100);
    EXPECT_EQ(frame.top, 50);
}

TEST_F(Form1Window, showsTheFirstAddressAndTheComputerNameAndOffersShowAll) {
    open();
    EXPECT_EQ(textOf(item(form1::kText1)), L"192.0.2.1    PC7");
    EXPECT_NE(IsWindowVisible(item(form1::kCmdShowAll)), FALSE);
}

TEST_F(Form1Window, hidesShowAllForASingleAddress) {
    setAddresses({"192.0.2.1"});
    open();
    EXPECT_EQ(textOf(item(form1::kText1)), L"192.0.2.1    PC7");
    EXPECT_EQ(IsWindowVisible(item(form1::kCmdShowAll)), FALSE);
}

TEST_F(Form1Window, givesTheFocusToSystemInformationWhichEnterPresses) {
    open();
    EXPECT_EQ(GetFocus(), item(form1::kCmdSysInfo));
    EXPECT_EQ(LOWORD(SendMessageW(form.window(), DM_GETDEFID, 0, 0)), form1::kCmdSysInfo);

    pressKey(VK_RETURN);
    ASSERT_EQ(host.messageBoxes().size(), 1u);
    EXPECT_EQ(host.messageBoxes().front().title, kReportTitle);
    EXPECT_EQ(closings, 0);
}

TEST_F(Form1Window, tabPassesTextOneBy) {
    open();
    pressKey(VK_TAB);
    EXPECT_EQ(GetFocus(), item(form1::kCmdShowAll));
    pressKey(VK_TAB);
    EXPECT_EQ(GetFocus(), item(form1::kCmdOK));
    pressKey(VK_TAB);
    EXPECT_EQ(GetFocus(), item(form1::kCmdSysInfo));
}

TEST_F(Form1Window, closesOnEscapeEvenFromTheTextLine) {
    open();
    SetFocus(item(form1::kText1));
    pressKey(VK_ESCAPE);
    EXPECT_EQ(form.window(), nullptr);
    EXPECT_EQ(closings, 1);
    EXPECT_TRUE(host.messageBoxes().empty());
}

TEST_F(Form1Window, closesOnAltO) {
    open();
    pressKey('o', true);
    EXPECT_EQ(form.window(), nullptr);
    EXPECT_EQ(closings, 1);
}

TEST_F(Form1Window, closesByItsCloseBoxAsByOk) {
    const HWND window = open();
    SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    pumpDialogMessages(window);
    EXPECT_EQ(IsWindow(window), FALSE);
    EXPECT_EQ(closings, 1);
}

}  // namespace
}  // namespace tallowin::ui::win32
