#include "ui/qt/form2.h"

#include <QRect>
#include <QScreen>
#include <QString>
#include <algorithm>
#include <string>
#include <string_view>

#include "ui/ip_list_window_logic.h"
#include "ui/qt/designed_window.h"
#include "ui/qt/fixed_window.h"
#include "ui/qt/text_box.h"
#include "ui/qt/wrapping_push_button.h"

namespace tallowin::ui::qt {

namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The service ends each line with CR LF, and host text holds no line break
// of its own; a text box in Qt breaks lines at LF.
QString linesFromService(std::string_view text) {
    QString lines = fromUtf8(text);
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return lines;
}

}  // namespace

Form2::Form2(SharedSysInfo& service, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      service_(service) {
    setObjectName(QStringLiteral("Form2"));
    applyDesign(*this, design::form2::kWindow);
    // Modal like a classic modal form: while it is up, no other window of
    // the program takes input.
    setWindowModality(Qt::ApplicationModal);
    createControls();
    resetToDesign();
    keepInNormalState(*this);
}

void Form2::createControls() {
    // Created in tab order. Text1: the address list.
    text1_ = new TextBox(design::form2::kText1, this);
    // The button keeps the window's own font. It is the default and the
    // cancel button at once: Enter and Esc both press it.
    cmdOK_ = addButton(*this, design::form2::kCmdOK);
    pressOnEscape(*this, *cmdOK_);

    connect(cmdOK_, &QPushButton::clicked, this, &Form2::cmdOK_Click);
}

void Form2::resetToDesign() {
    setWindowTitle(fromUtf8(design::form2::kWindow.caption));
    text1_->clear();
    // The first tab stop has the focus when the window is shown.
    text1_->setFocus();
}

void Form2::load() {
    const std::string caption = windowTitle().toStdString();
    const IpListContent content = loadIpListWindow(service_.get(), caption);
    setWindowTitle(fromUtf8(content.caption));
    text1_->setPlainText(linesFromService(content.list));
}

void Form2::showModal() {
    resetToDesign();
    load();
    centreOnOwner();
    exec();
}

void Form2::centreOnOwner() {
    // Placed afresh at every showing, wherever either window was moved in
    // between. The window's frame is not known before it is first shown; it
    // is taken to be as wide as the owner's, which wears the same title bar.
    // (Qt's own centring guesses a fixed frame instead, which puts the window
    // off centre where the window system draws none or another.)
    const QWidget* owner = parentWidget();
    if (owner == nullptr) return;  // QDialog centres it on the screen then
    const QRect ownerFrame = owner->frameGeometry();
    QRect frame({}, size() + ownerFrame.size() - owner->size());
    frame.moveCenter(ownerFrame.center());

    // Kept on the owner's screen, its title bar first where it does not fit.
    const QRect screen = owner->screen()->availableGeometry();
    frame.moveLeft(
        std::max(screen.left(), std::min(frame.left(), screen.right() - frame.width() + 1)));
    frame.moveTop(
        std::max(screen.top(), std::min(frame.top(), screen.bottom() - frame.height() + 1)));
    move(frame.topLeft());
}

void Form2::cmdOK_Click() { accept(); }

}  // namespace tallowin::ui::qt
