// Text crosses into and out of Win32 here and only here: the program keeps
// UTF-8 everywhere else, Win32 and COM speak UTF-16.
#pragma once

#include <string>
#include <string_view>

namespace tallowin::win32 {

// UTF-8 to UTF-16. Bytes that are not valid UTF-8 become U+FFFD.
[[nodiscard]] std::wstring toWide(std::string_view utf8);

// UTF-16 to UTF-8. Unpaired surrogates become U+FFFD.
[[nodiscard]] std::string toUtf8(std::wstring_view utf16);

}  // namespace tallowin::win32
