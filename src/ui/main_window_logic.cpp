#include "main_window_logic.h"

#include <algorithm>
#include <cctype>
#include <limits>

#include "sysinfo/ip_addresses.h"

namespace tallowin::ui {

namespace {

constexpr std::string_view kBlanks = "    ";

bool isBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::optional<long long> parseAddressCount(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);

    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;

    constexpr long long kLimit = std::numeric_limits<long long>::max();
    long long value = 0;
    for (char c : text) {
        if (std::isdigit(static_cast<unsigned char>(c)) == 0) return std::nullopt;
        const int digit = c - '0';
        value = value > (kLimit - digit) / 10 ? kLimit : value * 10 + digit;
    }
    return negative ? -value : value;
}

MainWindowContent loadMainWindow(clsSysInfo& service) {
    MainWindowContent content;
    const auto count = parseAddressCount(service.Zin_GetIP(address_mode::kCount));
    content.showAllVisible = count.has_value() && *count > 1;

    content.text = service.Zin_GetIP(address_mode::kFirst);
    content.text += kBlanks;
    content.text += service.Zin_GetComputerName();
    return content;
}

}  // namespace tallowin::ui
