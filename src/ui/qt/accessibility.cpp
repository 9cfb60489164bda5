#include "ui/qt/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QMessageBox>
#include <QString>

#include "ui/qt/form1.h"
#include "ui/qt/form2.h"
#include "ui/qt/message_box.h"
#include "ui/qt/read_only_text_accessible.h"
#include "ui/qt/text_box.h"

namespace tallowin::ui::qt {

namespace {

// A window that takes all input while it is up says so.
class ModalWindowAccessible final : public QAccessibleWidget {
  public:
    using QAccessibleWidget::QAccessibleWidget;

    [[nodiscard]] QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.modal = widget()->isModal();
        return state;
    }
};

bool is(const QString& className, const QMetaObject& type) {
    return className == QLatin1String(type.className());
}

// Each interface is owned by Qt's accessibility cache, which deletes it with
// its widget.
QAccessibleInterface* accessibleFor(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr) return nullptr;
    // The program's own window, not a dialog: QDialog is its base only for
    // the Enter and Esc roles.
    if (is(className, Form1::staticMetaObject))
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (is(className, Form2::staticMetaObject))
        return new ModalWindowAccessible(widget, QAccessible::Dialog);
    if (is(className, QMessageBox::staticMetaObject)) {
        return new ModalWindowAccessible(widget, QAccessible::AlertMessage);
    }
    if (is(className, TextBox::staticMetaObject)) {
        return new ReadOnlyTextAccessible(static_cast<TextBox*>(widget));
    }
    // The message box's text, as composed: a line shortened on the screen
    // is read whole.
    if (is(className, QLabel::staticMetaObject) &&
        widget->objectName() == QLatin1String("qt_msgbox_label")) {
        if (auto* box = qobject_cast<QMessageBox*>(widget->window())) {
            return new ReadOnlyTextAccessible(widget, QAccessible::StaticText,
                                              [box] { return messageBoxText(*box); });
        }
    }
    return nullptr;
}

// The window system's activation of a window reaches screen readers through
// Qt's bridge as one window:activate. For a window of the Window role the
// bridge repeats it from the active state's change, and when that change
// comes before the window is active, first as a deactivation; such changes
// are left out here. Every other event goes on as Qt would send it.
void passOn(QAccessibleEvent* event) {
    if (event->type() == QAccessible::StateChanged &&
        static_cast<QAccessibleStateChangeEvent*>(event)->changedStates().active) {
        if (QAccessibleInterface* window = event->accessibleInterface();
            window != nullptr && window->role() == QAccessible::Window) {
            return;
        }
    }
    // Qt sends an event on to the platform only while no handler is set.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(passOn);
}

}  // namespace

void setUpAccessibility() {
    static const bool done = [] {
        QAccessible::installFactory(accessibleFor);
        QAccessible::installUpdateHandler(passOn);
        return true;
    }();
    (void)done;
}

}  // namespace tallowin::ui::qt
