#include <gtest/gtest.h>

#include "fixture_host.h"
#include "sysinfo/valid_utf8.h"
#include "sysinfo/wmi_names.h"

namespace tallowin::linux_backend {
namespace {

struct HostNameCase {
    std::string hostName;
    std::string computerName;
    std::string userDomain;

    friend void PrintTo(const HostNameCase& c, std::ostream* out) {
        *out << ::testing::PrintToString(c.hostName);
    }
};

class TheNetworkIdentityOfAHostNamed : public ::testing::TestWithParam<HostNameCase> {};

// The names, and the management service bound by the moniker that the core
// builds from the computer name, read as the core reads it (UTF-8).
TEST_P(TheNetworkIdentityOfAHostNamed, AnswersItsFirstLabelAndItsDnsDomain) {
    auto host = testing::fixtureHost(GetParam().hostName);
    auto identity = host->createNetworkIdentity();
    ASSERT_TRUE(identity);
    EXPECT_EQ((*identity)->property("ComputerName"), HostValue(GetParam().computerName));
    EXPECT_EQ((*identity)->property("UserDomain"), HostValue(GetParam().userDomain));
    EXPECT_EQ((*identity)->property("UserName"), HostValue(std::string("alice")));
    if (!GetParam().computerName.empty()) {
        EXPECT_TRUE(host->bindWmi(wmi::monikerFor(toValidUtf8(GetParam().computerName))));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Names, TheNetworkIdentityOfAHostNamed,
    ::testing::Values(HostNameCase{"pc7", "pc7", "pc7"},
                      HostNameCase{"pc7.corp.example.test", "pc7", "corp.example.test"},
                      HostNameCase{"pc7.", "pc7", "pc7"}, HostNameCase{"", "", ""},
                      HostNameCase{".pc7.example", "pc7", "example"},
                      HostNameCase{"..pc7", "pc7", "pc7"}, HostNameCase{"...", "", ""},
                      HostNameCase{"pc\\evil.lan", "pc\\evil", "lan"},
                      HostNameCase{"pc\nOS Version: 11", "pc\nOS Version: 11",
                                   "pc\nOS Version: 11"}));

TEST(TheNetworkIdentity, ReadsItsPropertiesWhateverTheirLetterCase) {
    auto identity = *testing::fixtureHost("pc7.lan")->createNetworkIdentity();
    EXPECT_EQ(identity->property("computername"), HostValue(std::string("pc7")));
    EXPECT_EQ(identity->property("USERDOMAIN"), HostValue(std::string("lan")));
    EXPECT_EQ(identity->property("username"), HostValue(std::string("alice")));
}

TEST(TheNetworkIdentity, FailsWith438ForAPropertyItDoesNotHave) {
    auto identity = *testing::fixtureHost("pc7")->createNetworkIdentity();
    for (const std::string_view name : {"", "UserNames", "Computer Name", "Domain"}) {
        const auto value = identity->property(name);
        ASSERT_FALSE(value) << name;
        EXPECT_EQ(value.error().number, 438) << name;
    }
}

}  // namespace
}  // namespace tallowin::linux_backend
