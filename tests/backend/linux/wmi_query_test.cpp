#include <gtest/gtest.h>

#include "fixture_host.h"
#include "text_case.h"

namespace tallowin::linux_backend {
namespace {

using testing::fixtureHost;
using testing::itemsOf;

constexpr std::string_view kAll = "SELECT * FROM Win32_NetworkAdapterConfiguration";
constexpr std::string_view kEnabledAddresses =
    "SELECT IPAddress FROM Win32_NetworkAdapterConfiguration WHERE IPEnabled=TRUE";

// An interface with these addresses, up and running unless said otherwise.
NetInterface nic(std::uint32_t index, TextArray ipv4, TextArray ipv6, TextArray linkLocalIpv6 = {},
                 bool running = true) {
    NetInterface made;
    made.index = index;
    made.up = made.running = running;
    made.ipv4 = std::move(ipv4);
    made.ipv6 = std::move(ipv6);
    made.linkLocalIpv6 = std::move(linkLocalIpv6);
    return made;
}

// Listed out of index order, as the kernel may list them.
std::vector<NetInterface> machineInterfaces() {
    NetInterface loopback = nic(1, {"127.0.0.1"}, {"::1"});
    loopback.loopback = true;
    return {
        nic(4, {"192.0.2.2", "192.0.2.3"}, {"fd00::2"}, {"fe80::fc:ff:fe00:1"}),
        loopback,
        nic(3, {}, {}, {}, false),
        nic(2, {}, {"fd00::9"}),
    };
}

HostValue text(const char* value) { return std::string(value); }

TEST(TheAdapterQuery, AnswersEveryInterfaceButLoopbackInIndexOrderIPv4FirstNullForNone) {
    auto host = fixtureHost("pc7", machineInterfaces());
    const auto items = itemsOf(*host, kAll);
    ASSERT_EQ(items.size(), 3U);
    EXPECT_EQ(items[0]->property("IPAddress"), HostValue(TextArray{"fd00::9"}));
    EXPECT_EQ(items[1]->property("IPAddress"), HostValue(Null{}));
    EXPECT_EQ(items[2]->property("IPAddress"),
              HostValue(TextArray{"192.0.2.2", "192.0.2.3", "fd00::2", "fe80::fc:ff:fe00:1"}));
}

TEST(TheAdapterQuery, CallsAnInterfaceIPEnabledWhenItIsUpAndRunning) {
    auto host = fixtureHost("pc7", machineInterfaces());
    const auto items = itemsOf(*host, "select ipenabled from WIN32_NETWORKADAPTERCONFIGURATION");
    ASSERT_EQ(items.size(), 3U);
    EXPECT_EQ(items[0]->property("IPEnabled"), HostValue(true));
    EXPECT_EQ(items[1]->property("ipenabled"), HostValue(false));
    EXPECT_EQ(items[2]->property("IPENABLED"), HostValue(true));
}

TEST(TheAdapterQuery, KeepsOnlyTheInterfacesTheWhereClauseAsksFor) {
    auto host = fixtureHost("pc7", machineInterfaces());
    const auto enabled = itemsOf(*host, kEnabledAddresses);
    ASSERT_EQ(enabled.size(), 2U);
    EXPECT_EQ(enabled[0]->property("IPAddress"), HostValue(TextArray{"fd00::9"}));
    EXPECT_EQ(enabled[1]->element("IPAddress", 0), text("192.0.2.2"));
}

TEST(AnAdapterItem, ReadsAPropertyThatWasNotSelectedAsNullAndAnUnknownOneFailsWith438) {
    auto host = fixtureHost("pc7", machineInterfaces());
    const auto items = itemsOf(*host, kEnabledAddresses);
    ASSERT_FALSE(items.empty());
    EXPECT_EQ(items[0]->property("IPEnabled"), HostValue(Null{}));
    const auto unknown = items[0]->property("SerialNumber");
    ASSERT_FALSE(unknown);
    EXPECT_EQ(unknown.error().number, 438);
}

struct ElementCase {
    std::string_view property;
    std::int16_t index;
    std::int32_t error;  // 0 when the read succeeds

    friend void PrintTo(const ElementCase& c, std::ostream* out) {
        *out << c.property << '(' << c.index << ')';
    }
};

class AnElementRead : public ::testing::TestWithParam<ElementCase> {};

TEST_P(AnElementRead, AnswersTheElementOrFailsAsTheHostWould) {
    auto host = fixtureHost("pc7", machineInterfaces());
    const auto items =
        itemsOf(*host, "SELECT IPAddress, IPEnabled FROM Win32_NetworkAdapterConfiguration");
    ASSERT_EQ(items.size(), 3U);
    const auto value = items[2]->element(GetParam().property, GetParam().index);
    if (GetParam().error == 0) {
        ASSERT_TRUE(value);
        EXPECT_TRUE(std::holds_alternative<std::string>(*value));
    } else {
        ASSERT_FALSE(value);
        EXPECT_EQ(value.error().number, GetParam().error);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Reads, AnElementRead,
    ::testing::Values(ElementCase{"IPAddress", 0, 0}, ElementCase{"ipaddress", 3, 0},
                      ElementCase{"IPAddress", 4, 9}, ElementCase{"IPAddress", -1, 9},
                      ElementCase{"IPAddress", 32767, 9}, ElementCase{"IPEnabled", 0, 13},
                      ElementCase{"MACAddress", 0, 438}));

using BadQuery = testing::TextCase<std::int32_t>;  // the error number

class ABadQuery : public ::testing::TestWithParam<BadQuery> {};

TEST_P(ABadQuery, FailsLikeTheManagementService) {
    auto host = fixtureHost("pc7", machineInterfaces());
    auto service = host->bindWmi(testing::kLocalMoniker);
    ASSERT_TRUE(service);
    const auto collection = (*service)->execQuery(GetParam().text);
    ASSERT_FALSE(collection);
    EXPECT_EQ(collection.error().number, GetParam().expected);
}

constexpr std::int32_t kInvalidQuery = -2147217385;
constexpr std::int32_t kInvalidClass = -2147217392;

INSTANTIATE_TEST_SUITE_P(
    Queries, ABadQuery,
    ::testing::Values(
        BadQuery{"SELECT * FROM Win32_Processor", kInvalidClass},
        BadQuery{"SELECT * FROM Win32_NetworkAdapter", kInvalidClass},
        BadQuery{"SELECT * FROM", kInvalidQuery}, BadQuery{"", kInvalidQuery},
        BadQuery{"SELECT MACAddress FROM Win32_NetworkAdapterConfiguration", kInvalidQuery},
        BadQuery{"SELECT * FROM Win32_NetworkAdapterConfiguration WHERE Up=TRUE", kInvalidQuery},
        BadQuery{"DELETE FROM Win32_NetworkAdapterConfiguration", kInvalidQuery},
        BadQuery{"SELECT SerialNumber, Version FROM Win32_BIOS", kInvalidQuery},
        BadQuery{"SELECT Version FROM Win32_OperatingSystem", kInvalidQuery},
        BadQuery{"SELECT Domain FROM Win32_ComputerSystem", kInvalidQuery}));

class ChangingInterfaces final : public InterfaceSource {
  public:
    HostResult<std::vector<NetInterface>> interfaces() override {
        if (failure) {
            return std::unexpected(*failure);
        }
        return listed;
    }
    std::vector<NetInterface> listed;
    std::optional<HostError> failure;
};

TEST(AQueryResult, IsASnapshotThatEveryWalkAnswersAlike) {
    auto source = std::make_shared<ChangingInterfaces>();
    source->listed = machineInterfaces();
    Environment environment;
    environment.names = std::make_shared<testing::FixedNames>("pc7", "alice");
    environment.interfaces = source;
    LinuxHost host(std::move(environment), MessageBoxFn{});
    auto service = *host.bindWmi(testing::kLocalMoniker);
    auto collection = *service->execQuery(kAll);
    source->listed.clear();
    for (int pass = 0; pass < 2; ++pass) {
        auto walk = *collection->walk();
        int count = 0;
        for (auto item = walk->next(); item && *item; item = walk->next()) {
            ++count;
        }
        EXPECT_EQ(count, 3);
        EXPECT_EQ(walk->next(), nullptr) << "a finished walk stays finished";
    }
    EXPECT_TRUE(itemsOf(host, kAll).empty());
}

TEST(AQuery, FailsWithTheSourcesErrorWhenTheInterfacesCannotBeListed) {
    auto source = std::make_shared<ChangingInterfaces>();
    source->failure = HostError{-2147217407, "Generic failure: test"};
    Environment environment;
    environment.names = std::make_shared<testing::FixedNames>("pc7", "alice");
    environment.interfaces = source;
    LinuxHost host(std::move(environment), MessageBoxFn{});
    auto service = *host.bindWmi(testing::kLocalMoniker);
    EXPECT_EQ(service->execQuery(kAll).error(), *source->failure);
}

TEST(TheService, BindsByTheFirstLabelOfTheHostNameInAnyCase) {
    auto host = fixtureHost("PC7.corp.example.test");
    EXPECT_TRUE(host->bindWmi(R"(winmgmts:{impersonationLevel=impersonate}!\\pc7\root\cimv2)"));
    const auto other =
        host->bindWmi(R"(winmgmts:{impersonationLevel=impersonate}!\\corp\root\cimv2)");
    ASSERT_FALSE(other);
    EXPECT_EQ(other.error().number, 462);
}

}  // namespace
}  // namespace tallowin::linux_backend
