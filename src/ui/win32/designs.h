// The two windows as designed: client areas and controls in twips, control
// ids (public so that tests can find the controls) and captions.
#pragma once

#include "ui/win32/twips.h"

namespace tallowin::ui::win32 {

namespace form1 {
inline constexpr int kClientWidth = 3615;
inline constexpr int kClientHeight = 2355;

inline constexpr int kText1 = 100;
inline constexpr int kCmdSysInfo = 101;
inline constexpr int kCmdShowAll = 102;
inline constexpr int kCmdOK = 103;

inline constexpr TwipsRect kText1Rect{120, 480, 3375, 915};
inline constexpr TwipsRect kCmdSysInfoRect{120, 1560, 1095, 495};
inline constexpr TwipsRect kCmdShowAllRect{1200, 1560, 1095, 495};
inline constexpr TwipsRect kCmdOKRect{2280, 1560, 1095, 495};
}  // namespace form1

namespace form2 {
inline constexpr int kClientWidth = 3960;
inline constexpr int kClientHeight = 3210;

inline constexpr int kText1 = 100;
inline constexpr int kCmdOK = 101;

inline constexpr TwipsRect kText1Rect{120, 120, 3735, 2415};
inline constexpr TwipsRect kCmdOKRect{1320, 2640, 1215, 495};
}  // namespace form2

}  // namespace tallowin::ui::win32
