// The service on the Linux host with host names no machine should have but
// some do: bytes that are not UTF-8, the longest name the kernel keeps, a
// name that is only a dot. Whatever the name, the service answers the
// machine's addresses and its report, never "Error in IP Address" or "The
// computer did not respond" for a machine that answered.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "fixture_host.h"
#include "report_lines.h"
#include "sysinfo/clsSysInfo.h"
#include "sysinfo/report.h"

namespace tallowin::linux_backend::testing {
namespace {

struct Shown {
    std::string prompt;
    std::optional<std::string> title;
};

class HostileName : public ::testing::Test {
  protected:
    // A machine with that host name and one interface with two addresses,
    // whose message boxes are recorded instead of shown.
    clsSysInfo& serviceFor(std::string hostName) {
        Environment environment;
        environment.root = TALLOWIN_FIXTURES "/none";
        environment.names = std::make_shared<FixedNames>(std::move(hostName), "alice");
        NetInterface eth0;
        eth0.index = 2;
        eth0.name = "eth0";
        eth0.up = true;
        eth0.running = true;
        eth0.ipv4 = {"192.0.2.7", "198.51.100.7"};
        environment.interfaces = std::make_shared<FixedInterfaces>(std::vector<NetInterface>{eth0});
        environment.bootClock = [] { return std::optional<std::uint64_t>(93'784'000); };
        host_ = std::make_unique<LinuxHost>(
            std::move(environment),
            [this](std::string_view prompt, std::int32_t, std::optional<std::string_view> title) {
                shown_.push_back({std::string(prompt),
                                  title ? std::optional<std::string>(*title) : std::nullopt});
                return 1;
            });
        service_.emplace(*host_);
        return *service_;
    }

    std::vector<Shown> shown_;

  private:
    std::unique_ptr<LinuxHost> host_;
    std::optional<clsSysInfo> service_;
};

TEST_F(HostileName, thatIsNotUtf8StillFindsTheMachinesAddressesAndReport) {
    clsSysInfo& service = serviceFor("pc-\xff\xfe.d\xe9v");
    const std::string computer = "pc-\xef\xbf\xbd\xef\xbf\xbd";  // each bad byte a U+FFFD
    EXPECT_EQ(service.Zin_GetComputerName(), computer);
    EXPECT_EQ(service.Zin_GetUserDomain(), "d\xef\xbf\xbdv");
    EXPECT_EQ(service.Zin_GetIP(0), "192.0.2.7");
    EXPECT_EQ(service.Zin_GetIP(1), "192.0.2.7\r\n198.51.100.7");
    EXPECT_EQ(service.Zin_GetIP(2), "2");

    service.Zin_SysInfo();
    ASSERT_EQ(shown_.size(), 1U);
    EXPECT_EQ(shown_[0].title, std::optional<std::string>{kReportTitle});
    auto report = fake::readReport(shown_[0].prompt);
    ASSERT_TRUE(report) << shown_[0].prompt;
    EXPECT_EQ((*report)["systemName"], computer);
    EXPECT_EQ((*report)["ipAddress"], "192.0.2.7");
}

TEST_F(HostileName, ofSixtyFourBytesIsShownWhole) {
    const std::string longest = "h" + std::string(60, '7') + "abc";
    clsSysInfo& service = serviceFor(longest);
    EXPECT_EQ(service.Zin_GetComputerName(), longest);
    EXPECT_EQ(service.Zin_GetIP(0), "192.0.2.7");
}

// A name of dots alone has no label at all (one that starts with a dot is
// named by its first label, as the Linux back end's tests show).
TEST_F(HostileName, thatIsEmptyOrDotsAloneGivesNoComputerAndNoReport) {
    for (const char* hostName : {"", ".", ".."}) {
        clsSysInfo& service = serviceFor(hostName);
        EXPECT_EQ(service.Zin_GetComputerName(), "") << hostName;
        EXPECT_EQ(service.Zin_GetIP(0), "") << hostName;
        EXPECT_EQ(service.Zin_GetIP(2), "") << hostName;
        service.Zin_SysInfo();
        EXPECT_TRUE(shown_.empty()) << hostName;
    }
}

}  // namespace
}  // namespace tallowin::linux_backend::testing
