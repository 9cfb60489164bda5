// The IP address list window: every IP address of the machine, one per line,
// under a title that names the computer, and an OK button that closes it
// (as do Enter, Esc, Alt+O and the close box). The main window shows it
// modally, owned by and centred on itself; it has no taskbar button.
#pragma once

#include <windows.h>

#include "ui/shared_sysinfo.h"
#include "ui/win32/dialog.h"

namespace tallowin::ui::win32 {

class Form2 final : public Dialog {
  public:
    explicit Form2(SharedSysInfo& service);

    // Loads the window afresh from its design, runs the load step and shows
    // it modal to `owner`. Returns when the window has been closed.
    void showModal(HWND owner);

  private:
    void onInit() override;
    void onCommand(int id) override;
    void onClose() override;

    // The load step: extends the caption with the computer name and fills
    // the list with the machine's addresses.
    void load();
    void cmdOK_Click();

    SharedSysInfo& service_;
    HWND owner_ = nullptr;
};

}  // namespace tallowin::ui::win32
