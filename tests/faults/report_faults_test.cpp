// Zin_SysInfo against every set of up to five failed host operations. Rules
// on what each run shows, read off the operations the call made:
//   - no computer name: nothing is shown and nothing is bound;
//   - a failed bind: the one notice "The computer did not respond", style 0,
//     no title, and no query;
//   - otherwise all four queries run, whatever failed before, and a failure
//     moving on to the next item ends only that query's walk;
//   - a tick counter or message box that fails: nothing is shown;
//   - else one box titled "System Information", style 65280, whose text has
//     the twelve-line shape, each labelled value being the last value read
//     successfully for it (empty when none was), the service pack "3.0" only
//     when both of its numbers were read;
//   - the address walk ends at the first adapter whose Null test did not
//     answer Null;
//   - the name object is released before the bind, the service only after
//     the box is dismissed, and every object is released by the end.
#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "fake_host.h"
#include "fault_sets.h"
#include "faulted_host.h"
#include "report_lines.h"
#include "sysinfo/clsSysInfo.h"
#include "sysinfo/report.h"
#include "sysinfo/wmi_names.h"

namespace tallowin::faults {
namespace {

const std::string kBios{wmi::kBiosQuery};
const std::string kSystem{wmi::kOperatingSystemQuery};
const std::string kComputer{wmi::kComputerSystemQuery};
const std::string kAdapters{wmi::kAdapterAddressesQuery};
const std::string kUptime = "1 day, 2 hours, 3 minutes, 4 seconds";

// The machine: one BIOS and one system item, two computer-system items (the
// second one's values stand), and adapters without addresses, with two
// addresses and with one.
const std::map<std::string, std::vector<fake::Item>>& machine() {
    static const std::map<std::string, std::vector<fake::Item>> kMachine{
        {kBios, {{{"SerialNumber", std::string{"SN-42"}}}}},
        {kSystem,
         {{{"Caption", std::string{"Debian GNU/Linux 12"}},
           {"ServicePackMajorVersion", std::int64_t{3}},
           {"ServicePackMinorVersion", std::int64_t{0}}}}},
        {kComputer,
         {{{"Name", std::string{"N1"}},
           {"Manufacturer", std::string{"M1"}},
           {"Model", std::string{"D1"}}},
          {{"Name", std::string{"N2"}},
           {"Manufacturer", std::string{"M2"}},
           {"Model", std::string{"D2"}}}}},
        {kAdapters,
         {{{"IPAddress", Null{}}},
          {{"IPAddress", TextArray{"10.0.0.3", "10.0.0.33"}}},
          {{"IPAddress", TextArray{"10.0.0.4"}}}}},
    };
    return kMachine;
}

void describeMachine(fake::FakeHost& host) {
    host.identity() = {{"ComputerName", std::string{"PC7"}}, {"UserDomain", std::string{"CORP"}}};
    for (auto& [wql, items] : machine()) host.query(wql) = items;
    host.setTickCount(93'784'000);
}

// The value of each labelled line, from the reads that succeeded: the last
// successful read of a property stands.
struct Expected {
    std::map<std::string, std::string> byProperty;
    bool servicePackMajor = false;
    bool servicePackMinor = false;
};

std::string asText(const HostValue& value) {
    if (const auto* text = std::get_if<std::string>(&value)) return *text;
    if (const auto* number = std::get_if<std::int64_t>(&value)) return std::to_string(*number);
    return "(not text)";
}

void readValues(const std::vector<Logged>& logged, Expected& expected) {
    const auto& data = machine();
    std::string query;
    int item = -1;
    for (const Logged& entry : logged) {
        const std::string& op = entry.operation;
        if (op.starts_with("ExecQuery ")) {
            query = op.substr(10);
            item = -1;
        } else if (op == "Next" && !entry.failure) {
            ++item;
        } else if (op == "Network.UserDomain" && !entry.failure) {
            expected.byProperty["Domain"] = "CORP";
        } else if (op.starts_with("Item.") && !entry.failure) {
            const auto& items = data.at(query);
            ASSERT_LT(item, static_cast<int>(items.size())) << op << " read past the last item";
            ASSERT_GE(item, 0) << op << " read before the first item";
            const fake::Item& properties = items[static_cast<std::size_t>(item)];
            const std::string name = op.substr(5);
            if (name == "ServicePackMajorVersion") {
                expected.servicePackMajor = true;
            } else if (name == "ServicePackMinorVersion") {
                expected.servicePackMinor = true;
            } else if (name == "IPAddress(0)") {
                // Element 0 of an adapter without addresses cannot be read.
                if (const auto* array = std::get_if<TextArray>(&properties.at("IPAddress"))) {
                    expected.byProperty["IPAddress"] = array->front();
                }
            } else if (name != "IPAddress") {
                expected.byProperty[name] = asText(properties.at(name));
            }
        }
    }
}

void checkReport(const std::string& prompt, const std::vector<Logged>& logged) {
    const auto report = fake::readReport(prompt);
    ASSERT_TRUE(report) << "not a report's twelve lines: " << prompt;
    Expected expected;
    readValues(logged, expected);
    const auto value = [&](const char* property) { return expected.byProperty[property]; };
    const std::string servicePack =
        expected.servicePackMajor && expected.servicePackMinor ? "3.0" : "";
    EXPECT_EQ(*report, (fake::ReportValues{{"manufacturer", value("Manufacturer")},
                                           {"model", value("Model")},
                                           {"systemName", value("Name")},
                                           {"domain", value("Domain")},
                                           {"serialNumber", value("SerialNumber")},
                                           {"operatingSystem", value("Caption")},
                                           {"servicePack", servicePack},
                                           {"ipAddress", value("IPAddress")},
                                           {"uptime", kUptime}}));
}

bool failed(const std::vector<Logged>& logged, std::string_view operation) {
    return std::ranges::any_of(logged, [&](const Logged& entry) {
        return entry.operation == operation && entry.failure.has_value();
    });
}

bool present(const std::vector<Logged>& logged, std::string_view operation) {
    return std::ranges::any_of(logged,
                               [&](const Logged& entry) { return entry.operation == operation; });
}

void checkRun(const fake::FakeHost& host, const std::vector<Logged>& logged) {
    EXPECT_EQ(host.objectsAlive(), 0U) << "a host object was kept";
    const auto& boxes = host.messageBoxes();
    const std::string bind = "GetObject " + wmi::monikerFor("PC7");

    if (failed(logged, "CreateObject WScript.NetWork") || failed(logged, "Network.ComputerName")) {
        EXPECT_TRUE(boxes.empty()) << "something was shown without a computer name";
        EXPECT_FALSE(present(logged, bind));
        return;
    }
    const auto released = firstInLog(host, "Release Network");
    const auto bound = firstInLog(host, bind);
    ASSERT_TRUE(released && bound);
    EXPECT_LT(*released, *bound) << "the name object was held over the bind";

    if (failed(logged, bind)) {
        EXPECT_TRUE(present(logged, "MsgBox")) << "the notice was not asked for";
        const auto notice = failed(logged, "MsgBox")
                                ? std::vector<fake::MessageBoxCall>{}
                                : std::vector<fake::MessageBoxCall>{
                                      {std::string{kNoResponseNotice}, 0, std::nullopt}};
        EXPECT_EQ(boxes, notice);
        EXPECT_FALSE(std::ranges::any_of(
            logged, [](const Logged& entry) { return entry.operation.starts_with("ExecQuery"); }));
        return;
    }
    for (const std::string& wql : {kBios, kSystem, kComputer, kAdapters}) {
        EXPECT_TRUE(present(logged, "ExecQuery " + wql)) << "a failure stopped the next query";
    }

    // A failure moving on to the next item ends that query's walk.
    for (std::size_t i = 0; i + 1 < logged.size(); ++i) {
        if (logged[i].operation == "Next" && logged[i].failure) {
            const std::string& after = logged[i + 1].operation;
            EXPECT_FALSE(after == "Next" || after.starts_with("Item.")) << "the walk went on";
        }
    }

    // The address walk stops at the first adapter that did not answer Null.
    for (std::size_t i = 0; i + 1 < logged.size(); ++i) {
        if (logged[i].operation == "Item.IPAddress(0)") {
            EXPECT_EQ(logged[i + 1].operation, "GetTickCount") << "the walk went on";
        }
    }

    if (failed(logged, "GetTickCount") || failed(logged, "MsgBox")) {
        EXPECT_TRUE(boxes.empty()) << "a report was shown without its uptime or its box";
        return;
    }
    ASSERT_EQ(boxes.size(), 1U);
    EXPECT_EQ(boxes[0].title, std::optional<std::string>{kReportTitle});
    EXPECT_EQ(boxes[0].style, 65280);
    checkReport(boxes[0].prompt, logged);
    const auto shownAt = firstInLog(host, "MsgBox");
    const auto serviceReleased = firstInLog(host, "Release Service");
    ASSERT_TRUE(shownAt && serviceReleased);
    EXPECT_GT(*serviceReleased, *shownAt) << "the service was released before the box";
}

struct Sweep {
    const char* name;
    std::size_t plan;     // index into numberPlans()
    std::size_t largest;  // the largest set tried
};

// The report steps over a failure whatever its number, so the full sweep up
// to five failures numbers them alternately 13 and otherwise; sets of up to
// three are also tried all 13 and all otherwise.
class ReportFaults : public ::testing::TestWithParam<Sweep> {};

TEST_P(ReportFaults, everySetOfFailuresShowsWhatIsDue) {
    const ErrorChoices plan = numberPlans().at(GetParam().plan);
    const std::size_t runs =
        forEachFaultSet(GetParam().largest, plan, [](const FaultSet& failures) {
            if (HasFailure()) return std::size_t{0};
            fake::FakeHost host;
            describeMachine(host);
            inject(host, failures);
            clsSysInfo(host).Zin_SysInfo();
            const std::vector<Logged> logged = loggedOperations(host, failures);
            checkRun(host, logged);
            if (HasFailure()) ADD_FAILURE() << "operations:\n" << describe(logged);
            return logged.size();
        });
    RecordProperty("fault_sets", static_cast<int>(runs));
    std::cout << "Zin_SysInfo, " << GetParam().name << ": " << runs << " fault sets\n";
}

INSTANTIATE_TEST_SUITE_P(Numberings, ReportFaults,
                         ::testing::Values(Sweep{"UpToFiveAlternating", 2, 5},
                                           Sweep{"UpToThreeAll13", 0, 3},
                                           Sweep{"UpToThreeAllOthers", 1, 3}),
                         [](const auto& sweep) { return std::string{sweep.param.name}; });

}  // namespace
}  // namespace tallowin::faults
