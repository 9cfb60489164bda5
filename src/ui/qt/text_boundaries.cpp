#include "ui/qt/text_boundaries.h"

#include <QTextBoundaryFinder>
#include <algorithm>

namespace tallowin::ui::qt {

namespace {

TextRange lineAt(const QString& text, int offset) {
    const auto size = static_cast<int>(text.size());
    // A line starts after the break before the offset; the break that ends
    // it belongs to it.
    const auto start = offset == 0 ? 0 : static_cast<int>(text.lastIndexOf(u'\n', offset - 1)) + 1;
    const auto breakAt = static_cast<int>(text.indexOf(u'\n', std::min(offset, size)));
    return {start, breakAt < 0 ? size : breakAt + 1};
}

TextRange segmentAt(const QString& text, int offset, QTextBoundaryFinder::BoundaryType type) {
    const auto size = static_cast<int>(text.size());
    if (offset >= size) {
        return {size, size};
    }
    QTextBoundaryFinder finder(type, text);
    finder.setPosition(offset);
    const auto start =
        finder.isAtBoundary() ? offset : static_cast<int>(finder.toPreviousBoundary());
    finder.setPosition(offset);
    const auto end = static_cast<int>(finder.toNextBoundary());
    return {std::max(start, 0), end < 0 ? size : end};
}

}  // namespace

TextRange rangeAt(const QString& text, int offset, QAccessible::TextBoundaryType boundary) {
    const auto size = static_cast<int>(text.size());
    offset = std::clamp(offset, 0, size);
    switch (boundary) {
        case QAccessible::CharBoundary:
            return segmentAt(text, offset, QTextBoundaryFinder::Grapheme);
        case QAccessible::WordBoundary:
            return segmentAt(text, offset, QTextBoundaryFinder::Word);
        case QAccessible::SentenceBoundary:
            return segmentAt(text, offset, QTextBoundaryFinder::Sentence);
        case QAccessible::ParagraphBoundary:
        case QAccessible::LineBoundary:
            return lineAt(text, offset);
        case QAccessible::NoBoundary:
            break;
    }
    return {0, size};
}

TextRange rangeBefore(const QString& text, int offset, QAccessible::TextBoundaryType boundary) {
    const TextRange here = rangeAt(text, offset, boundary);
    if (here.start == 0 || boundary == QAccessible::NoBoundary) {
        return {0, 0};
    }
    return rangeAt(text, here.start - 1, boundary);
}

TextRange rangeAfter(const QString& text, int offset, QAccessible::TextBoundaryType boundary) {
    const auto size = static_cast<int>(text.size());
    const TextRange here = rangeAt(text, offset, boundary);
    if (here.end >= size || boundary == QAccessible::NoBoundary) {
        return {size, size};
    }
    return rangeAt(text, here.end, boundary);
}

}  // namespace tallowin::ui::qt
