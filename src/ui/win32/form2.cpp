#include "ui/win32/form2.h"

#include <array>
#include <string>

#include "ui/ip_list_window_logic.h"
#include "ui/win32/designs.h"
#include "ui/win32/edit_text.h"
#include "ui/win32/placement.h"
#include "win32/wide_text.h"

namespace tallowin::ui::win32 {

namespace {

constexpr std::array kControls{
    ControlDesign{form2::kText1, design::form2::kText1},
    ControlDesign{form2::kCmdOK, design::form2::kCmdOK},
};

// A fixed dialog frame with a caption and a close box, no minimise or
// maximise box. Owned by the main window, so no taskbar button.
constexpr WindowDesign kDesign{
    .window = design::form2::kWindow,
    .style = WS_POPUP | WS_CAPTION | WS_SYSMENU,
    .extendedStyle = 0,
    .controls = kControls,
};

std::string windowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return tallowin::win32::toUtf8(text);
}

}  // namespace

Form2::Form2(SharedSysInfo& service) : Dialog(kDesign), service_(service) {}

void Form2::showModal(HWND owner) {
    owner_ = owner;
    runModal(owner);
}

void Form2::onInit() {
    // Text1, the first tab stop, has the focus when the window is shown. Long
    // lines wrap; the list never scrolls sideways. OK is the default button
    // (Enter) and the cancel button (Esc) at once.
    addControls();
    applyDpi();
    load();
    centreOnOwner(window(), owner_);
}

void Form2::load() {
    const IpListContent content = loadIpListWindow(service_.get(), windowText(window()));
    SetWindowTextW(window(), editControlText(content.caption).c_str());
    SetWindowTextW(control(form2::kText1), editControlText(content.list).c_str());
}

void Form2::onCommand(int id) {
    if (id == form2::kCmdOK || id == IDOK || id == IDCANCEL) cmdOK_Click();
}

void Form2::onClose() { cmdOK_Click(); }

void Form2::cmdOK_Click() { endModal(IDOK); }

}  // namespace tallowin::ui::win32
