#include "ui/main_window_logic.h"

#include <gtest/gtest.h>

#include "fake_host.h"
#include "sysinfo/ip_addresses.h"
#include "sysinfo/wmi_names.h"

namespace tallowin::ui {
namespace {

const std::string kAdapterQuery{wmi::kAdapterAddressesQuery};

class MainWindowLogic : public ::testing::Test {
  protected:
    MainWindowLogic() { host.identity()["ComputerName"] = std::string{"PC7"}; }

    void setAddresses(TextArray addresses) {
        host.query(kAdapterQuery) = {{{"IPAddress", std::move(addresses)}}};
    }

    fake::FakeHost host;
    clsSysInfo service{host};
};

// The service calls that a window's load made, told apart by what each asked
// the host: every call starts by making a name object; only the address
// calls bind the management service, and of those only the count reads the
// bounds of an adapter's addresses (the second and third IPAddress reads).
std::vector<std::string> serviceCalls(const std::vector<std::string>& operations) {
    std::vector<std::string> calls;
    int addressReads = 0;
    for (const std::string& operation : operations) {
        if (operation == "CreateObject WScript.NetWork") {
            calls.emplace_back("Zin_GetComputerName");
            addressReads = 0;
        } else if (operation.starts_with("GetObject ") && !calls.empty()) {
            calls.back() = "Zin_GetIP(0)";
        } else if (operation == "Item.IPAddress" && ++addressReads == 2 && !calls.empty()) {
            calls.back() = "Zin_GetIP(2)";
        }
    }
    return calls;
}

TEST_F(MainWindowLogic, asksForTheCountThenTheFirstAddressThenTheComputerName) {
    setAddresses({"10.0.0.5"});
    (void)loadMainWindow(service);
    EXPECT_EQ(serviceCalls(host.operations()),
              (std::vector<std::string>{"Zin_GetIP(2)", "Zin_GetIP(0)", "Zin_GetComputerName"}));
}

TEST_F(MainWindowLogic, showsTheFirstAddressFourBlanksAndTheComputerName) {
    setAddresses({"10.0.0.5", "fe80::1"});
    EXPECT_EQ(loadMainWindow(service).text, "10.0.0.5    PC7");
}

TEST_F(MainWindowLogic, keepsTheFourBlanksWhateverEitherTextHolds) {
    EXPECT_EQ(loadMainWindow(service).text, "    PC7");
    host.identity()["ComputerName"] = std::string{};
    EXPECT_EQ(loadMainWindow(service).text, "    ");
}

TEST_F(MainWindowLogic, showsServiceErrorTextsAsTheyCome) {
    host.failEvery("GetObject " + wmi::monikerFor("PC7"), {462, "Unavailable"});
    const MainWindowContent content = loadMainWindow(service);
    EXPECT_EQ(content.text, std::string{kIpAddressErrorText} + "    PC7");
    EXPECT_FALSE(content.showAllVisible);
}

struct Visibility {
    std::size_t addresses;
    bool shown;
};

class ShowAllVisibility : public MainWindowLogic,
                          public ::testing::WithParamInterface<Visibility> {};

TEST_P(ShowAllVisibility, isOfferedOnlyForMoreThanOneAddress) {
    setAddresses(TextArray(GetParam().addresses, "10.0.0.1"));
    EXPECT_EQ(loadMainWindow(service).showAllVisible, GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(ByAddressCount, ShowAllVisibility,
                         ::testing::Values(Visibility{0, false}, Visibility{1, false},
                                           Visibility{2, true}, Visibility{300, true}));

TEST_F(MainWindowLogic, hidesShowAllWhenTheCountIsEmptyText) {
    host.identity()["ComputerName"] = std::string{};
    setAddresses({"A1", "A2"});
    EXPECT_FALSE(loadMainWindow(service).showAllVisible);
}

TEST(AddressCount, readsDecimalDigitsAndNothingElse) {
    EXPECT_EQ(parseAddressCount("0"), 0);
    EXPECT_EQ(parseAddressCount("2"), 2);
    EXPECT_EQ(parseAddressCount(" 12 "), 12);
    EXPECT_EQ(parseAddressCount("-1"), -1);
    EXPECT_EQ(parseAddressCount(""), std::nullopt);
    EXPECT_EQ(parseAddressCount(kIpAddressErrorText), std::nullopt);
    EXPECT_EQ(parseAddressCount("2x"), std::nullopt);
    EXPECT_EQ(parseAddressCount("-"), std::nullopt);
}

TEST(AddressCount, saturatesPastTheIntegerRangeSoLargeCountsStillShowTheList) {
    EXPECT_EQ(parseAddressCount("40000"), 40000);
    EXPECT_EQ(parseAddressCount("99999999999999999999999"), std::numeric_limits<long long>::max());
}

}  // namespace
}  // namespace tallowin::ui
