// The back end against the real services of the system it runs on: under
// Wine, Wine's own network object and WMI provider. Where a test depends on
// the network object, it asks the object first and checks what its answer
// requires: a host that answers the computer name (Windows, Wine 10) takes
// the program's normal path, one that fails it (Wine 8) the failure path.
#include <gtest/gtest.h>

#include <algorithm>
#include <cwctype>
#include <string>
#include <vector>

#include "com_errors.h"
#include "host_printing.h"
#include "network_identity.h"
#include "report_lines.h"
#include "sysinfo/clsSysInfo.h"
#include "sysinfo/host_errors.h"
#include "sysinfo/report.h"
#include "sysinfo/wmi_names.h"
#include "ui/main_window_logic.h"
#include "win32/wide_text.h"
#include "windows_host.h"

namespace tallowin::windows_backend {
namespace {

std::string computerName() {
    wchar_t name[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD length = MAX_COMPUTERNAME_LENGTH + 1;
    EXPECT_NE(GetComputerNameW(name, &length), FALSE);
    return win32::toUtf8({name, length});
}

std::string upper(std::string text) {
    std::ranges::transform(text, text.begin(), [](char c) {
        return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    });
    return text;
}

// Message boxes the service asks for, recorded instead of shown.
struct MessageBoxes {
    struct Box {
        std::string prompt;
        std::int32_t style;
        std::optional<std::string> title;
    };
    std::vector<Box> shown;

    MessageBoxFn function() {
        return [this](std::string_view prompt, std::int32_t style,
                      std::optional<std::string_view> title) {
            shown.push_back(
                {std::string{prompt}, style,
                 title ? std::optional<std::string>{std::string{*title}} : std::nullopt});
            return IDOK;
        };
    }
};

// Every item a query answers.
std::vector<std::unique_ptr<WmiItem>> itemsOf(WmiService& service, std::string_view wql) {
    std::vector<std::unique_ptr<WmiItem>> items;
    auto collection = service.execQuery(wql);
    EXPECT_TRUE(collection) << wql << ": " << collection.error().description;
    if (!collection) return items;
    auto walk = (*collection)->walk();
    EXPECT_TRUE(walk) << walk.error().description;
    if (!walk) return items;
    for (;;) {
        auto item = (*walk)->next();
        EXPECT_TRUE(item) << item.error().description;
        if (!item || !*item) return items;
        items.push_back(std::move(*item));
    }
}

std::string textOf(WmiItem& item, std::string_view property) {
    const auto value = item.property(property);
    EXPECT_TRUE(value) << property << ": " << value.error().description;
    const std::string* text = value ? std::get_if<std::string>(&*value) : nullptr;
    EXPECT_NE(text, nullptr) << property << " is not text";
    return text != nullptr ? *text : std::string{};
}

// Every address of every IP-enabled adapter, in the order WMI lists them.
std::vector<std::string> addressesOf(WmiService& service) {
    std::vector<std::string> addresses;
    for (const auto& adapter : itemsOf(service, wmi::kAdapterAddressesQuery)) {
        const auto list = adapter->property("IPAddress");
        if (list && std::holds_alternative<TextArray>(*list)) {
            for (const auto& address : std::get<TextArray>(*list)) addresses.push_back(address);
        }
    }
    return addresses;
}

class Services : public ::testing::Test {
  protected:
    std::unique_ptr<WmiService> bindThisComputer() {
        auto service = host.bindWmi(wmi::monikerFor(computerName()));
        EXPECT_TRUE(service) << service.error().description;
        return service ? std::move(*service) : nullptr;
    }

    MessageBoxes boxes;
    WindowsHost host{boxes.function()};
};

TEST_F(Services, networkObjectAnswersTheUserName) {
    auto network = host.createNetworkIdentity();
    ASSERT_TRUE(network) << network.error().description;
    const auto user = (*network)->property("UserName");
    ASSERT_TRUE(user) << user.error().description;
    ASSERT_TRUE(std::holds_alternative<std::string>(*user));
    EXPECT_FALSE(std::get<std::string>(*user).empty());
}

TEST_F(Services, anObjectThatCannotBeCreatedIsError429) {
    EXPECT_EQ(createNetworkIdentity(L"Tallowin.NoSuchObject"),
              std::unexpected(HostError{429, "ActiveX component can't create object"}));
}

TEST_F(Services, networkObjectAnswersTheComputerNameOrFailsWithAReason) {
    auto network = host.createNetworkIdentity();
    ASSERT_TRUE(network);
    const auto computer = (*network)->property("ComputerName");
    const auto domain = (*network)->property("UserDomain");
    if (computer) {
        ASSERT_TRUE(std::holds_alternative<std::string>(*computer))
            << ::testing::PrintToString(*computer);
        EXPECT_EQ(upper(std::get<std::string>(*computer)), upper(computerName()));
        ASSERT_TRUE(domain) << ::testing::PrintToString(domain);
        ASSERT_TRUE(std::holds_alternative<std::string>(*domain));
        EXPECT_FALSE(std::get<std::string>(*domain).empty());
    } else {
        // A failure carries the host's number and a description; one without
        // a description of its own (Wine 8's E_NOTIMPL) reads as the
        // system's message for its code.
        EXPECT_LT(computer.error().number, 0);
        EXPECT_FALSE(computer.error().description.empty());
        if (computer.error().number == errorNumber(E_NOTIMPL)) {
            EXPECT_EQ(computer.error().description, systemMessage(E_NOTIMPL));
        }
    }

    const auto unknown = (*network)->property("NoSuchName");
    ASSERT_FALSE(unknown);
    EXPECT_EQ(unknown.error().number, -2147352570);  // DISP_E_UNKNOWNNAME
}

TEST_F(Services, theProgramShowsWhatTheNetworkObjectAnswers) {
    auto network = host.createNetworkIdentity();
    ASSERT_TRUE(network);
    const auto name = andThen((*network)->property("ComputerName"), toText);
    const auto domain = andThen((*network)->property("UserDomain"), joinText);
    clsSysInfo service(host);
    const ui::MainWindowContent content = ui::loadMainWindow(service);

    if (!name) {
        // No computer name: the main window shows four blanks and the error
        // text, no "Show All"; the addresses are empty text in every mode,
        // and the report shows nothing at all.
        const std::string errorText = "Error: " + name.error().description + " (" +
                                      std::to_string(name.error().number) +
                                      ") Error in Computer Name (Zin_GetComputerName) "
                                      "(from 3/22/2007).";
        EXPECT_EQ(service.Zin_GetComputerName(), errorText);
        EXPECT_EQ(content.text, "    " + errorText);
        EXPECT_FALSE(content.showAllVisible);
        for (const std::int32_t mode : {0, 1, 2}) EXPECT_EQ(service.Zin_GetIP(mode), "") << mode;
        service.Zin_SysInfo();
        EXPECT_TRUE(boxes.shown.empty());
        return;
    }

    // The normal path: WMI bound by that name, the first address and the
    // name on the text line, "Show All" for more than one address, and the
    // report.
    const auto wmiService = bindThisComputer();
    ASSERT_NE(wmiService, nullptr);
    const std::vector<std::string> addresses = addressesOf(*wmiService);
    EXPECT_EQ(service.Zin_GetComputerName(), *name);
    EXPECT_EQ(content.text, (addresses.empty() ? "" : addresses.front()) + "    " + *name);
    EXPECT_EQ(content.showAllVisible, addresses.size() > 1);
    service.Zin_SysInfo();
    ASSERT_EQ(boxes.shown.size(), 1u);
    const std::string& report = boxes.shown.front().prompt;
    EXPECT_NE(report.find("\r\nSystem Name:  " + *name + "\r\n"), std::string::npos) << report;
    EXPECT_NE(report.find("\r\nDomain Name:  " + domain.value_or("") + "\r\n"), std::string::npos)
        << report;
    EXPECT_NE(
        report.find("\r\nIP Address:  " + (addresses.empty() ? "" : addresses.front()) + "\r\n"),
        std::string::npos)
        << report;
}

TEST_F(Services, wmiAnswersTheFourQueriesWithItemsOfTheRightShapes) {
    const auto service = bindThisComputer();
    ASSERT_NE(service, nullptr);

    const auto bios = itemsOf(*service, wmi::kBiosQuery);
    ASSERT_FALSE(bios.empty());
    (void)textOf(*bios.front(), "SerialNumber");

    const auto systems = itemsOf(*service, wmi::kOperatingSystemQuery);
    ASSERT_FALSE(systems.empty());
    EXPECT_FALSE(textOf(*systems.front(), "Caption").empty());
    for (const char* version : {"ServicePackMajorVersion", "ServicePackMinorVersion"}) {
        const auto number = systems.front()->property(version);
        ASSERT_TRUE(number) << version;
        EXPECT_TRUE(std::holds_alternative<std::int64_t>(*number) || isNull(*number)) << version;
    }

    const auto computers = itemsOf(*service, wmi::kComputerSystemQuery);
    ASSERT_FALSE(computers.empty());
    EXPECT_EQ(upper(textOf(*computers.front(), "Name")), upper(computerName()));
    EXPECT_FALSE(textOf(*computers.front(), "Manufacturer").empty());
    (void)textOf(*computers.front(), "Model");

    // Every adapter's addresses are Null or an array of text, and each
    // element read by its index is the array's element.
    for (const auto& adapter : itemsOf(*service, wmi::kAdapterAddressesQuery)) {
        const auto addresses = adapter->property("IPAddress");
        ASSERT_TRUE(addresses);
        if (isNull(*addresses)) continue;
        ASSERT_TRUE(std::holds_alternative<TextArray>(*addresses));
        const auto& list = std::get<TextArray>(*addresses);
        for (std::size_t i = 0; i < list.size(); ++i) {
            EXPECT_EQ(adapter->element("IPAddress", static_cast<std::int16_t>(i)),
                      HostValue{list[i]});
        }
        const auto beyond = adapter->element("IPAddress", static_cast<std::int16_t>(list.size()));
        EXPECT_EQ(beyond, std::unexpected(tallowin::errors::subscriptOutOfRange()));
    }
}

TEST_F(Services, wmiFailuresReachTheCallerWithANumberAndADescription) {
    const auto service = bindThisComputer();
    ASSERT_NE(service, nullptr);
    const auto computers = itemsOf(*service, wmi::kComputerSystemQuery);
    ASSERT_FALSE(computers.empty());
    const auto missing = computers.front()->property("NoSuchProperty");
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.error().number, -2147352570);  // DISP_E_UNKNOWNNAME
    EXPECT_FALSE(missing.error().description.empty());

    const auto elsewhere = host.bindWmi("winmgmts:{impersonationLevel=impersonate}!\\\\" +
                                        computerName() + "\\root\\nosuchnamespace");
    ASSERT_FALSE(elsewhere);
    EXPECT_LT(elsewhere.error().number, 0);
    EXPECT_FALSE(elsewhere.error().description.empty());
}

// The service itself over the real WMI, with the computer name that
// GetComputerNameW gives in place of the network object's, so that the
// report and the address list are read from WMI on every host, whether or
// not its network object answers a name.
class NamedHost final : public Host {
  public:
    explicit NamedHost(Host& real) : real_(real) {}

    HostResult<std::unique_ptr<NetworkIdentity>> createNetworkIdentity() override {
        struct Named final : NetworkIdentity {
            HostResult<HostValue> property(std::string_view name) override {
                if (name == "ComputerName") return HostValue{computerName()};
                return HostValue{std::string{"WORKGROUP"}};
            }
        };
        return std::make_unique<Named>();
    }
    HostResult<std::unique_ptr<WmiService>> bindWmi(std::string_view moniker) override {
        return real_.bindWmi(moniker);
    }
    HostResult<std::uint64_t> tickCount() override { return real_.tickCount(); }
    HostResult<int> messageBox(std::string_view prompt, std::int32_t style,
                               std::optional<std::string_view> title) override {
        return real_.messageBox(prompt, style, title);
    }
    HostResult<std::string> shortDate(std::chrono::year_month_day date) override {
        return real_.shortDate(date);
    }

  private:
    Host& real_;
};

TEST_F(Services, theServiceReadsAddressesAndTheReportFromTheRealWmi) {
    const auto wmiService = bindThisComputer();
    ASSERT_NE(wmiService, nullptr);
    const std::vector<std::string> addresses = addressesOf(*wmiService);
    const auto computers = itemsOf(*wmiService, wmi::kComputerSystemQuery);
    ASSERT_FALSE(computers.empty());
    const std::string manufacturer = textOf(*computers.front(), "Manufacturer");
    std::string joined;
    for (const auto& address : addresses) joined += (joined.empty() ? "" : "\r\n") + address;

    NamedHost named(host);
    clsSysInfo service(named);
    EXPECT_EQ(service.Zin_GetIP(1), joined);
    EXPECT_EQ(service.Zin_GetIP(2), std::to_string(addresses.size()));

    service.Zin_SysInfo();
    ASSERT_EQ(boxes.shown.size(), 1u);
    const auto& report = boxes.shown.front();
    EXPECT_EQ(report.title, kReportTitle);
    EXPECT_EQ(report.style, 0xFF00);
    const auto values = fake::readReport(report.prompt);
    ASSERT_TRUE(values) << report.prompt;
    EXPECT_EQ(values->at("systemName"), computerName());
    EXPECT_EQ(values->at("domain"), "WORKGROUP");
    EXPECT_EQ(values->at("manufacturer"), manufacturer);
}

}  // namespace
}  // namespace tallowin::windows_backend
