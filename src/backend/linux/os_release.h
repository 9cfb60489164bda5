// The operating system's own description of itself, from its os-release
// file: newline-separated shell-style assignments such as
//   PRETTY_NAME="Debian GNU/Linux 12 (bookworm)"
#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "root_files.h"

namespace tallowin::linux_backend {

// The assignments in os-release text, by name; a name assigned twice keeps
// its last value. A value stands bare or in double or single quotes. A
// backslash makes the next character literal in a bare value, and inside
// double quotes before " \ $ and ` (elsewhere there it stays, as in the
// shell); single quotes keep everything. Nothing is expanded. Blank lines
// and lines starting with # are ignored, and so is any line that is not such
// an assignment: an unclosed quote, a name that is not a shell name, blanks
// around the "=", or anything but blanks and a # comment after the value.
[[nodiscard]] std::map<std::string, std::string, std::less<>> parseOsRelease(std::string_view text);

// PRETTY_NAME, else NAME, else "Linux", from etc/os-release or, when that
// file does not exist, usr/lib/os-release. Whichever exists is used alone,
// even when it cannot be read or names neither.
[[nodiscard]] std::string operatingSystemCaption(const FileReader& read);

}  // namespace tallowin::linux_backend
