#include "ui/ip_list_window_logic.h"

#include <gtest/gtest.h>

#include "fake_host.h"
#include "lookup_error.h"
#include "sysinfo/ip_addresses.h"
#include "sysinfo/wmi_names.h"

namespace tallowin::ui {
namespace {

const std::string kAdapterQuery{wmi::kAdapterAddressesQuery};

// The caption as loaded: the design's, " for ", the computer name.
std::string titleFor(std::string_view name) {
    return std::string{kIpListDesignCaption} + " for " + std::string{name};
}

class IpListWindowLogic : public ::testing::Test {
  protected:
    IpListWindowLogic() {
        host.identity()["ComputerName"] = std::string{"PC7"};
        host.query(kAdapterQuery) = {{{"IPAddress", TextArray{"10.0.0.5", "fe80::1"}}},
                                     {{"IPAddress", TextArray{"192.168.1.2"}}}};
    }

    fake::FakeHost host;
    clsSysInfo service{host};
};

TEST_F(IpListWindowLogic, namesTheComputerInTheCaptionAndListsEveryAddress) {
    const IpListContent content = loadIpListWindow(service, kIpListDesignCaption);
    EXPECT_EQ(content.caption, titleFor("PC7"));
    EXPECT_EQ(content.list, "10.0.0.5\r\nfe80::1\r\n192.168.1.2");
}

TEST_F(IpListWindowLogic, asksForTheNameBeforeTheList) {
    (void)loadIpListWindow(service, kIpListDesignCaption);
    const auto operations = host.operations();
    ASSERT_GE(operations.size(), 3U);
    EXPECT_EQ(operations[0], "CreateObject WScript.NetWork");
    EXPECT_EQ(operations[1], "Network.ComputerName");
    EXPECT_EQ(operations[2], "CreateObject WScript.NetWork") << "the address walk comes second";
}

TEST_F(IpListWindowLogic, extendsWhateverCaptionItIsGiven) {
    EXPECT_EQ(loadIpListWindow(service, "Addresses").caption, "Addresses for PC7");
}

TEST_F(IpListWindowLogic, endsTheCaptionInForAndABlankWithoutAComputerName) {
    host.identity()["ComputerName"] = std::string{};
    const IpListContent content = loadIpListWindow(service, kIpListDesignCaption);
    EXPECT_EQ(content.caption, titleFor(""));
    EXPECT_EQ(content.list, "");
}

TEST_F(IpListWindowLogic, showsTheServiceErrorTextsAsTheyCome) {
    host.failEvery("ExecQuery " + kAdapterQuery, {-2147217385, "Invalid query"});
    EXPECT_EQ(loadIpListWindow(service, kIpListDesignCaption).list, kIpAddressErrorText);
    host.failEvery("CreateObject WScript.NetWork", {429, "ActiveX component can't create object"});
    EXPECT_EQ(loadIpListWindow(service, kIpListDesignCaption).caption,
              titleFor(fake::lookupError("ActiveX component can't create object", 429,
                                         fake::kComputerNameLookup)));
}

}  // namespace
}  // namespace tallowin::ui
