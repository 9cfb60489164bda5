// The name lookup (GetNetworkValue, through Zin_GetUserName,
// Zin_GetComputerName and Zin_GetUserDomain, and directly with names it does
// not know) against every set of failed host operations, each failure
// numbered 13 or otherwise in every combination. Rules on the answer:
//   - the first failure not numbered 13 makes the answer the error text for
//     that failure, naming the property asked for, and nothing more is read;
//   - failures numbered 13 are stepped over: a failed read leaves the value
//     empty, and a name object that was never made fails the read after it
//     as an absent object (91);
//   - the error text holds no line break and its date is 3/22/2007 even when
//     the host cannot write the date;
//   - the name object is released again.
#include <gtest/gtest.h>

#include <iostream>
#include <string>
#include <vector>

#include "fake_host.h"
#include "fault_sets.h"
#include "faulted_host.h"
#include "lookup_error.h"
#include "sysinfo/clsSysInfo.h"
#include "sysinfo/identity.h"

namespace tallowin::faults {
namespace {

struct Lookup {
    const char* testName;
    std::string property;    // the name passed to GetNetworkValue
    std::string_view label;  // how the error text names the lookup
    std::string value;       // what a healthy host answers; empty for unknown names
};

const std::vector<HostError>& numbers() {
    static const std::vector<HostError> kNumbers{
        typeMismatch(),
        {91, "Object variable or With block variable not set"},
        {-2147217406, "Not found"},
        {429, "ActiveX component can't create object\r\n"},  // as hosts often end it
    };
    return kNumbers;
}

std::string answerOf(fake::FakeHost& host, const Lookup& lookup) {
    clsSysInfo service(host);
    if (lookup.property == "UserName") return service.Zin_GetUserName();
    if (lookup.property == "ComputerName") return service.Zin_GetComputerName();
    if (lookup.property == "UserDomain") return service.Zin_GetUserDomain();
    return Module1::GetNetworkValue(host, lookup.property);
}

std::string errorText(const HostError& error, const Lookup& lookup) {
    std::string description = error.description;
    if (description.ends_with("\r\n")) description.resize(description.size() - 2);
    return fake::lookupError(description, error.number, lookup.label);
}

void checkRun(const Lookup& lookup, const std::string& answer, const std::vector<Logged>& logged,
              std::size_t alive) {
    EXPECT_EQ(alive, 0U) << "the name object was kept";
    EXPECT_EQ(answer.find_first_of("\r\n"), std::string::npos) << "a line break in the answer";

    const bool known = !lookup.value.empty();
    const std::string read = "Network." + lookup.property;
    std::optional<HostError> createFailure;
    std::optional<std::size_t> readAt;
    for (std::size_t i = 0; i < logged.size(); ++i) {
        if (logged[i].operation == "CreateObject WScript.NetWork")
            createFailure = logged[i].failure;
        if (logged[i].operation == read) readAt = i;
    }

    // The failures in the order the call met them, the absent object's own.
    std::vector<HostError> met;
    if (createFailure) met.push_back(*createFailure);
    if (known && createFailure) {
        EXPECT_FALSE(readAt) << "a property was read without a name object";
        if (createFailure->number == 13) {
            met.push_back({91, "Object variable or With block variable not set"});
        }
    }
    if (readAt && logged[*readAt].failure) met.push_back(*logged[*readAt].failure);
    EXPECT_EQ(readAt.has_value(), known && !createFailure) << "what was read";

    for (const HostError& error : met) {
        if (error.number == 13) continue;
        EXPECT_EQ(answer, errorText(error, lookup));
        EXPECT_EQ(logged.back().operation, "ShortDate") << "something was read after the failure";
        return;
    }
    const bool valueRead = readAt && !logged[*readAt].failure;
    EXPECT_EQ(answer, valueRead ? lookup.value : "");
}

class NameLookupFaults : public ::testing::TestWithParam<Lookup> {};

TEST_P(NameLookupFaults, everySetOfFailuresInEveryNumberingGivesTheAnswerThatIsDue) {
    const Lookup& lookup = GetParam();
    const auto run = [&lookup](const FaultSet& failures) {
        if (HasFailure()) return std::size_t{0};
        fake::FakeHost host;
        host.identity() = {{"UserName", std::string{"alice"}},
                           {"ComputerName", std::string{"PC7"}},
                           {"UserDomain", std::string{"CORP"}}};
        inject(host, failures);
        const std::string answer = answerOf(host, lookup);
        const std::vector<Logged> logged = loggedOperations(host, failures);
        checkRun(lookup, answer, logged, host.objectsAlive());
        if (HasFailure()) ADD_FAILURE() << "operations:\n" << describe(logged);
        return logged.size();
    };
    const std::size_t runs = forEachFaultSet(5, [](std::size_t) { return numbers(); }, run);
    RecordProperty("fault_sets", static_cast<int>(runs));
    std::cout << "GetNetworkValue(\"" << lookup.property << "\"): " << runs << " fault sets\n";
}

INSTANTIATE_TEST_SUITE_P(
    Names, NameLookupFaults,
    ::testing::Values(Lookup{"UserName", "UserName", fake::kUserNameLookup, "alice"},
                      Lookup{"ComputerName", "ComputerName", fake::kComputerNameLookup, "PC7"},
                      Lookup{"UserDomain", "UserDomain", fake::kUserDomainLookup, "CORP"},
                      Lookup{"OtherCase", "computername", fake::kOtherNameLookup, ""},
                      Lookup{"Empty", "", fake::kOtherNameLookup, ""}),
    [](const auto& lookup) { return std::string{lookup.param.testName}; });

}  // namespace
}  // namespace tallowin::faults
