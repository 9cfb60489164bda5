#include "ui/win32/form1.h"

#include <array>
#include <utility>

#include "ui/main_window_logic.h"
#include "ui/win32/designs.h"
#include "ui/win32/edit_text.h"
#include "ui/win32/placement.h"

namespace tallowin::ui::win32 {

namespace {

constexpr std::array kControls{
    ControlDesign{form1::kText1, design::form1::kText1},
    ControlDesign{form1::kCmdSysInfo, design::form1::kCmdSysInfo},
    ControlDesign{form1::kCmdShowAll, design::form1::kCmdShowAll},
    ControlDesign{form1::kCmdOK, design::form1::kCmdOK},
};

// A fixed dialog frame with a caption and a close box, no minimise or
// maximise box; a taskbar button of its own.
constexpr WindowDesign kDesign{
    .window = design::form1::kWindow,
    .style = WS_POPUP | WS_CAPTION | WS_SYSMENU,
    .extendedStyle = WS_EX_APPWINDOW,
    .controls = kControls,
};

}  // namespace

Form1::Form1(SharedSysInfo& service, std::function<void()> onClosed)
    : Dialog(kDesign), service_(service), onClosed_(std::move(onClosed)) {}

Form1::~Form1() = default;

bool Form1::show(int showCommand) {
    if (!createModeless(nullptr)) return false;
    ShowWindow(window(), showCommand);
    return true;
}

bool Form1::isDialogMessage(MSG& message) const {
    return window() != nullptr && IsDialogMessageW(window(), &message) != FALSE;
}

void Form1::onInit() {
    // Text1 is no tab stop: the user can click into it to select and copy,
    // but Tab passes it by. Enter presses "System Information"; Esc presses
    // OK (onCommand).
    addControls();
    applyDpi();
    load();
    centreOnScreen(window());
}

void Form1::load() {
    const MainWindowContent content = loadMainWindow(service_.get());
    ShowWindow(control(form1::kCmdShowAll), content.showAllVisible ? SW_SHOWNA : SW_HIDE);
    SetWindowTextW(control(form1::kText1), editControlText(content.text).c_str());
    // A screen reader speaks a window's description right after its title:
    // the text line is heard as the window opens, though Tab passes it by.
    accessibleTexts().annotate(window(), AccessibleText::description, content.text);
}

void Form1::onCommand(int id) {
    switch (id) {
        case form1::kCmdSysInfo:
            cmdSysInfo_Click();
            break;
        case form1::kCmdShowAll:
            cmdShowAll_Click();
            break;
        case form1::kCmdOK:
        case IDCANCEL:  // Esc: OK is the cancel button
            cmdOK_Click();
            break;
        default:
            break;
    }
}

void Form1::onClose() { cmdOK_Click(); }

void Form1::onDestroy() {
    if (onClosed_) onClosed_();
}

void Form1::cmdSysInfo_Click() { service_.get().Zin_SysInfo(); }

void Form1::cmdShowAll_Click() {
    if (!form2_) form2_.emplace(service_);
    form2_->showModal(window());
}

void Form1::cmdOK_Click() { DestroyWindow(window()); }

}  // namespace tallowin::ui::win32
