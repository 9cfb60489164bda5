// The program's windows are fixed dialogs: they are never maximised,
// minimised or made full screen. Window systems that draw such buttons
// anyway (Qt's own title bars on Wayland) or that change a window's state
// on their own are answered by putting the window back as it was.
#pragma once

class QWidget;

namespace tallowin::ui::qt {

// Keeps `window` (a fixed-size top-level widget) in its normal state for
// its whole life: whatever maximises, minimises or fills the screen with
// it, it asks once to be normal again and keeps or takes back its own size.
// A window minimised through the program is shown anew, and a modal one
// closed; a window that a modal window blocks hands its activation on to
// that window, which brings it back wherever the compositor minimised it.
// So no window is ever left locked behind a hidden one.
void keepInNormalState(QWidget& window);

}  // namespace tallowin::ui::qt
