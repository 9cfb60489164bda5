#include "ui/qt/read_only_text_accessible.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <algorithm>
#include <utility>

#include "ui/qt/text_boundaries.h"

namespace tallowin::ui::qt {

namespace {

// The piece of `text` in `range`, with its ends handed out.
QString piece(const QString& text, TextRange range, int* start, int* end) {
    *start = range.start;
    *end = range.end;
    return text.mid(range.start, range.end - range.start);
}

}  // namespace

ReadOnlyTextAccessible::ReadOnlyTextAccessible(QPlainTextEdit* box)
    : QAccessibleWidget(box, QAccessible::EditableText), box_(box) {}

ReadOnlyTextAccessible::ReadOnlyTextAccessible(QWidget* widget, QAccessible::Role role,
                                               std::function<QString()> text)
    : QAccessibleWidget(widget, role), text_(std::move(text)) {}

void* ReadOnlyTextAccessible::interface_cast(QAccessible::InterfaceType type) {
    // Text, never EditableText.
    if (type == QAccessible::TextInterface) {
        return static_cast<QAccessibleTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State ReadOnlyTextAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.editable = false;
    state.multiLine = true;
    state.selectableText = true;
    return state;
}

QString ReadOnlyTextAccessible::text(QAccessible::Text kind) const {
    // A text box is named by its own name; the message box's text, which
    // has none, by what it says, as a label is.
    if (kind == QAccessible::Value ||
        (kind == QAccessible::Name && box_ == nullptr && widget()->accessibleName().isEmpty())) {
        return allText();
    }
    return QAccessibleWidget::text(kind);
}

QString ReadOnlyTextAccessible::allText() const {
    return box_ != nullptr ? box_->toPlainText() : text_();
}

void ReadOnlyTextAccessible::selection(int index, int* start, int* end) const {
    *start = *end = 0;
    if (index == 0 && box_ != nullptr && box_->textCursor().hasSelection()) {
        *start = box_->textCursor().selectionStart();
        *end = box_->textCursor().selectionEnd();
    }
}

int ReadOnlyTextAccessible::selectionCount() const {
    return box_ != nullptr && box_->textCursor().hasSelection() ? 1 : 0;
}

void ReadOnlyTextAccessible::addSelection(int start, int end) { setSelection(0, start, end); }

void ReadOnlyTextAccessible::removeSelection(int /*index*/) {
    if (box_ != nullptr) {
        QTextCursor cursor = box_->textCursor();
        cursor.clearSelection();
        box_->setTextCursor(cursor);
    }
}

// Selecting changes nothing of the text: a screen reader may select to copy.
void ReadOnlyTextAccessible::setSelection(int /*index*/, int start, int end) {
    if (box_ == nullptr) {
        return;
    }
    const int last = characterCount();
    QTextCursor cursor = box_->textCursor();
    cursor.setPosition(std::clamp(start, 0, last));
    cursor.setPosition(std::clamp(end, 0, last), QTextCursor::KeepAnchor);
    box_->setTextCursor(cursor);
}

int ReadOnlyTextAccessible::cursorPosition() const {
    return box_ != nullptr ? box_->textCursor().position() : 0;
}

void ReadOnlyTextAccessible::setCursorPosition(int position) {
    setSelection(0, position, position);
}

QString ReadOnlyTextAccessible::text(int start, int end) const {
    return allText().mid(start, end - start);
}

QString ReadOnlyTextAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary,
                                                 int* start, int* end) const {
    const QString all = allText();
    return piece(all, rangeBefore(all, offset, boundary), start, end);
}

QString ReadOnlyTextAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundary,
                                                int* start, int* end) const {
    const QString all = allText();
    return piece(all, rangeAfter(all, offset, boundary), start, end);
}

QString ReadOnlyTextAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundary,
                                             int* start, int* end) const {
    const QString all = allText();
    return piece(all, rangeAt(all, offset, boundary), start, end);
}

int ReadOnlyTextAccessible::characterCount() const { return static_cast<int>(allText().size()); }

QRect ReadOnlyTextAccessible::characterRect(int offset) const {
    if (box_ == nullptr || offset < 0 || offset >= characterCount()) {
        return {};
    }
    QTextCursor cursor(box_->document());
    cursor.setPosition(offset);
    QRect rect = box_->cursorRect(cursor);
    rect.setWidth(box_->fontMetrics().horizontalAdvance(allText().at(offset)));
    return {box_->viewport()->mapToGlobal(rect.topLeft()), rect.size()};
}

int ReadOnlyTextAccessible::offsetAtPoint(const QPoint& point) const {
    if (box_ == nullptr) {
        return -1;
    }
    const QPoint inside = box_->viewport()->mapFromGlobal(point);
    return box_->viewport()->rect().contains(inside) ? box_->cursorForPosition(inside).position()
                                                     : -1;
}

void ReadOnlyTextAccessible::scrollToSubstring(int start, int /*end*/) {
    if (box_ != nullptr) {
        setCursorPosition(start);
        box_->ensureCursorVisible();
    }
}

QString ReadOnlyTextAccessible::attributes(int /*offset*/, int* start, int* end) const {
    *start = 0;
    *end = characterCount();
    return {};
}

}  // namespace tallowin::ui::qt
