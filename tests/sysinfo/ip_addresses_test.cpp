#include "sysinfo/ip_addresses.h"

#include <limits>

#include "sysinfo_fixture.h"

namespace tallowin::testing {
namespace {

using IpAddressTest = SysInfoTest;

constexpr std::string_view kError = kIpAddressErrorText;
const std::string kMoniker = R"(winmgmts:{impersonationLevel=impersonate}!\\PC7\root\cimv2)";

TEST_F(IpAddressTest, bindsThisComputersMonikerAndRunsTheAdapterQuery) {
    addAdapter(TextArray{"10.0.0.5"});
    EXPECT_EQ(service.Zin_GetIP(0), "10.0.0.5");
    EXPECT_EQ(host.operations(),
              (std::vector<std::string>{"CreateObject WScript.NetWork", "Network.ComputerName",
                                        "GetObject " + kMoniker, "ExecQuery " + kAdapterQuery,
                                        "Walk", "Next", "Item.IPAddress", "Item.IPAddress(0)"}));
}

TEST_F(IpAddressTest, answersEachModeFromTheSameWalk) {
    addAdapter(TextArray{"A1", "A2", "A3"});
    addAdapter(TextArray{"B1"});
    EXPECT_EQ(service.Zin_GetIP(0), "A1");
    EXPECT_EQ(service.Zin_GetIP(1), "A1\r\nA2\r\nA3\r\nB1");
    EXPECT_EQ(service.Zin_GetIP(2), "4");
    EXPECT_EQ(service.Zin_GetIP(3), service.Zin_GetIP(1));
    EXPECT_EQ(service.Zin_GetIP(-1), service.Zin_GetIP(1));
}

TEST_F(IpAddressTest, passesOverAdaptersWithoutAddresses) {
    addAdapter(Null{});
    EXPECT_EQ(service.Zin_GetIP(0), "");
    EXPECT_EQ(service.Zin_GetIP(1), "");
    EXPECT_EQ(service.Zin_GetIP(2), "0");
    addAdapter(TextArray{"B1"});
    addAdapter(TextArray{});
    EXPECT_EQ(service.Zin_GetIP(0), "B1");
    EXPECT_EQ(service.Zin_GetIP(1), "B1");
    EXPECT_EQ(service.Zin_GetIP(2), "1");
}

TEST_F(IpAddressTest, takesOnlyEachAdaptersFirstAddressForTheFirstUsableOne) {
    addAdapter(TextArray{"0.0.0.0", "10.0.0.5"});
    addAdapter(TextArray{"", "10.0.0.6"});
    addAdapter(TextArray{"192.168.1.2"});
    addAdapter(TextArray{"never read"});
    EXPECT_EQ(service.Zin_GetIP(0), "192.168.1.2");
    EXPECT_EQ(count("Item.IPAddress(0)"), 3U) << "the walk goes on past the usable address";
    EXPECT_EQ(service.Zin_GetIP(2), "6");
    EXPECT_EQ(service.Zin_GetIP(1),
              "0.0.0.0\r\n10.0.0.5\r\n\r\n10.0.0.6\r\n192.168.1.2\r\nnever read");
}

TEST_F(IpAddressTest, answersTheLastUnusableFirstAddressWhenNoneIsUsable) {
    addAdapter(TextArray{"0.0.0.0"});
    addAdapter(TextArray{"0.0.0.0", "10.0.0.5"});
    EXPECT_EQ(service.Zin_GetIP(0), "0.0.0.0");
    addAdapter(TextArray{""});
    EXPECT_EQ(service.Zin_GetIP(0), "");
}

TEST_F(IpAddressTest, answersEmptyTextInEveryModeWithoutAComputerName) {
    host.identity()["ComputerName"] = std::string{};
    addAdapter(TextArray{"10.0.0.5"});
    for (int mode : {0, 1, 2}) EXPECT_EQ(service.Zin_GetIP(mode), "") << mode;
    EXPECT_EQ(count("GetObject " + kMoniker), 0U);
}

TEST_F(IpAddressTest, answersEmptyTextWhenTheComputerNameCannotBeRead) {
    addAdapter(TextArray{"10.0.0.5"});
    host.failEvery("CreateObject WScript.NetWork", {429, "ActiveX component can't create object"});
    for (int mode : {0, 1, 2}) EXPECT_EQ(service.Zin_GetIP(mode), "") << mode;
}

struct GivingUp {
    const char* name;
    std::string failingOperation;
};

class IpAddressGivesUp : public SysInfoTest, public ::testing::WithParamInterface<GivingUp> {};

TEST_P(IpAddressGivesUp, inEveryModeAtTheFifthFailure) {
    addAdapter(TextArray{"10.0.0.5"});
    host.failEvery(GetParam().failingOperation, {-2147217406, "Not found"});
    for (int mode : {0, 1, 2}) EXPECT_EQ(service.Zin_GetIP(mode), kError) << mode;
}

INSTANTIATE_TEST_SUITE_P(WhenWmiIsUnavailable, IpAddressGivesUp,
                         ::testing::Values(GivingUp{"BindFails", "GetObject " + kMoniker},
                                           GivingUp{"QueryFails", "ExecQuery " + kAdapterQuery}),
                         [](const auto& test) { return std::string{test.param.name}; });

TEST_F(IpAddressTest, listsWhatItCouldReadAndCountsEveryAddressAfterFourFailures) {
    addAdapter(TextArray{"A1", "A2", "A3", "A4", "A5", "A6"});
    for (int index : {0, 2, 3, 5}) {
        host.failEvery("Item.IPAddress(" + std::to_string(index) + ")", {7, "Out of memory"});
    }
    EXPECT_EQ(service.Zin_GetIP(1), "A2\r\nA5");
    EXPECT_EQ(service.Zin_GetIP(2), "6");
    host.failEvery("Item.IPAddress(4)", {7, "Out of memory"});
    EXPECT_EQ(service.Zin_GetIP(1), kError);
    EXPECT_EQ(service.Zin_GetIP(2), kError);
}

TEST_F(IpAddressTest, startsEveryCallWithNoFailuresCounted) {
    addAdapter(TextArray{"10.0.0.5"});
    host.failNth(2, {462, "The remote server machine does not exist or is unavailable"});
    EXPECT_EQ(service.Zin_GetIP(2), kError);
    EXPECT_EQ(service.Zin_GetIP(2), "1");
}

TEST_F(IpAddressTest, endsTheWalkWithWhatItHasWhenMovingOnFails) {
    addAdapter(TextArray{"A1"});
    addAdapter(TextArray{"B1"});
    host.failNth(10, {-2147217406, "Not found"});  // the second Next
    EXPECT_EQ(service.Zin_GetIP(1), "A1");
}

TEST_F(IpAddressTest, letsAnAdapterThroughWhenItsNullTestFails) {
    addAdapter(TextArray{"A1"});
    host.failNth(6, {-2147217406, "Not found"});  // the Null test of the first adapter
    EXPECT_EQ(service.Zin_GetIP(0), "A1");
}

TEST_F(IpAddressTest, passesOverAnAdapterWhoseBoundsCannotBeRead) {
    addAdapter(TextArray{"A1", "A2"});
    addAdapter(TextArray{"B1"});
    host.failNth(7, {-2147217406, "Not found"});  // the lower bound of the first adapter
    EXPECT_EQ(service.Zin_GetIP(1), "B1");
}

TEST_F(IpAddressTest, removesOnlyTheLineBreakAfterTheLastAddress) {
    addAdapter(TextArray{"A1", ""});
    EXPECT_EQ(service.Zin_GetIP(1), "A1\r\n") << "an empty last address keeps its line";
    host.query(kAdapterQuery) = {{{"IPAddress", TextArray{"A1"}}},
                                 {{"IPAddress", TextArray{"B1"}}}};
    host.failEvery("Item.IPAddress(0)", {7, "Out of memory"});
    EXPECT_EQ(service.Zin_GetIP(1), "");
}

TEST_F(IpAddressTest, survivesMoreAddressesThanSixteenBitsCount) {
    TextArray many(std::numeric_limits<std::int16_t>::max() + std::size_t{1}, "10.0.0.1");
    addAdapter(std::move(many));
    EXPECT_EQ(service.Zin_GetIP(2), "32767");
    EXPECT_EQ(service.Zin_GetIP(0), "10.0.0.1");
}

}  // namespace
}  // namespace tallowin::testing
