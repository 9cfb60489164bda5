// The main window: the machine's first IP address and its computer name on
// one text line, and the buttons "System Information", "Show All" and "OK".
// Closing it (OK, Alt+O, Esc, the close box or the system's close command)
// ends the program.
#pragma once

#include <QDialog>

#include "ui/shared_sysinfo.h"

namespace tallowin::ui::qt {

class Form2;
class TextBox;
class WrappingPushButton;

// A QDialog for its default and cancel button roles (Enter and Esc), shown as
// an ordinary top-level window with a taskbar button and a fixed frame.
class Form1 final : public QDialog {
    Q_OBJECT

  public:
    explicit Form1(SharedSysInfo& service, QWidget* parent = nullptr);

    // The load step: asks the service for the address count, the first
    // address and the computer name, and fills the window with them. Called
    // once, before the window is first shown.
    void load();

  private slots:
    void cmdSysInfo_Click();
    void cmdShowAll_Click();
    void cmdOK_Click();

  private:
    void createControls();

    SharedSysInfo& service_;
    // Owned by this window as their Qt parent.
    TextBox* text1_ = nullptr;
    WrappingPushButton* cmdSysInfo_ = nullptr;
    WrappingPushButton* cmdShowAll_ = nullptr;
    WrappingPushButton* cmdOK_ = nullptr;
    // The list window, made by the first "Show All"; owned as a Qt child.
    Form2* form2_ = nullptr;
};

}  // namespace tallowin::ui::qt
