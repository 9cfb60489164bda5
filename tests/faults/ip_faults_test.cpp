// Zin_GetIP against every set of up to five failed host operations, in
// modes 0, 1, 2 and -1. The answer of each run is checked against rules
// that are read off the operations the call made, not against the walk's own
// code:
//   - the call gives up ("Error in IP Address") exactly when it has counted
//     five failures, and asks the host nothing after the fifth;
//   - without a computer name it answers empty text and binds nothing;
//   - mode 2 answers decimal digits, the number of element reads attempted;
//   - the list modes answer the elements that were read, in walk order,
//     joined by CR LF, never ending in CR LF;
//   - mode 0 answers the last first-address read, and leaves the walk at
//     once when that address is usable;
//   - a failure moving on to the next adapter ends the walk;
//   - every host object the call made is released again.
#include <gtest/gtest.h>

#include <cstdint>
#include <iostream>
#include <string>
#include <vector>

#include "fake_host.h"
#include "fault_sets.h"
#include "faulted_host.h"
#include "sysinfo/clsSysInfo.h"
#include "sysinfo/ip_addresses.h"
#include "sysinfo/wmi_names.h"

namespace tallowin::faults {
namespace {

constexpr std::string_view kGaveUp = kIpAddressErrorText;
constexpr std::size_t kLargestSet = 5;

// The machine: an adapter whose first address is unset, one without
// addresses, one with two addresses and one with a single address. Every
// address is non-empty and different from the others.
const std::vector<HostValue>& adapters() {
    static const std::vector<HostValue> kAdapters{
        TextArray{"0.0.0.0", "10.0.0.2"},
        Null{},
        TextArray{"10.0.0.3", "fe80::3"},
        TextArray{"10.0.0.4"},
    };
    return kAdapters;
}

void describeMachine(fake::FakeHost& host) {
    host.identity() = {{"ComputerName", std::string{"PC7"}}};
    auto& items = host.query(std::string{wmi::kAdapterAddressesQuery});
    for (const HostValue& addresses : adapters()) items.push_back({{"IPAddress", addresses}});
}

// What the call read, adapter by adapter, as the operation log tells it.
struct Reading {
    std::string operation;
    bool failed = false;         // injected, or the host could not answer it
    int counted = 0;             // failures the call counts for it
    int adapter = -1;            // the adapter being visited, -1 before the first
    int addressRead = 0;         // its how-many-th read of IPAddress as a whole
    std::optional<int> element;  // the index of an element read
};

// Failures counted for an operation that failed, including the operations
// that then cannot be made because an object is missing: a missing name
// object fails its name read; a missing service fails the query, the walk,
// the Null test and the first element or bound read; a missing collection
// fails the walk, the Null test and the reads after it; a walk that cannot
// start makes one pass with no adapter, in which every read fails, and
// cannot be advanced.
int countedFor(const std::string& operation, std::int32_t mode) {
    if (operation == "CreateObject WScript.NetWork") return 2;
    if (operation.starts_with("GetObject ")) return 5;
    if (operation.starts_with("ExecQuery ")) return 5;
    if (operation == "Walk") return mode == 0 ? 4 : 5;
    return 1;
}

// Whether the host itself fails a read: an element or a bound of an adapter
// without addresses, or an element past the end of the adapter's array.
bool hostFails(const Reading& reading, std::int32_t mode) {
    if (reading.adapter < 0 || reading.adapter >= static_cast<int>(adapters().size())) {
        return false;
    }
    const HostValue& value = adapters()[static_cast<std::size_t>(reading.adapter)];
    const auto* array = std::get_if<TextArray>(&value);
    if (reading.element) {
        return array == nullptr || *reading.element >= static_cast<int>(array->size());
    }
    // Modes other than 0 read the two bounds after the Null test.
    return mode != 0 && reading.addressRead > 1 && array == nullptr;
}

std::vector<Reading> readings(const std::vector<Logged>& logged, std::int32_t mode) {
    std::vector<Reading> out;
    int adapter = -1;
    int addressReads = 0;
    for (const Logged& entry : logged) {
        Reading reading;
        reading.operation = entry.operation;
        reading.failed = entry.failure.has_value();
        if (entry.operation == "Next" && !entry.failure) {
            ++adapter;
            addressReads = 0;
        }
        reading.adapter = adapter;
        if (entry.operation == "Item.IPAddress") reading.addressRead = ++addressReads;
        if (entry.operation.starts_with("Item.IPAddress(")) {
            reading.element = std::stoi(entry.operation.substr(15));
        }
        if (!reading.failed && hostFails(reading, mode)) reading.failed = true;
        if (reading.failed) {
            reading.counted = entry.failure ? countedFor(entry.operation, mode) : 1;
        }
        out.push_back(std::move(reading));
    }
    return out;
}

std::string addressAt(const Reading& reading) {
    const auto& array = std::get<TextArray>(adapters()[static_cast<std::size_t>(reading.adapter)]);
    return array[static_cast<std::size_t>(*reading.element)];
}

struct Outcome {
    std::string answer;
    std::vector<Logged> logged;
    std::size_t alive = 0;
};

void checkRun(std::int32_t mode, const Outcome& run) {
    const std::vector<Reading> read = readings(run.logged, mode);

    EXPECT_EQ(run.alive, 0U) << "a host object was kept";

    // Giving up: exactly at the fifth counted failure, and nothing after it.
    int counted = 0;
    std::optional<std::size_t> fifth;
    for (std::size_t i = 0; i < read.size(); ++i) {
        counted += read[i].counted;
        if (counted >= 5 && !fifth) fifth = i;
    }
    if (fifth) {
        EXPECT_EQ(run.answer, kGaveUp);
        EXPECT_EQ(*fifth + 1, read.size()) << "the host was asked more after the fifth failure";
        return;
    }
    EXPECT_NE(run.answer, kGaveUp) << "gave up after only " << counted << " failures";

    const bool nameRead = read.size() >= 2 && read[0].operation == "CreateObject WScript.NetWork" &&
                          !read[0].failed && read[1].operation == "Network.ComputerName" &&
                          !read[1].failed;
    if (!nameRead) {
        EXPECT_EQ(run.answer, "") << "without a computer name every mode answers empty text";
        for (const Reading& r : read) EXPECT_FALSE(r.operation.starts_with("GetObject "));
        return;
    }

    // A failure moving on to the next adapter ends the walk.
    for (std::size_t i = 0; i < read.size(); ++i) {
        if (read[i].operation != "Next" || !read[i].failed) continue;
        for (std::size_t j = i + 1; j < read.size(); ++j) {
            EXPECT_FALSE(read[j].operation == "Next" || read[j].operation.starts_with("Item."))
                << "the walk went on after moving on failed";
        }
    }

    std::vector<const Reading*> elements;
    for (const Reading& r : read) {
        if (r.element) elements.push_back(&r);
    }

    if (mode == 2) {
        EXPECT_FALSE(run.answer.empty());
        EXPECT_EQ(run.answer.find_first_not_of("0123456789"), std::string::npos) << run.answer;
        EXPECT_EQ(run.answer, std::to_string(elements.size()))
            << "every element read counts, read or not";
        return;
    }

    if (mode == 0) {
        std::string last;
        for (const Reading* r : elements) {
            EXPECT_EQ(*r->element, 0) << "mode 0 reads first addresses only";
            if (!r->failed) last = addressAt(*r);
        }
        EXPECT_EQ(run.answer, last);
        if (!last.empty() && last != "0.0.0.0") {
            ASSERT_FALSE(elements.empty());
            EXPECT_EQ(elements.back(), &read.back()) << "the walk goes on past a usable address";
        }
        return;
    }

    // The list modes.
    std::string expected;
    std::pair<int, int> previous{-1, -1};
    for (const Reading* r : elements) {
        const std::pair<int, int> at{r->adapter, *r->element};
        EXPECT_LT(previous, at) << "an element was read twice or out of walk order";
        previous = at;
        if (r->failed) continue;
        if (!expected.empty()) expected += "\r\n";
        expected += addressAt(*r);
    }
    EXPECT_EQ(run.answer, expected);
    EXPECT_FALSE(run.answer.ends_with("\r\n"));
}

class IpAddressFaults : public ::testing::TestWithParam<std::int32_t> {};

TEST_P(IpAddressFaults, everySetOfUpToFiveFailuresGivesTheAnswerThatIsDue) {
    const std::int32_t mode = GetParam();
    std::size_t runs = 0;
    for (const ErrorChoices& plan : numberPlans()) {
        runs += forEachFaultSet(kLargestSet, plan, [mode](const FaultSet& failures) {
            // One broken rule is reported once, not for every set after it.
            if (HasFailure()) return std::size_t{0};
            fake::FakeHost host;
            describeMachine(host);
            inject(host, failures);
            Outcome run;
            run.answer = clsSysInfo(host).Zin_GetIP(mode);
            run.logged = loggedOperations(host, failures);
            run.alive = host.objectsAlive();
            checkRun(mode, run);
            if (HasFailure()) ADD_FAILURE() << "mode " << mode << ":\n" << describe(run.logged);
            return run.logged.size();
        });
    }
    RecordProperty("fault_sets", static_cast<int>(runs));
    std::cout << "Zin_GetIP(" << mode << "): " << runs << " fault sets\n";
}

INSTANTIATE_TEST_SUITE_P(Modes, IpAddressFaults, ::testing::Values(0, 1, 2, -1),
                         [](const auto& mode) {
                             return mode.param < 0 ? "minus" + std::to_string(-mode.param)
                                                   : std::to_string(mode.param);
                         });

}  // namespace
}  // namespace tallowin::faults
