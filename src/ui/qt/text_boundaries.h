// Where a piece of text around an offset begins and ends, by the units a
// screen reader moves in: a character, a word, a sentence, a line. A line
// runs up to and with its line break, as assistive technology expects, so
// that stepping from one line's end reaches the next line.
#pragma once

#include <QAccessible>
#include <QString>

namespace tallowin::ui::qt {

struct TextRange {
    int start = 0;
    int end = 0;  // one past the last character
};

// The unit of `boundary` that holds `offset`. At the text's end, the last
// line, and an empty range for the smaller units.
[[nodiscard]] TextRange rangeAt(const QString& text, int offset,
                                QAccessible::TextBoundaryType boundary);

// The unit just before, or just after, the one that holds `offset`; an
// empty range at the text's start or end.
[[nodiscard]] TextRange rangeBefore(const QString& text, int offset,
                                    QAccessible::TextBoundaryType boundary);
[[nodiscard]] TextRange rangeAfter(const QString& text, int offset,
                                   QAccessible::TextBoundaryType boundary);

}  // namespace tallowin::ui::qt
