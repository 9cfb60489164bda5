#include "sysinfo/report.h"

#include "host_printing.h"
#include "report_lines.h"
#include "sysinfo_fixture.h"

namespace tallowin::testing {
namespace {

const std::string kBios{wmi::kBiosQuery};
const std::string kSystem{wmi::kOperatingSystemQuery};
const std::string kComputer{wmi::kComputerSystemQuery};
const std::string kUptime = "1 day, 2 hours, 3 minutes, 4 seconds";

class ReportTest : public SysInfoTest {
  protected:
    ReportTest() {
        host.setTickCount(93'784'000);
        host.query(kBios) = {{{"SerialNumber", std::string{"SN-42"}}}};
        host.query(kSystem) = {{{"Caption", std::string{"Debian GNU/Linux 12"}},
                                {"ServicePackMajorVersion", std::int64_t{3}},
                                {"ServicePackMinorVersion", std::int64_t{0}}}};
        host.query(kComputer) = {{{"Name", std::string{"PC7"}},
                                  {"Manufacturer", std::string{"Maker"}},
                                  {"Model", std::string{"Model 9"}}}};
        addAdapter(TextArray{"10.0.0.5", "fe80::1"});
    }

    // The report that one call shows, read by its facts, or nothing when it
    // shows no box.
    std::optional<fake::ReportValues> report() {
        const std::size_t shownBefore = host.messageBoxes().size();
        service.Zin_SysInfo();
        if (host.messageBoxes().size() != shownBefore + 1) return std::nullopt;
        const fake::MessageBoxCall& box = host.messageBoxes().back();
        EXPECT_EQ(box.style, 65280);
        EXPECT_EQ(box.title, std::optional<std::string>{kReportTitle});
        auto values = fake::readReport(box.prompt);
        EXPECT_TRUE(values) << "not a report's twelve lines: " << box.prompt;
        return values;
    }

    // The value of one fact of the report, after its label.
    std::string fact(std::string_view name) {
        const auto values = report();
        if (!values) return "(no report)";
        const auto found = values->find(name);
        return found != values->end() ? found->second : "(no such fact)";
    }
};

TEST_F(ReportTest, showsTwelveLabelledLinesWithTheFactsOfTheMachine) {
    EXPECT_EQ(report(), (fake::ReportValues{
                            {"manufacturer", "Maker"},
                            {"model", "Model 9"},
                            {"systemName", "PC7"},
                            {"domain", "CORP"},
                            {"serialNumber", "SN-42"},
                            {"operatingSystem", "Debian GNU/Linux 12"},
                            {"servicePack", "3.0"},
                            {"ipAddress", "10.0.0.5"},
                            {"uptime", kUptime},
                        }));
}

TEST_F(ReportTest, asksTheHostInOrderAndReleasesEverything) {
    service.Zin_SysInfo();
    const auto ops = host.operations();
    const std::vector<std::string> expected{"CreateObject WScript.NetWork",
                                            "Network.ComputerName",
                                            "Network.UserDomain",
                                            "GetObject " + wmi::monikerFor("PC7"),
                                            "ExecQuery " + kBios,
                                            "Walk",
                                            "Next",
                                            "Item.SerialNumber",
                                            "Next",
                                            "ExecQuery " + kSystem,
                                            "Walk",
                                            "Next",
                                            "Item.Caption",
                                            "Item.ServicePackMajorVersion",
                                            "Item.ServicePackMinorVersion",
                                            "Next",
                                            "ExecQuery " + kComputer,
                                            "Walk",
                                            "Next",
                                            "Item.Name",
                                            "Item.Manufacturer",
                                            "Item.Model",
                                            "Next",
                                            "ExecQuery " + kAdapterQuery,
                                            "Walk",
                                            "Next",
                                            "Item.IPAddress",
                                            "Item.IPAddress(0)",
                                            "GetTickCount",
                                            "MsgBox"};
    EXPECT_EQ(ops, expected);
    EXPECT_EQ(host.log()[3], "Release Network") << "released before the bind";
    EXPECT_EQ(host.log().back(), "Release Service") << "held until the box is dismissed";
}

TEST_F(ReportTest, showsNothingWithoutAComputerName) {
    host.identity()["ComputerName"] = std::string{};
    service.Zin_SysInfo();
    EXPECT_TRUE(host.messageBoxes().empty());
    EXPECT_EQ(host.operations().size(), 3U) << "no bind is attempted";
    host.failEvery("CreateObject WScript.NetWork", {429, "ActiveX component can't create object"});
    service.Zin_SysInfo();
    EXPECT_TRUE(host.messageBoxes().empty());
}

TEST_F(ReportTest, showsOnlyTheNoticeWhenTheServiceCannotBeBound) {
    host.failEvery("GetObject " + wmi::monikerFor("PC7"), {462, "Unavailable"});
    service.Zin_SysInfo();
    EXPECT_EQ(
        host.messageBoxes(),
        (std::vector<fake::MessageBoxCall>{{std::string{kNoResponseNotice}, 0, std::nullopt}}));
    EXPECT_EQ(count("ExecQuery " + kBios), 0U);
}

struct ServicePack {
    const char* name;
    HostValue major;
    HostValue minor;
    const char* shown;
};

class ReportServicePack : public ReportTest, public ::testing::WithParamInterface<ServicePack> {};

TEST_P(ReportServicePack, joinsMajorDotMinor) {
    host.query(kSystem)[0]["ServicePackMajorVersion"] = GetParam().major;
    host.query(kSystem)[0]["ServicePackMinorVersion"] = GetParam().minor;
    EXPECT_EQ(fact("servicePack"), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Versions, ReportServicePack,
    ::testing::Values(ServicePack{"ThreeZero", std::int64_t{3}, std::int64_t{0}, "3.0"},
                      ServicePack{"BothZero", std::int64_t{0}, std::int64_t{0}, "0.0"},
                      ServicePack{"BothNull", Null{}, Null{}, "."},
                      ServicePack{"AsText", std::string{"2"}, Null{}, "2."},
                      ServicePack{"AnArray", TextArray{"1"}, std::int64_t{0}, ""}),
    [](const auto& test) { return std::string{test.param.name}; });

TEST_F(ReportTest, leavesLabelsAloneWhereQueriesAnswerNothingOrFail) {
    host.identity()["UserDomain"] = std::string{};
    host.query(kSystem).clear();
    host.failEvery("ExecQuery " + kBios, {-2147217385, "Invalid query"});
    host.failEvery("Walk", {-2147217385, "Invalid query"});
    const auto values = report();
    ASSERT_TRUE(values);
    for (const auto& [name, value] : *values) {
        EXPECT_EQ(value, name == "uptime" ? kUptime : "") << name;
    }
}

TEST_F(ReportTest, keepsTheLastItemsValuesAndStepsOverSingleFailedProperties) {
    host.query(kComputer).push_back(
        {{"Name", std::string{"PC8"}}, {"Manufacturer", Null{}}, {"Model", std::string{"M2"}}});
    host.query(kBios)[0]["SerialNumber"] = Null{};
    host.failEvery("Item.Caption", {-2147217406, "Not found"});
    auto values = report();
    ASSERT_TRUE(values);
    EXPECT_EQ((*values)["manufacturer"], "Maker") << "a Null keeps the earlier value";
    EXPECT_EQ((*values)["model"], "M2");
    EXPECT_EQ((*values)["systemName"], "PC8");
    EXPECT_EQ((*values)["serialNumber"], "");
    EXPECT_EQ((*values)["operatingSystem"], "");
    EXPECT_EQ((*values)["servicePack"], "3.0");
}

TEST_F(ReportTest, takesTheFirstAddressOfTheFirstAdapterWithAddresses) {
    host.query(kAdapterQuery) = {{{"IPAddress", Null{}}},
                                 {{"IPAddress", TextArray{"B1", "B2"}}},
                                 {{"IPAddress", TextArray{"C1"}}}};
    EXPECT_EQ(fact("ipAddress"), "B1");
    EXPECT_EQ(count("Item.IPAddress"), 2U) << "the walk stops at B; C is never read";
}

TEST_F(ReportTest, endsTheAdapterWalkAtAnAdapterWhoseNullTestOrAddressFails) {
    host.query(kAdapterQuery) = {{{"IPAddress", Null{}}}, {{"IPAddress", TextArray{"B1"}}}};
    EXPECT_EQ(fact("ipAddress"), "B1");
    host.clearLog();
    host.failNth(26, {-2147217406, "Not found"});  // the first adapter's Null test
    EXPECT_EQ(fact("ipAddress"), "");
    host.query(kAdapterQuery) = {{{"IPAddress", TextArray{}}}, {{"IPAddress", TextArray{"B1"}}}};
    EXPECT_EQ(fact("ipAddress"), "");
}

TEST_F(ReportTest, leavesTheAddressEmptyWithoutAnAdapterThatHasOne) {
    host.query(kAdapterQuery) = {{{"IPAddress", Null{}}}};
    EXPECT_EQ(fact("ipAddress"), "");
}

TEST_F(ReportTest, endsWithTheLabelAloneForAnUptimeOfHalfASecond) {
    host.setTickCount(500);
    EXPECT_EQ(fact("uptime"), "");
}

TEST_F(ReportTest, showsNothingWhenTheTickCounterCannotBeRead) {
    host.failEvery("GetTickCount", {5, "Invalid procedure call or argument"});
    service.Zin_SysInfo();
    EXPECT_TRUE(host.messageBoxes().empty());
}

TEST_F(ReportTest, startsEveryReportAfresh) {
    (void)report();
    host.query(kBios).clear();
    EXPECT_EQ(fact("serialNumber"), "");
}

}  // namespace
}  // namespace tallowin::testing
