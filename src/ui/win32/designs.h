// The Win32 ids of the two windows' controls (public so that tests can find
// the controls), and the client sizes that tests check. Everything else
// about the windows is in ui/window_designs.h, for every front end.
#pragma once

#include "ui/window_designs.h"

namespace tallowin::ui::win32 {

namespace form1 {
inline constexpr int kClientWidth = design::form1::kWindow.clientWidth;
inline constexpr int kClientHeight = design::form1::kWindow.clientHeight;

inline constexpr int kText1 = 100;
inline constexpr int kCmdSysInfo = 101;
inline constexpr int kCmdShowAll = 102;
inline constexpr int kCmdOK = 103;
}  // namespace form1

namespace form2 {
inline constexpr int kClientWidth = design::form2::kWindow.clientWidth;
inline constexpr int kClientHeight = design::form2::kWindow.clientHeight;

inline constexpr int kText1 = 100;
inline constexpr int kCmdOK = 101;
}  // namespace form2

}  // namespace tallowin::ui::win32
