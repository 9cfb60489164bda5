#include "ui/qt/form1.h"

#include <QString>

#include "ui/main_window_logic.h"
#include "ui/qt/accessibility.h"
#include "ui/qt/designed_window.h"
#include "ui/qt/fixed_window.h"
#include "ui/qt/form2.h"
#include "ui/qt/text_box.h"
#include "ui/qt/wrapping_push_button.h"
#include "ui/window_designs.h"

namespace tallowin::ui::qt {

Form1::Form1(SharedSysInfo& service, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      service_(service) {
    setUpAccessibility();
    applyDesign(*this, design::form1::kWindow);
    createControls();
    keepInNormalState(*this);
}

void Form1::createControls() {
    // Created in tab order. Text1: the text line, on the colour of button
    // faces.
    text1_ = new TextBox(design::form1::kText1, this);
    // The buttons keep the window's own font.
    cmdSysInfo_ = addButton(*this, design::form1::kCmdSysInfo);
    cmdShowAll_ = addButton(*this, design::form1::kCmdShowAll);
    cmdOK_ = addButton(*this, design::form1::kCmdOK);
    pressOnEscape(*this, *cmdOK_);
    // The first tab stop has the focus when the window is shown.
    cmdSysInfo_->setFocus();

    connect(cmdSysInfo_, &QPushButton::clicked, this, &Form1::cmdSysInfo_Click);
    connect(cmdShowAll_, &QPushButton::clicked, this, &Form1::cmdShowAll_Click);
    connect(cmdOK_, &QPushButton::clicked, this, &Form1::cmdOK_Click);
}

void Form1::load() {
    const MainWindowContent content = loadMainWindow(service_.get());
    cmdShowAll_->setVisible(content.showAllVisible);
    const QString text = QString::fromStdString(content.text);
    text1_->setPlainText(text);
    // A screen reader speaks a window's description right after its title:
    // the address and the name are heard as the window opens, though the
    // text line is not a tab stop.
    setAccessibleDescription(text);
}

void Form1::cmdSysInfo_Click() {
    // The report shows its own modal message box and returns once it is
    // dismissed; nothing is read back.
    service_.get().Zin_SysInfo();
}

void Form1::cmdShowAll_Click() {
    // The list window is made at the first press and kept for the next; each
    // press loads it afresh and waits until it is closed.
    if (form2_ == nullptr) form2_ = new Form2(service_, this);
    form2_->showModal();
}

void Form1::cmdOK_Click() { close(); }

}  // namespace tallowin::ui::qt
