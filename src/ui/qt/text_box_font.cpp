#include "ui/qt/text_box_font.h"

#include <QString>

#include "ui/window_designs.h"

namespace tallowin::ui::qt {

QFont textBoxFont() {
    // "Sans Serif" is a generic family that fontconfig and the other font
    // back ends resolve to the desktop's sans-serif face; the style hint does
    // the same where the family name is unknown.
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(design::kTextBoxPoints);
    return font;
}

}  // namespace tallowin::ui::qt
