#include "ui/qt/wrapping_push_button.h"

#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace tallowin::ui::qt {

namespace {

// Sizes below these are no longer readable; a caption that does not fit even
// then is drawn at this size.
constexpr double kSmallestPointSize = 6.0;
constexpr int kSmallestPixelSize = 8;
constexpr double kPointStep = 0.5;

bool fits(const QFont& font, const QWidget* device, const QRect& area, int flags,
          const QString& text) {
    const QRect needed = QFontMetrics(font, device).boundingRect(area, flags, text);
    return needed.width() <= area.width() && needed.height() <= area.height();
}

// One size smaller, or false when the font is as small as it may get.
bool shrink(QFont& font) {
    if (font.pointSizeF() > 0) {
        if (font.pointSizeF() - kPointStep < kSmallestPointSize) return false;
        font.setPointSizeF(font.pointSizeF() - kPointStep);
        return true;
    }
    if (font.pixelSize() - 1 < kSmallestPixelSize) return false;
    font.setPixelSize(font.pixelSize() - 1);
    return true;
}

}  // namespace

WrappingPushButton::WrappingPushButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {}

QRect WrappingPushButton::captionRect() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
}

int WrappingPushButton::captionFlags() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    const bool underline = style()->styleHint(QStyle::SH_UnderlineShortcut, &option, this) != 0;
    return Qt::AlignCenter | Qt::TextWordWrap |
           (underline ? Qt::TextShowMnemonic : Qt::TextHideMnemonic);
}

QFont WrappingPushButton::captionFont() const {
    const QRect area = captionRect();
    const int flags = captionFlags();
    QFont candidate = font();
    while (!fits(candidate, this, area, flags, text())) {
        if (!shrink(candidate)) break;
    }
    return candidate;
}

void WrappingPushButton::paintEvent(QPaintEvent* /*event*/) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);

    // The style draws the button with its frame and focus mark but no
    // caption; the caption follows, wrapped.
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    QRect area = captionRect();
    if (isDown() || isChecked()) {
        area.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                       style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    }
    painter.setFont(captionFont());
    painter.drawItemText(area, captionFlags(), option.palette, isEnabled(), caption,
                         QPalette::ButtonText);
}

}  // namespace tallowin::ui::qt
