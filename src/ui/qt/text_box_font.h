// The font of the windows' text boxes (the main window's text line and the
// list window's address list): a sans-serif face at 13.5 points, regular.
// The buttons keep the window's own font.
#pragma once

#include <QFont>

namespace tallowin::ui::qt {

[[nodiscard]] QFont textBoxFont();

}  // namespace tallowin::ui::qt
