// The two windows as designed, for every front end: captions, client sizes
// and control places in twips (1/1440 inch; 15 twips make a pixel at 96
// DPI), controls in tab order, the buttons that Enter and Esc press, and
// what screen readers call the text boxes.
// Both front ends draw from these alone, scaled by one rule (twips.h), so
// the windows cannot drift apart. (The face that stands in for "MS Sans
// Serif" is each platform's own.)
#pragma once

#include <array>
#include <span>
#include <string_view>

namespace tallowin::ui::design {

// A control's place from the client area's top-left corner, in twips.
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// What a text box is drawn on: the colour of text boxes, or of button faces.
enum class Background { textBox, buttonFace };

// The text boxes' size, in the sans-serif face the platform stands in for
// "MS Sans Serif".
inline constexpr double kTextBoxPoints = 13.5;

struct Control {
    std::string_view name;     // Text1, cmdOK, ...
    std::string_view caption;  // a button's, "&" before its access key; none for a text box
    TwipsRect place;
    bool textBox = false;
    bool tabStop = true;
    bool scrollBar = false;  // a text box's vertical scroll bar, always there
    bool isDefault = false;  // Enter presses it
    bool isCancel = false;   // Esc presses it
    // What a screen reader calls a text box, which has no caption of its
    // own, and what it says of it; a button is called by its caption.
    std::string_view accessibleName = {};
    std::string_view accessibleDescription = {};
    Background background = Background::textBox;  // a text box's
};

struct Window {
    std::string_view caption;  // as designed, before a load step changes it
    int clientWidth = 0;       // twips
    int clientHeight = 0;
    std::span<const Control> controls;  // in tab order
};

namespace form1 {
// Text1 is no tab stop: a click gives it the focus, but Tab passes it by.
inline constexpr Control kText1{
    .name = "Text1",
    .caption = "",
    .place = {120, 480, 3375, 915},
    .textBox = true,
    .tabStop = false,
    .accessibleName = "IP address and computer name",
    .accessibleDescription = "The first IP address of this computer and its name",
    .background = Background::buttonFace};
inline constexpr Control kCmdSysInfo{.name = "cmdSysInfo",
                                     .caption = "System Information",
                                     .place = {120, 1560, 1095, 495},
                                     .isDefault = true};
inline constexpr Control kCmdShowAll{
    .name = "cmdShowAll", .caption = "Show All", .place = {1200, 1560, 1095, 495}};
inline constexpr Control kCmdOK{
    .name = "cmdOK", .caption = "&OK", .place = {2280, 1560, 1095, 495}, .isCancel = true};
inline constexpr std::array kControls{kText1, kCmdSysInfo, kCmdShowAll, kCmdOK};
inline constexpr Window kWindow{"Tallowin", 3615, 2355, kControls};
}  // namespace form1

namespace form2 {
inline constexpr Control kText1{
    .name = "Text1",
    .caption = "",
    .place = {120, 120, 3735, 2415},
    .textBox = true,
    .scrollBar = true,
    .accessibleName = "IP addresses of this computer",
    .accessibleDescription = "Every IP address of this computer, one per line"};
// OK is the default and the cancel button at once.
inline constexpr Control kCmdOK{.name = "cmdOK",
                                .caption = "&OK",
                                .place = {1320, 2640, 1215, 495},
                                .isDefault = true,
                                .isCancel = true};
inline constexpr std::array kControls{kText1, kCmdOK};
inline constexpr Window kWindow{"IP Addresses", 3960, 3210, kControls};
}  // namespace form2

}  // namespace tallowin::ui::design
