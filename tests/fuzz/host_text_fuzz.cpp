// The small readers of host text on any bytes: /proc/uptime, the host
// name's computer name and domain, and the repair of text that is not
// UTF-8.
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "fuzz_input.h"
#include "names.h"
#include "sysinfo/host_value.h"
#include "sysinfo/valid_utf8.h"
#include "uptime.h"
#include "utf8_check.h"

namespace {

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
    require(hostName.starts_with(computer), "the computer name is the host name's first label");

    const std::string domain = userDomainOf(hostName);
    const auto dot = hostName.find('.');
    if (dot != std::string_view::npos && dot + 1 < hostName.size()) {
        require(domain == hostName.substr(dot + 1), "the domain is what follows the first dot");
    } else {
        require(domain == computer, "without a domain the computer name stands in");
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
    const std::size_t which = input.below(3);
    const std::string text = input.rest();
    switch (which) {
        case 0:
            checkUptime(text);
            break;
        case 1:
            checkHostName(text);
            break;
        default:
            checkUtf8(text);
            break;
    }
    return 0;
}
