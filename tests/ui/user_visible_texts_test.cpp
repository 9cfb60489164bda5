// The one place the tests spell out the texts the user sees and the designed
// sizes, apart from the product's own constants, so that a slip in one of
// them is caught here once; every other test takes them from the product.
#include <gtest/gtest.h>

#include <string_view>

#include "sysinfo/identity.h"
#include "sysinfo/ip_addresses.h"
#include "sysinfo/report.h"
#include "ui/ip_list_window_logic.h"
#include "ui/twips.h"
#include "ui/window_designs.h"

namespace tallowin::ui {
namespace {

TEST(UserVisibleTexts, areAsDesigned) {
    using namespace design;
    const std::pair<std::string_view, std::string_view> texts[] = {
        {kIpAddressErrorText, "Error in IP Address"},
        {kReportTitle, "System Information"},
        {kNoResponseNotice, "The computer did not respond"},
        {form1::kWindow.caption, "Tallowin"},
        {form1::kCmdSysInfo.caption, "System Information"},
        {form1::kCmdShowAll.caption, "Show All"},
        {form1::kCmdOK.caption, "&OK"},
        {form2::kWindow.caption, "IP Addresses"},
        {form2::kCmdOK.caption, "&OK"},
    };
    for (const auto& [product, designed] : texts) EXPECT_EQ(product, designed);
    EXPECT_EQ(kTextBoxPoints, 13.5);
}

TEST(UserVisibleTexts, lookupErrorsAreAsDesigned) {
    using namespace Module1;
    EXPECT_EQ(lookupErrorText("Permission denied", 70, kComputerNameLookup, "3/22/2007"),
              "Error: Permission denied (70) Error in Computer Name (Zin_GetComputerName) "
              "(from 3/22/2007).");
    EXPECT_EQ(kUserNameLookup, "Current User Name (Zin_GetUserName)");
    EXPECT_EQ(kUserDomainLookup, "User Domain (Zin_GetUserDomain)");
    EXPECT_EQ(kOtherNameLookup, "Network Value (GetNetworkValue)");
}

TEST(DesignedSizes, areThesePixelsAtTheStandardDpi) {
    using namespace design;
    const auto pixels = [](int twips) { return twipsToPixels(twips, kStandardDpi); };
    EXPECT_EQ(pixels(form1::kWindow.clientWidth), 241);
    EXPECT_EQ(pixels(form1::kWindow.clientHeight), 157);
    EXPECT_EQ(pixels(form2::kWindow.clientWidth), 264);
    EXPECT_EQ(pixels(form2::kWindow.clientHeight), 214);
}

}  // namespace
}  // namespace tallowin::ui
