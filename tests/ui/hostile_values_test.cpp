// Hostile host text in every kind of value, against what the main window's
// text line, the list window's title and list, and the report get: each
// value on one line, bounded, in its own place, whatever it holds.
#include <gtest/gtest.h>

#include <functional>

#include "fake_host.h"
#include "hostile_text.h"
#include "sysinfo/report.h"
#include "sysinfo/wmi_names.h"
#include "ui/ip_list_window_logic.h"
#include "ui/main_window_logic.h"

namespace tallowin::testing {
namespace {

struct Shown {
    std::string textLine;
    std::string listTitle;
    std::string list;
    std::string report;

    friend bool operator==(const Shown&, const Shown&) = default;
    friend void PrintTo(const Shown& shown, std::ostream* out) {
        *out << ::testing::PrintToString(
            std::array{shown.textLine, shown.listTitle, shown.list, shown.report});
    }
};

using Setter = std::function<void(fake::FakeHost&, const std::string&)>;

void setIdentity(fake::FakeHost& host, const std::string& name, const std::string& value) {
    host.identity()[name] = value;
}
void setItem(fake::FakeHost& host, std::string_view wql, const std::string& name,
             const HostValue& value) {
    host.query(std::string{wql}).front()[name] = value;
}

struct Placement {
    std::string_view what;
    Setter set;
};

const std::array kPlacements{
    Placement{"computer name", [](auto& h, auto& v) { setIdentity(h, "ComputerName", v); }},
    Placement{"domain", [](auto& h, auto& v) { setIdentity(h, "UserDomain", v); }},
    Placement{"address",
              [](auto& h, auto& v) {
                  setItem(h, wmi::kAdapterAddressesQuery, "IPAddress", TextArray{v, "192.0.2.9"});
              }},
    Placement{"manufacturer",
              [](auto& h, auto& v) { setItem(h, wmi::kComputerSystemQuery, "Manufacturer", v); }},
    Placement{"model", [](auto& h, auto& v) { setItem(h, wmi::kComputerSystemQuery, "Model", v); }},
    Placement{"system name",
              [](auto& h, auto& v) { setItem(h, wmi::kComputerSystemQuery, "Name", v); }},
    Placement{"serial number",
              [](auto& h, auto& v) { setItem(h, wmi::kBiosQuery, "SerialNumber", v); }},
    Placement{"operating system",
              [](auto& h, auto& v) { setItem(h, wmi::kOperatingSystemQuery, "Caption", v); }},
    Placement{"error description",
              [](auto& h, auto& v) { h.failEvery("Network.ComputerName", {70, v}); }},
};

// A machine with one fact set to `value`; everything it shows.
Shown shownWith(const Placement& placement, const std::string& value) {
    fake::FakeHost host;
    host.identity() = {{"ComputerName", std::string{"PC7"}}, {"UserDomain", std::string{"CORP"}}};
    host.query(std::string{wmi::kAdapterAddressesQuery}) = {
        {{"IPAddress", TextArray{"192.0.2.8", "192.0.2.9"}}}};
    host.query(std::string{wmi::kBiosQuery}) = {{{"SerialNumber", std::string{"SN-1"}}}};
    host.query(std::string{wmi::kOperatingSystemQuery}) = {
        {{"Caption", std::string{"OS"}},
         {"ServicePackMajorVersion", std::int64_t{1}},
         {"ServicePackMinorVersion", std::int64_t{0}}}};
    host.query(std::string{wmi::kComputerSystemQuery}) = {{{"Name", std::string{"PC7"}},
                                                           {"Manufacturer", std::string{"Maker"}},
                                                           {"Model", std::string{"M1"}}}};
    host.setTickCount(61'000);
    placement.set(host, value);

    clsSysInfo service{host};
    Shown shown;
    shown.textLine = ui::loadMainWindow(service).text;
    const ui::IpListContent list = ui::loadIpListWindow(service, ui::kIpListDesignCaption);
    shown.listTitle = list.caption;
    shown.list = list.list;
    service.Zin_SysInfo();
    if (!host.messageBoxes().empty()) shown.report = host.messageBoxes().back().prompt;
    return shown;
}

std::string replaced(std::string text, std::string_view from, std::string_view to) {
    for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size()) {
        text.replace(at, from.size(), to);
    }
    return text;
}

std::size_t lineCount(std::string_view text) {
    std::size_t lines = 1;
    for (std::size_t at = 0; (at = text.find("\r\n", at)) != std::string_view::npos; at += 2) {
        ++lines;
    }
    return lines;
}

bool hasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != text.npos; }

// Whatever a value holds, every window shows exactly what it shows for a
// plain value in that place, with the value's shown form in its stead.
TEST(HostileValues, showEachValueOnOneLineInItsOwnPlace) {
    const std::string marker = "MARKER";
    for (const Placement& placement : kPlacements) {
        const Shown plain = shownWith(placement, marker);
        for (const HostileText& text : kHostileTexts) {
            SCOPED_TRACE(std::string{placement.what} + ", " + std::string{text.what});
            const Shown shown = shownWith(placement, text.host);
            EXPECT_EQ(shown, (Shown{replaced(plain.textLine, marker, text.shown),
                                    replaced(plain.listTitle, marker, text.shown),
                                    replaced(plain.list, marker, text.shown),
                                    replaced(plain.report, marker, text.shown)}));
            EXPECT_FALSE(hasLineBreak(shown.textLine) || hasLineBreak(shown.listTitle));
            if (!shown.report.empty()) {
                EXPECT_EQ(lineCount(shown.report), 12U);
            }
        }
    }
}

}  // namespace
}  // namespace tallowin::testing
