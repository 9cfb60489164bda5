#include <gtest/gtest.h>

#include "fixture_host.h"

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

TEST_P(TheNetworkIdentityOfAHostNamed, AnswersItsFirstLabelAndItsDnsDomain) {
    auto host = testing::fixtureHost(GetParam().hostName);
    auto identity = host->createNetworkIdentity();
    ASSERT_TRUE(identity);
    EXPECT_EQ((*identity)->property("ComputerName"), HostValue(GetParam().computerName));
    EXPECT_EQ((*identity)->property("UserDomain"), HostValue(GetParam().userDomain));
    EXPECT_EQ((*identity)->property("UserName"), HostValue(std::string("alice")));
}

INSTANTIATE_TEST_SUITE_P(
    Names, TheNetworkIdentityOfAHostNamed,
    ::testing::Values(HostNameCase{"pc7", "pc7", "pc7"},
                      HostNameCase{"pc7.corp.example.test", "pc7", "corp.example.test"},
                      HostNameCase{"pc7.", "pc7", "pc7"}, HostNameCase{"", "", ""},
                      HostNameCase{"r\xE9seau.lan", "r\xE9seau", "lan"}));

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
