#include "moniker.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sysinfo/wmi_names.h"
#include "text_case.h"

namespace tallowin::linux_backend {
namespace {

using namespace std::string_view_literals;

// The error number of the bind; 0 when it succeeds.
using MonikerCase = testing::TextCase<std::int32_t>;

class AMonikerForTheComputerPC7 : public ::testing::TestWithParam<MonikerCase> {};

TEST_P(AMonikerForTheComputerPC7, BindsOnlyWhenItNamesThisComputersCimNamespace) {
    const auto checked = checkMoniker(GetParam().text, "PC7");
    if (GetParam().expected == 0) {
        EXPECT_TRUE(checked.has_value()) << checked.error().description;
    } else {
        ASSERT_FALSE(checked.has_value());
        EXPECT_EQ(checked.error().number, GetParam().expected);
        EXPECT_FALSE(checked.error().description.empty());
    }
}

constexpr std::int32_t kInvalidSyntax = -2147221020;
constexpr std::int32_t kNoSuchComputer = 462;
constexpr std::int32_t kInvalidNamespace = -2147217394;

INSTANTIATE_TEST_SUITE_P(
    Monikers, AMonikerForTheComputerPC7,
    ::testing::Values(
        MonikerCase{R"(winmgmts:{impersonationLevel=impersonate}!\\PC7\root\cimv2)", 0},
        MonikerCase{R"(winmgmts:{impersonationLevel=impersonate}!\\pc7\root\cimv2)", 0},
        MonikerCase{R"(winmgmts:{impersonationLevel=impersonate}!\\Pc7\root\cimv2)", 0},
        MonikerCase{R"(winmgmts:{impersonationLevel=impersonate}!\\PC8\root\cimv2)",
                    kNoSuchComputer},
        MonikerCase{R"(winmgmts:{impersonationLevel=impersonate}!\\PC7.example.test\root\cimv2)",
                    kNoSuchComputer},
        MonikerCase{R"(winmgmts:{impersonationLevel=impersonate}!\\PC\root\cimv2)",
                    kNoSuchComputer},
        MonikerCase{R"(winmgmts:{impersonationLevel=impersonate}!\\PC7\root\default)",
                    kInvalidNamespace},
        MonikerCase{R"(winmgmts:{impersonationLevel=impersonate}!\\PC7\root\cimv2\)",
                    kInvalidNamespace},
        MonikerCase{R"(winmgmts:{impersonationLevel=impersonate}!\\PC7)", kInvalidSyntax},
        MonikerCase{R"(winmgmts:{impersonationLevel=impersonate}!\\\root\cimv2)", kInvalidSyntax},
        MonikerCase{R"(winmgmts:\\PC7\root\cimv2)", kInvalidSyntax},
        MonikerCase{R"(winmgmts:{impersonationLevel=impersonate}!)", kInvalidSyntax},
        MonikerCase{"", kInvalidSyntax}, MonikerCase{"\xFF\xFE garbage", kInvalidSyntax},
        MonikerCase{"winmgmts:{impersonationLevel=impersonate}!\\\\PC7\0\\root\\cimv2"sv,
                    kNoSuchComputer}));

// Whatever characters the computer's name holds, the moniker the core builds
// for it binds, in any letter case, and no other computer's does.
TEST(AMonikerCheck, BindsTheCoresMonikerForAnyName) {
    struct Case {
        std::string_view computer;
        std::string moniker;
        std::int32_t error;
    };
    const std::vector<Case> cases = {
        {R"(pc\evil)", wmi::monikerFor(R"(pc\evil)"), 0},
        {R"(pc\evil)", wmi::monikerFor(R"(PC\Evil)"), 0},
        {R"(pc\evil)", wmi::monikerFor("pc"), kNoSuchComputer},
        {R"(pc\evil)", wmi::monikerFor(R"(pc\evil\x)"), kNoSuchComputer},
        {R"(pc\evil)", R"(winmgmts:{impersonationLevel=impersonate}!\\pc\evil\root\default)",
         kInvalidNamespace},
        {"pc\\", wmi::monikerFor("pc\\"), 0},
        {"\\", wmi::monikerFor("\\"), 0},
        {R"(a\root\cimv2)", wmi::monikerFor(R"(a\root\cimv2)"), 0},
        {R"(a\root\cimv2)", wmi::monikerFor("a"), kNoSuchComputer},
        {"pc\nOS Version: 11", wmi::monikerFor("pc\nOS Version: 11"), 0},
        {"pc\nOS Version: 11", wmi::monikerFor("PC\nos version: 11"), 0},
        {"pc\nOS Version: 11", wmi::monikerFor("pc OS Version: 11"), kNoSuchComputer},
        {"pc\r\n", wmi::monikerFor("pc"), kNoSuchComputer},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.moniker));
        const auto checked = checkMoniker(c.moniker, c.computer);
        EXPECT_EQ(checked ? 0 : checked.error().number, c.error);
    }
}

TEST(AMonikerCheck, NeverBindsForAComputerWithoutAName) {
    const auto checked =
        checkMoniker(R"(winmgmts:{impersonationLevel=impersonate}!\\\root\cimv2)", "");
    EXPECT_FALSE(checked.has_value());
}

}  // namespace
}  // namespace tallowin::linux_backend
