// The small readers of host text on any bytes: /proc/uptime, the host
// name's computer name and domain, the one-line rule for shown values, and
// the repair of text that is not UTF-8.
#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "fuzz_input.h"
#include "names.h"
#include "sysinfo/host_value.h"
#include "sysinfo/one_line.h"
#include "sysinfo/valid_utf8.h"
#include "uptime.h"
#include "utf8_check.h"

namespace {

using tallowin::fuzz::codePoints;
using tallowin::fuzz::FuzzInput;
using tallowin::fuzz::isValidUtf8;
using tallowin::fuzz::require;
using namespace tallowin::linux_backend;

void checkUptime(std::string_view text) {
    const auto milliseconds = parseUptimeMilliseconds(text);
    if (!milliseconds) return;
    std::uint64_t seconds = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
    require(error == std::errc{} && end != text.data(), "uptime text starts with its seconds");
    require(*milliseconds / 1000 == seconds, "whole seconds are read exactly");

    std::string fraction = std::to_string(*milliseconds % 1000);
    fraction.insert(0, 3 - fraction.size(), '0');
    const std::string again = std::to_string(seconds) + "." + fraction + " 1.00\n";
    require(parseUptimeMilliseconds(again) == milliseconds, "reads back the same milliseconds");
}

void checkHostName(std::string_view hostName) {
    const std::string computer = computerNameOf(hostName);
    require(computer.find('.') == std::string::npos, "a computer name has no dot");
    // The name proper starts at the first label that is not empty.
    const std::string_view named =
        hostName.substr(std::min(hostName.find_first_not_of('.'), hostName.size()));
    require(named.starts_with(computer), "the computer name is the first non-empty label");

    const std::string domain = userDomainOf(hostName);
    const auto dot = named.find('.');
    if (dot != std::string_view::npos && dot + 1 < named.size()) {
        require(domain == named.substr(dot + 1), "the domain is what follows the computer name");
    } else {
        require(domain == computer, "without a domain the computer name stands in");
    }
}

// Code points a window must never get from the host: line breaks, controls,
// bidirectional controls and invisible format characters (listed here apart
// from the rule's own table).
bool isForbidden(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0xAD || c == 0x061C ||
           (c >= 0x200B && c <= 0x200F) || (c >= 0x2028 && c <= 0x202E) ||
           (c >= 0x2060 && c <= 0x2064) || (c >= 0x2066 && c <= 0x2069) || c == 0xFEFF;
}

void checkOneLine(std::string_view bytes) {
    const std::string line = tallowin::oneLine(bytes);
    require(isValidUtf8(line), "a shown value is valid UTF-8");
    const std::u32string shown = codePoints(line);
    require(std::ranges::none_of(shown, isForbidden),
            "a shown value holds no line break, control, bidi or invisible character");
    require(shown.size() <= tallowin::kMaxShownCharacters, "a shown value is never past the cap");
    require(tallowin::oneLine(line) == line, "a shown value is shown as it is");
    if (isValidUtf8(bytes)) {
        const std::u32string host = codePoints(bytes);
        if (std::ranges::none_of(host, isForbidden) && host.size() <= shown.size()) {
            require(line == bytes, "plain text within the cap is shown unchanged");
        }
    }
}

void checkUtf8(std::string_view bytes) {
    const std::string repaired = tallowin::toValidUtf8(bytes);
    require(isValidUtf8(repaired), "repaired text is valid UTF-8");
    if (isValidUtf8(bytes)) require(repaired == bytes, "valid text comes back unchanged");
    require(tallowin::toValidUtf8(repaired) == repaired, "repairing twice changes nothing");
    const auto asText = tallowin::toText(tallowin::HostValue{std::string(bytes)});
    require(asText && *asText == repaired, "host text is shown repaired");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const std::size_t which = input.below(4);
    const std::string text = input.rest();
    switch (which) {
        case 0:
            checkUptime(text);
            break;
        case 1:
            checkHostName(text);
            break;
        case 2:
            checkOneLine(text);
            break;
        default:
            checkUtf8(text);
            break;
    }
    return 0;
}
