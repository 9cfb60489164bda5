#include "ui/qt/message_box.h"

#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMessageBox>
#include <QRect>
#include <QScreen>
#include <QString>
#include <QVariant>
#include <algorithm>

#include "ui/message_fit.h"
#include "ui/qt/fixed_window.h"

namespace tallowin::ui::qt {

namespace {

using ui::fitMessage;
using ui::LineMeasure;
using ui::MessageLimits;
using ui::messageLimits;

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The text as composed, kept on the box when what it shows is shortened.
constexpr const char* kFullTextProperty = "tallowinFullText";

// Room left for the box's margins beside its text.
constexpr int kMarginAllowance = 48;

// The box starts wrapping a line at half the screen's width or 500 pixels,
// whichever is less; a line narrower than that, less the margins, is never
// wrapped, so each line is one line high.
MessageLimits limitsFor(const QMessageBox& box) {
    const QScreen* screen =
        box.screen() != nullptr ? box.screen() : QGuiApplication::primaryScreen();
    const QRect area = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 800, 600);
    MessageLimits limits = messageLimits(area.width(), area.height());
    constexpr int kWrapWidth = 500;
    limits.width = std::min(limits.width, kWrapWidth) - kMarginAllowance;
    return limits;
}

LineMeasure measureIn(const QFontMetrics& metrics) {
    return {[metrics](std::string_view line) { return metrics.horizontalAdvance(fromUtf8(line)); },
            [metrics](std::string_view) { return metrics.lineSpacing(); }};
}

// The service composes its lines with CR LF; Qt breaks lines at LF alone.
QString withQtLineBreaks(std::string_view text) {
    return fromUtf8(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// Ctrl+C copies the whole text wherever the focus is; a part selected with
// the mouse is copied by the text itself.
class CopyableMessageBox final : public QMessageBox {
  public:
    using QMessageBox::QMessageBox;

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->matches(QKeySequence::Copy)) {
            QGuiApplication::clipboard()->setText(messageBoxText(*this));
            event->accept();
            return;
        }
        QMessageBox::keyPressEvent(event);
    }
};

}  // namespace

QString messageBoxText(const QMessageBox& box) {
    const QVariant full = box.property(kFullTextProperty);
    return full.isValid() ? full.toString() : box.text();
}

void setUpMessageBox(QMessageBox& box, std::string_view prompt,
                     std::optional<std::string_view> title) {
    // Host text is never read as markup. What does not fit the screen is
    // shown shortened; copying still takes the whole text.
    box.setTextFormat(Qt::PlainText);
    const QString text = withQtLineBreaks(prompt);
    const QString shown =
        withQtLineBreaks(fitMessage(prompt, limitsFor(box), measureIn(box.fontMetrics())));
    box.setText(shown);
    box.setProperty(kFullTextProperty, shown != text ? QVariant(text) : QVariant());
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    box.setIcon(QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok);
    box.setWindowTitle(title ? fromUtf8(*title) : QGuiApplication::applicationDisplayName());
}

// The service asks for style 0 (the notice) or 0xFF00 (the report). Both come
// down to OK alone with no icon: the report's further bits (an undefined
// default button, system- and task-modal at once, a Help button with no help
// behind it, the no-focus bit) are not honoured, so the box never blocks
// other programs and offers no button that does nothing.
int showMessageBox(std::string_view prompt, std::int32_t /*style*/,
                   std::optional<std::string_view> title) {
    QWidget* owner = QApplication::activeWindow();
    CopyableMessageBox box(owner);
    setUpMessageBox(box, prompt, title);
    // Modal to the whole program (which has one window below it), never to
    // the whole desktop. Not window-modal: that makes the box a sheet, which
    // Qt's Wayland title bars leave without a title or a close box.
    box.setWindowModality(Qt::ApplicationModal);
    keepInNormalState(box);
    box.exec();
    return kMessageBoxOk;
}

}  // namespace tallowin::ui::qt
