// The modal message box that the back end shows for the service (the system
// information report and its notices), drawn with Qt. Its signature matches
// the back end's MessageBoxFn.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

class QMessageBox;
class QString;

namespace tallowin::ui::qt {

// The button code that an OK-only box answers.
inline constexpr int kMessageBoxOk = 1;

// Prepares a box with the prompt as plain text (each CR LF pair a line
// break), one OK button, no icon, selectable text, and the title given or
// else the application's name.
void setUpMessageBox(QMessageBox& box, std::string_view prompt,
                     std::optional<std::string_view> title);

// The box's text as composed, where what it shows has lines shortened to fit
// the screen.
[[nodiscard]] QString messageBoxText(const QMessageBox& box);

// Shows the box modal to the active window, waits until it is dismissed and
// answers OK. Every box the service shows offers only OK, so the style's
// button set is not looked at.
int showMessageBox(std::string_view prompt, std::int32_t style,
                   std::optional<std::string_view> title);

}  // namespace tallowin::ui::qt
