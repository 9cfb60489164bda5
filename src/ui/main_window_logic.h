// What the main window shows, decided without any toolkit: both front ends
// draw the result of loadMainWindow().
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "sysinfo/clsSysInfo.h"

namespace tallowin::ui {

struct MainWindowContent {
    std::string text;             // Text1: first address, four blanks, computer name
    bool showAllVisible = false;  // cmdShowAll
};

// The load step: asks the service for the address count, the first address
// and the computer name, in that order.
[[nodiscard]] MainWindowContent loadMainWindow(clsSysInfo& service);

// The address count as a number, or nothing when the text is not one
// (the service's error text, or empty text). Counts beyond any integer
// range saturate, so they still read as "more than one".
[[nodiscard]] std::optional<long long> parseAddressCount(std::string_view text);

}  // namespace tallowin::ui
