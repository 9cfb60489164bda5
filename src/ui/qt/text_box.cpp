#include "ui/qt/text_box.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPalette>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextOption>

#include "ui/qt/designed_window.h"
#include "ui/qt/text_box_font.h"

namespace tallowin::ui::qt {

TextBox::TextBox(const design::Control& control, QWidget* parent) : QPlainTextEdit(parent) {
    place(*this, control);
    const auto fromUtf8 = [](std::string_view text) {
        return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    };
    const QString accessibleName = fromUtf8(control.accessibleName);
    setAccessibleName(accessibleName);
    setAccessibleDescription(fromUtf8(control.accessibleDescription));
    // A scroll bar is announced by its name: the box's.
    verticalScrollBar()->setAccessibleName(accessibleName);
    horizontalScrollBar()->setAccessibleName(accessibleName);
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setTabChangesFocus(true);
    // Long lines wrap, at a blank where there is one and anywhere otherwise
    // (a long IPv6 address has none), so the text never scrolls sideways.
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // A scroll bar of the design is always there, as on the classic text
    // box, so the wrapping width stays the same however long the text is.
    setVerticalScrollBarPolicy(control.scrollBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setFont(textBoxFont());
    if (control.background == design::Background::buttonFace) {
        // The colour of button faces, in every state.
        QPalette palette = this->palette();
        for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            palette.setBrush(group, QPalette::Base, palette.brush(group, QPalette::Button));
        }
        setPalette(palette);
    }
}

void TextBox::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QPlainTextEdit::mouseDoubleClickEvent(event);
        return;
    }
    QTextCursor cursor = cursorForPosition(event->position().toPoint());
    const QString line = cursor.block().text();
    const int at = cursor.positionInBlock();
    // The run touching the click: a click on either half of a character
    // takes its run. Between blanks alone, the blanks are the run.
    const auto blank = [&](int i) { return line.at(i).isSpace(); };
    const bool onText = (at < line.size() && !blank(at)) || (at > 0 && !blank(at - 1));
    const auto inRun = [&](int i) { return blank(i) != onText; };
    int start = at;
    while (start > 0 && inRun(start - 1)) --start;
    int end = at;
    while (end < line.size() && inRun(end)) ++end;
    const int blockStart = cursor.block().position();
    cursor.setPosition(blockStart + start);
    cursor.setPosition(blockStart + end, QTextCursor::KeepAnchor);
    setTextCursor(cursor);
    // As any selection made with the mouse, it is offered for middle-click
    // pasting where the window system has such a selection.
    if (QClipboard* clipboard = QGuiApplication::clipboard(); clipboard->supportsSelection()) {
        clipboard->setText(cursor.selectedText(), QClipboard::Selection);
    }
    event->accept();
}

}  // namespace tallowin::ui::qt
