// What assistive technology meets in place of Qt's own interface for a text
// the program shows but never lets anyone change: the text boxes and the
// message box's text. It offers the text by character, word, line and so
// on, but no editing: Qt's own interface for a text box edits even a
// read-only one when a screen reader asks it to, and offers none for the
// message box's text, which could then be read only whole.
#pragma once

#include <QAccessibleWidget>
#include <QString>
#include <functional>

class QPlainTextEdit;

namespace tallowin::ui::qt {

class ReadOnlyTextAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    // A text box: its text, caret and selection are the box's own.
    explicit ReadOnlyTextAccessible(QPlainTextEdit* box);
    // Any other widget showing `text()`, in the role given, with no caret.
    ReadOnlyTextAccessible(QWidget* widget, QAccessible::Role role, std::function<QString()> text);

    void* interface_cast(QAccessible::InterfaceType type) override;
    [[nodiscard]] QAccessible::State state() const override;
    [[nodiscard]] QString text(QAccessible::Text kind) const override;

    // QAccessibleTextInterface
    void selection(int index, int* start, int* end) const override;
    [[nodiscard]] int selectionCount() const override;
    void addSelection(int start, int end) override;
    void removeSelection(int index) override;
    void setSelection(int index, int start, int end) override;
    [[nodiscard]] int cursorPosition() const override;
    void setCursorPosition(int position) override;
    [[nodiscard]] QString text(int start, int end) const override;
    [[nodiscard]] QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary,
                                           int* start, int* end) const override;
    [[nodiscard]] QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary,
                                          int* start, int* end) const override;
    [[nodiscard]] QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary,
                                       int* start, int* end) const override;
    [[nodiscard]] int characterCount() const override;
    [[nodiscard]] QRect characterRect(int offset) const override;
    [[nodiscard]] int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int start, int end) override;
    [[nodiscard]] QString attributes(int offset, int* start, int* end) const override;

  private:
    [[nodiscard]] QString allText() const;

    QPlainTextEdit* box_ = nullptr;  // null for a widget without a caret
    std::function<QString()> text_;
};

}  // namespace tallowin::ui::qt
