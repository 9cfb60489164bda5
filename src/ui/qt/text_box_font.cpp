#include "ui/qt/text_box_font.h"

#include <QString>

namespace tallowin::ui::qt {

namespace {
constexpr double kTextBoxPointSize = 13.5;
}  // namespace

QFont textBoxFont() {
    // "Sans Serif" is a generic family that fontconfig and the other font
    // back ends resolve to the desktop's sans-serif face; the style hint does
    // the same where the family name is unknown.
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(kTextBoxPointSize);
    return font;
}

}  // namespace tallowin::ui::qt
