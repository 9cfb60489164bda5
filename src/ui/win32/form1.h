// The main window: the machine's first IP address and its computer name on
// one text line, and the buttons "System Information", "Show All" and "OK".
// Closing it (OK, Alt+O, Esc, the close box or the system's close command)
// destroys it, which ends the program.
#pragma once

#include <functional>
#include <optional>

#include "ui/shared_sysinfo.h"
#include "ui/win32/dialog.h"
#include "ui/win32/form2.h"

namespace tallowin::ui::win32 {

class Form1 final : public Dialog {
  public:
    // `onClosed` runs when the window has gone; the program ends there.
    Form1(SharedSysInfo& service, std::function<void()> onClosed);
    ~Form1() override;

    // Makes the window, runs the load step, centres the window on the screen
    // and shows it. False when the window could not be made.
    bool show(int showCommand);

    // For the message loop: Tab, Enter, Esc and the access keys.
    [[nodiscard]] bool isDialogMessage(MSG& message) const;

  private:
    void onInit() override;
    void onCommand(int id) override;
    void onClose() override;
    void onDestroy() override;

    // The load step: asks the service for the address count, the first
    // address and the computer name, and fills the window with them.
    void load();
    void cmdSysInfo_Click();
    void cmdShowAll_Click();
    void cmdOK_Click();

    SharedSysInfo& service_;
    std::function<void()> onClosed_;
    // The list window, made by the first "Show All" and kept for the next.
    std::optional<Form2> form2_;
};

}  // namespace tallowin::ui::win32
