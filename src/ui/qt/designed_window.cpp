#include "ui/qt/designed_window.h"

#include <QAbstractButton>
#include <QDialog>
#include <QKeySequence>
#include <QShortcut>
#include <QString>

#include "ui/qt/twips.h"
#include "ui/qt/wrapping_push_button.h"

namespace tallowin::ui::qt {

namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

void applyDesign(QDialog& window, const design::Window& design) {
    window.setWindowTitle(fromUtf8(design.caption));
    // A fixed frame: the client area keeps its designed size.
    window.setFixedSize(clientSize(design));
}

void place(QWidget& widget, const design::Control& control) {
    widget.setObjectName(fromUtf8(control.name));
    widget.setGeometry(placeOf(control));
    // A control that is no tab stop still takes the focus from a click.
    widget.setFocusPolicy(control.tabStop ? Qt::StrongFocus : Qt::ClickFocus);
}

WrappingPushButton* addButton(QDialog& window, const design::Control& control) {
    // Owned by the window as its Qt child.
    auto* button = new WrappingPushButton(fromUtf8(control.caption), &window);
    place(*button, control);
    button->setDefault(control.isDefault);
    return button;
}

void pressOnEscape(QDialog& window, QAbstractButton& cancel) {
    // Owned by the window as its Qt child.
    auto* escape = new QShortcut(QKeySequence::Cancel, &window);
    QObject::connect(escape, &QShortcut::activated, &cancel, &QAbstractButton::click);
}

}  // namespace tallowin::ui::qt
