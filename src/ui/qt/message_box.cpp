#include "ui/qt/message_box.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMessageBox>
#include <QScreen>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <algorithm>

#include "ui/qt/fixed_window.h"

namespace tallowin::ui::qt {

namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The text as composed, kept on the box when what it shows is shortened.
constexpr const char* kFullTextProperty = "tallowinFullText";

// Room left for the box's margins beside its text.
constexpr int kMarginAllowance = 48;

// The widest a line of text may be so that the box never wraps it: the box
// starts wrapping at half the screen's width or 500 pixels, whichever is
// less. Twelve unwrapped lines fit any screen the program can show on.
int widestUnwrappedLine(const QMessageBox& box) {
    const QScreen* screen =
        box.screen() != nullptr ? box.screen() : QGuiApplication::primaryScreen();
    const int screenWidth = screen != nullptr ? screen->availableGeometry().width() : 800;
    constexpr int kWrapWidth = 500;
    return std::min(screenWidth / 2, kWrapWidth) - kMarginAllowance;
}

// Each line as wide as fits, a shortened one ending in "…".
QString fittedLines(const QString& text, const QFontMetrics& metrics, int widest) {
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines) line = metrics.elidedText(line, Qt::ElideRight, widest);
    return lines.join(QLatin1Char('\n'));
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
    // The service composes its lines with CR LF; Qt breaks lines at LF alone.
    QString text = fromUtf8(prompt);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));

    // Host text is never read as markup. A line too wide for the screen is
    // shown shortened; copying still takes the whole text.
    box.setTextFormat(Qt::PlainText);
    const QString shown = fittedLines(text, box.fontMetrics(), widestUnwrappedLine(box));
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
