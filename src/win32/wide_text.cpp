#include "win32/wide_text.h"

#include <windows.h>

#include <climits>
#include <stdexcept>

namespace tallowin::win32 {

namespace {

// The conversion functions count in int; no text the program handles comes
// near that limit.
int checkedLength(std::size_t length) {
    if (length > static_cast<std::size_t>(INT_MAX)) {
        throw std::length_error("text too long for a Win32 conversion");
    }
    return static_cast<int>(length);
}

}  // namespace

std::wstring toWide(std::string_view utf8) {
    if (utf8.empty()) return {};
    const int length = checkedLength(utf8.size());
    // Without MB_ERR_INVALID_CHARS invalid bytes become U+FFFD.
    const int needed = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, nullptr, 0);
    if (needed <= 0) return {};
    std::wstring wide(static_cast<std::size_t>(needed), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, wide.data(), needed);
    return wide;
}

std::string toUtf8(std::wstring_view utf16) {
    if (utf16.empty()) return {};
    const int length = checkedLength(utf16.size());
    // Without WC_ERR_INVALID_CHARS unpaired surrogates become U+FFFD.
    const int needed =
        WideCharToMultiByte(CP_UTF8, 0, utf16.data(), length, nullptr, 0, nullptr, nullptr);
    if (needed <= 0) return {};
    std::string utf8(static_cast<std::size_t>(needed), '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), length, utf8.data(), needed, nullptr, nullptr);
    return utf8;
}

}  // namespace tallowin::win32
