// What the IP address list window shows, decided without any toolkit: both
// front ends draw the result of loadIpListWindow().
#pragma once

#include <string>
#include <string_view>

#include "sysinfo/clsSysInfo.h"
#include "ui/window_designs.h"

namespace tallowin::ui {

// The window's caption as designed, before the load step extends it.
inline constexpr std::string_view kIpListDesignCaption = design::form2::kWindow.caption;

struct IpListContent {
    std::string caption;  // the design caption, " for ", the computer name
    std::string list;     // every address, CR LF between two
};

// The load step: reads the window's current caption (at load always the
// design caption), asks for the computer name, then for the address list.
[[nodiscard]] IpListContent loadIpListWindow(clsSysInfo& service, std::string_view currentCaption);

}  // namespace tallowin::ui
