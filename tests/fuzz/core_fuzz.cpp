// The service on a fuzzed host: any values (Null, text with any bytes,
// numbers, booleans, arrays) in any property, any number of items, and any
// operations failing with any number and description. Whatever the host
// does, each call releases every object it made, answers valid UTF-8 and
// keeps to the shape of its answer:
//   - Zin_GetIP mode 2: decimal digits, empty text or "Error in IP Address";
//   - the list modes end in CR LF only where the host gave an address that
//     shows as nothing;
//   - Zin_UpTime with ", " names pieces that add up to the uptime;
//   - Zin_SysInfo shows at most one box: the notice as it is due, or the
//     report with its labels in order, on twelve lines whatever the values
//     hold.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fake_host.h"
#include "fuzz_check.h"
#include "fuzz_input.h"
#include "report_lines.h"
#include "sysinfo/clsSysInfo.h"
#include "sysinfo/identity.h"
#include "sysinfo/ip_addresses.h"
#include "sysinfo/one_line.h"
#include "sysinfo/report.h"
#include "sysinfo/wmi_names.h"
#include "utf8_check.h"

namespace {

using tallowin::fuzz::FuzzInput;
using tallowin::fuzz::isValidUtf8;
using tallowin::fuzz::require;
using namespace tallowin;

// Whether the host answers an address that shows as nothing (empty, or
// only characters that are never shown); it legitimately leaves an empty
// line in the list.
struct Scenario {
    bool emptyAddress = false;
};

HostValue valueFrom(FuzzInput& input, Scenario& scenario, bool address = false) {
    switch (input.below(6)) {
        case 0:
            return Null{};
        case 1:
            return static_cast<std::int64_t>(input.u64());
        case 2:
            return input.flag();
        case 3: {
            TextArray array(input.below(7));
            for (std::string& element : array) {
                element = input.text(24);
                if (oneLine(element).empty()) {
                    scenario.emptyAddress = scenario.emptyAddress || address;
                }
            }
            return array;
        }
        case 4:
            return std::string{"PC7"};
        default:
            return input.text(24);
    }
}

void fillItems(FuzzInput& input, Scenario& scenario, fake::FakeHost& host, std::string_view wql,
               std::initializer_list<std::string_view> properties, bool addresses = false) {
    auto& items = host.query(std::string(wql));
    for (std::size_t count = input.below(4); count > 0; --count) {
        fake::Item item;
        for (const std::string_view property : properties) {
            if (input.below(8) != 0) {
                item[std::string(property)] = valueFrom(input, scenario, addresses);
            }
        }
        items.push_back(std::move(item));
    }
}

HostError errorFrom(FuzzInput& input) {
    switch (input.below(4)) {
        case 0:
            return {13, "Type mismatch"};
        case 1:
            return {-2147217406, "Not found"};
        case 2:
            return {input.i32(), input.text(16)};
        default:
            return {91, "Object variable or With block variable not set\r\n"};
    }
}

bool isDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

std::vector<std::string_view> split(std::string_view text, std::string_view separator) {
    std::vector<std::string_view> pieces;
    for (std::size_t at; (at = text.find(separator)) != std::string_view::npos;) {
        pieces.push_back(text.substr(0, at));
        text.remove_prefix(at + separator.size());
    }
    pieces.push_back(text);
    return pieces;
}

// The uptime's pieces, largest unit first, add up to the uptime in whole
// seconds (halves to even); a month is 2,629,743.828768 seconds.
void checkUptime(const std::string& answer, std::uint64_t milliseconds) {
    struct Unit {
        std::string_view name;
        long double seconds;
    };
    constexpr Unit kUnits[] = {{"month", 2'629'743.828768L},
                               {"week", 604'800},
                               {"day", 86'400},
                               {"hour", 3'600},
                               {"minute", 60},
                               {"second", 1}};
    std::uint64_t seconds = milliseconds / 1000;
    const std::uint64_t rest = milliseconds % 1000;
    if (rest > 500 || (rest == 500 && seconds % 2 == 1)) ++seconds;
    if (seconds == 0) {
        require(answer.empty(), "no uptime is empty text");
        return;
    }
    long double total = 0;
    std::size_t unit = 0;
    for (const std::string_view piece : split(answer, ", ")) {
        const auto blank = piece.find(' ');
        require(blank != std::string_view::npos, "a piece is a count and a unit");
        const std::string_view count = piece.substr(0, blank);
        std::string_view name = piece.substr(blank + 1);
        require(isDigits(count) && count != "0" && count.front() != '0', "counts are whole");
        const bool one = count == "1";
        require(one != name.ends_with('s'), "a unit takes an s unless its count is 1");
        if (!one) name.remove_suffix(1);
        while (unit < std::size(kUnits) && kUnits[unit].name != name) ++unit;
        require(unit < std::size(kUnits), "units are known and largest first");
        total += std::stold(std::string(count)) * kUnits[unit].seconds;
        ++unit;
    }
    require(std::fabs(total - static_cast<long double>(seconds)) <= 0.5L, "pieces add up");
}

void checkReport(const fake::MessageBoxCall& box) {
    require(box.style == 65280, "the report's style");
    require(fake::readReport(box.prompt).has_value(),
            "the report has its twelve lines, its labels in order");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    Scenario scenario;
    fake::FakeHost host;

    for (const char* name : {"UserName", "ComputerName", "UserDomain"}) {
        if (input.below(8) != 0) host.identity()[name] = valueFrom(input, scenario);
    }
    fillItems(input, scenario, host, wmi::kAdapterAddressesQuery, {"IPAddress"}, true);
    fillItems(input, scenario, host, wmi::kBiosQuery, {"SerialNumber"});
    fillItems(input, scenario, host, wmi::kOperatingSystemQuery,
              {"Caption", "ServicePackMajorVersion", "ServicePackMinorVersion"});
    fillItems(input, scenario, host, wmi::kComputerSystemQuery, {"Name", "Manufacturer", "Model"});
    if (input.flag()) host.acceptOnlyMoniker(wmi::monikerFor(input.text(8)));
    const std::uint64_t ticks = input.u64();
    host.setTickCount(ticks);
    std::vector<std::size_t> failing;
    for (std::size_t count = input.below(9); count > 0; --count) {
        failing.push_back(input.below(48));
        host.failNth(failing.back(), errorFrom(input));
    }

    clsSysInfo service(host);
    std::string answer;
    bool callerTextInAnswer = false;
    switch (input.below(8)) {
        case 0:
        case 1: {
            const std::int32_t modes[] = {0, 1, 2, -1, input.i32()};
            const std::int32_t mode = modes[input.below(std::size(modes))];
            answer = service.Zin_GetIP(mode);
            if (mode == 2) {
                require(answer.empty() || isDigits(answer) || answer == kIpAddressErrorText,
                        "mode 2 answers digits, empty text or the error text");
            } else if (mode != 0 && answer.ends_with("\r\n")) {
                require(scenario.emptyAddress,
                        "the list ends in CR LF only after an address that shows as nothing");
            }
            break;
        }
        case 2:
            answer = service.Zin_GetComputerName();
            break;
        case 3:
            answer = service.Zin_GetUserName();
            break;
        case 4:
            answer = service.Zin_GetUserDomain();
            break;
        case 5:
            answer = Module1::GetNetworkValue(host, input.text(16));
            break;
        case 6: {
            const bool commas = input.flag();
            const std::string separator = commas ? ", " : input.text(4);
            // The separator is the caller's text, not the host's: it stands
            // in the answer as given, valid UTF-8 or not.
            callerTextInAnswer = !isValidUtf8(separator);
            answer = service.Zin_UpTime(separator);
            // The tick counter is the call's first and only operation.
            if (commas && std::ranges::find(failing, 0U) == failing.end()) {
                checkUptime(answer, ticks);
            }
            break;
        }
        default: {
            service.Zin_SysInfo();
            const auto& boxes = host.messageBoxes();
            require(boxes.size() <= 1, "at most one box");
            if (boxes.size() == 1 && boxes[0].title) {
                require(*boxes[0].title == kReportTitle, "the report's title");
                checkReport(boxes[0]);
            } else if (boxes.size() == 1) {
                require(boxes[0].prompt == kNoResponseNotice && boxes[0].style == 0, "the notice");
            }
            break;
        }
    }
    require(callerTextInAnswer || isValidUtf8(answer), "answers are valid UTF-8");
    for (const auto& box : host.messageBoxes()) require(isValidUtf8(box.prompt), "box text too");
    require(host.objectsAlive() == 0, "every host object is released");
    return 0;
}
