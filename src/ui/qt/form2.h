// The IP address list window: every IP address of the machine, one per line,
// under a title that names the computer, and an OK button that closes it. The
// main window shows it modally over itself from its "Show All" button.
#pragma once

#include <QDialog>

#include "ui/shared_sysinfo.h"

namespace tallowin::ui::qt {

class TextBox;
class WrappingPushButton;

// A dialog owned by the main window: it has no taskbar button of its own and
// is centred on the main window each time it is shown. The object outlives
// its showings; every showing starts again from the window as designed.
class Form2 final : public QDialog {
    Q_OBJECT

  public:
    Form2(SharedSysInfo& service, QWidget* owner);

    // Loads the window afresh (design values, then the load step) and shows
    // it modal to the whole program. Returns when the window is closed.
    void showModal();

  private slots:
    void cmdOK_Click();

  private:
    void createControls();
    // Puts back the caption, the empty list and the focus as designed.
    void resetToDesign();
    // The load step: extends the caption with the computer name and fills
    // the list with the machine's addresses.
    void load();
    // Centres the window on the main window, within the main window's screen.
    void centreOnOwner();

    SharedSysInfo& service_;
    // Owned by this window as their Qt parent.
    TextBox* text1_ = nullptr;
    WrappingPushButton* cmdOK_ = nullptr;
};

}  // namespace tallowin::ui::qt
