#include "ui/qt/form2.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QRect>
#include <QScreen>
#include <QString>
#include <algorithm>
#include <string>
#include <string_view>

#include "ui/ip_list_window_logic.h"
#include "ui/qt/fixed_window.h"
#include "ui/qt/text_box.h"
#include "ui/qt/twips.h"
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
    // A fixed frame: the client area keeps its designed size.
    setFixedSize(twipsSize(3960, 3210));
    // Modal like a classic modal form: while it is up, no other window of
    // the program takes input.
    setWindowModality(Qt::ApplicationModal);
    createControls();
    resetToDesign();
    keepInNormalState(*this);
}

void Form2::createControls() {
    // Text1: the address list. The vertical scroll bar is always there, as
    // on the classic text box, so the wrapping width stays the same however
    // long the list is.
    text1_ = new TextBox(QStringLiteral("IP addresses of this computer"),
                         QStringLiteral("Every IP address of this computer, one per line"), this);
    text1_->setGeometry(twipsRect(120, 120, 3735, 2415));
    text1_->setFocusPolicy(Qt::StrongFocus);
    text1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    // The button keeps the window's own font. It is the default and the
    // cancel button at once: Enter and Esc both press it (Esc:
    // keyPressEvent).
    cmdOK_ = new WrappingPushButton(QStringLiteral("&OK"), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setGeometry(twipsRect(1320, 2640, 1215, 495));
    cmdOK_->setDefault(true);

    setTabOrder(text1_, cmdOK_);

    connect(cmdOK_, &QPushButton::clicked, this, &Form2::cmdOK_Click);
}

void Form2::resetToDesign() {
    setWindowTitle(fromUtf8(kIpListDesignCaption));
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

void Form2::keyPressEvent(QKeyEvent* event) {
    // OK is the cancel button: Esc presses it, wherever the focus is.
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        cmdOK_->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void Form2::cmdOK_Click() { accept(); }

}  // namespace tallowin::ui::qt
