#include "text.h"

#include <algorithm>

namespace tallowin::linux_backend {
namespace {

char asciiLower(char c) noexcept {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

bool equalsIgnoringCase(std::string_view a, std::string_view b) noexcept {
    return std::ranges::equal(a, b, [](char x, char y) { return asciiLower(x) == asciiLower(y); });
}

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) noexcept {
    return text.size() >= prefix.size() &&
           equalsIgnoringCase(text.substr(0, prefix.size()), prefix);
}

bool isBlankOrNul(char c) noexcept {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f' || c == '\0';
}

std::string_view trimTrailingBlanks(std::string_view text) noexcept {
    while (!text.empty() && isBlankOrNul(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::string_view trimBlanks(std::string_view text) noexcept {
    text = trimTrailingBlanks(text);
    while (!text.empty() && isBlankOrNul(text.front())) {
        text.remove_prefix(1);
    }
    return text;
}

}  // namespace tallowin::linux_backend
