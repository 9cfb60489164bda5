#include "firmware.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "files_reader.h"
#include "fixture_host.h"
#include "placeholders.h"
#include "temp_tree.h"
#include "text_case.h"

namespace tallowin::linux_backend {
namespace {

using namespace std::literals;
using testing::FileBytes;
using testing::FileTable;
using testing::kUnreadable;

HostValue text(std::string_view value) { return std::string(value); }
const HostValue kNull = Null{};

struct Machine {
    std::string_view root;
    HostValue serialNumber;
    HostValue manufacturer;
    HostValue model;

    friend void PrintTo(const Machine& c, std::ostream* out) { *out << c.root; }
};

class AMachine : public ::testing::TestWithParam<Machine> {};

TEST_P(AMachine, AnswersItsSerialNumberMakerAndModelFromItsFirmware) {
    auto host = testing::fixtureHostAt(std::string(TALLOWIN_FIXTURES "/") += GetParam().root,
                                       "pc7.corp.example.test");
    const auto bios = testing::onlyItemOf(*host, "SELECT * FROM Win32_BIOS");
    const auto system = testing::onlyItemOf(*host, "SELECT * FROM Win32_ComputerSystem");
    ASSERT_TRUE(bios && system);
    EXPECT_EQ(bios->property("SerialNumber"), GetParam().serialNumber);
    EXPECT_EQ(system->property("Name"), text("pc7"));
    EXPECT_EQ(system->property("Manufacturer"), GetParam().manufacturer);
    EXPECT_EQ(system->property("Model"), GetParam().model);
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, AMachine,
    ::testing::Values(Machine{"dmi", text("PF1ABCDE"), text("Acme Computers"), text("Widget 9000")},
                      Machine{"lenovo", text("PF1LNV01"), text("LENOVO"), text("ThinkPad T480")},
                      Machine{"board", text("190436735200123"), text("ASUSTeK COMPUTER INC."),
                              text("PRIME B450M-A")},
                      Machine{"devicetree", text("10000000b5a2c3d4"), kNull,
                              text("Raspberry Pi 4 Model B Rev 1.4")},
                      Machine{"devicetree-sysfs", kNull, text("Pine64"),
                              text("Pine64 RockPro64 v2.1")},
                      Machine{"odd", text("SN-\xC3\xA9\xC3"), text("Caf\xE9 \xFF\xFE Systems"),
                              text("Model\x01\x7F X")},
                      Machine{"none", kNull, kNull, kNull}));

std::pair<const std::string, FileBytes> dmi(std::string_view name, FileBytes bytes) {
    return {std::string("sys/class/dmi/id/") += name, std::move(bytes)};
}
std::pair<const std::string, FileBytes> deviceTree(std::string_view name, FileBytes bytes) {
    return {std::string("proc/device-tree/") += name, std::move(bytes)};
}
std::pair<const std::string, FileBytes> firmwareTree(std::string_view name, FileBytes bytes) {
    return {std::string("sys/firmware/devicetree/base/") += name, std::move(bytes)};
}

struct Sources {
    std::string_view name;
    FileTable files;
    std::optional<std::string> serialNumber;
    std::optional<std::string> manufacturer;
    std::optional<std::string> model;

    friend void PrintTo(const Sources& c, std::ostream* out) { *out << c.name; }
};

class TheFirmwareSources : public ::testing::TestWithParam<Sources> {};

TEST_P(TheFirmwareSources, AreEachReadOnTheirOwnAndPlaceholdersFallThrough) {
    const FileReader read = testing::readerOf(GetParam().files);
    EXPECT_EQ(firmwareSerialNumber(read), GetParam().serialNumber);
    const auto found = firmwareMakerAndModel(read);
    EXPECT_EQ(found.manufacturer, GetParam().manufacturer);
    EXPECT_EQ(found.model, GetParam().model);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, TheFirmwareSources,
    ::testing::Values(
        Sources{"UnreadableFilesHideNothing",
                {dmi("product_serial", kUnreadable), dmi("board_serial", "B-1\n"),
                 dmi("sys_vendor", kUnreadable), dmi("product_name", kUnreadable),
                 dmi("board_vendor", "Gigabyte\n"), dmi("board_name", "B550M\n")},
                "B-1",
                "Gigabyte",
                "B550M"},
        Sources{"UnreadableDmiLeavesTheDeviceTree",
                {dmi("product_serial", kUnreadable), dmi("board_serial", kUnreadable),
                 deviceTree("serial-number", kUnreadable), firmwareTree("serial-number", "DT-2\0"s),
                 deviceTree("model", "First\0Second\0"s)},
                "DT-2",
                std::nullopt,
                "First"},
        Sources{"PlaceholdersEverywhereLeaveNothing",
                {dmi("product_serial", "To Be Filled By O.E.M.\n"),
                 dmi("board_serial", "Default string\n"), deviceTree("serial-number", "0x0000\0"s),
                 dmi("sys_vendor", "OEM\n"), dmi("product_name", "Not Specified\n"),
                 dmi("board_vendor", " \n"), dmi("board_name", "None\n")},
                std::nullopt,
                std::nullopt,
                std::nullopt},
        Sources{"EachFieldFallsThroughAlone",
                {dmi("product_serial", "\0\0\n"s), dmi("board_serial", "B-3\n"),
                 dmi("sys_vendor", "Micro-Star International Co., Ltd.\n"),
                 dmi("product_name", "System Product Name\n"), dmi("board_vendor", "MSI\n"),
                 dmi("board_name", "B450 TOMAHAWK\n")},
                "B-3",
                "Micro-Star International Co., Ltd.",
                "B450 TOMAHAWK"},
        Sources{"DmiPlaceholdersLeaveTheDeviceTree",
                {dmi("sys_vendor", "Default string\n"), dmi("product_name", "Default string\n"),
                 deviceTree("manufacturer", "Acme\0"s), deviceTree("model", "Acme Board\0"s)},
                std::nullopt,
                "Acme",
                "Acme Board"},
        Sources{"LenovoInAnyCaseKeepsItsModelInTheVersion",
                {dmi("sys_vendor", "lenovo \n"), dmi("product_name", "10T7\n"),
                 dmi("product_version", "ThinkCentre M720q\n")},
                std::nullopt,
                "lenovo",
                "ThinkCentre M720q"},
        Sources{"LenovoWithoutAVersionFallsBackToTheProductName",
                {dmi("sys_vendor", "LENOVO\n"), dmi("product_name", "20L8S02D00\n"),
                 dmi("product_version", "Not Available\n")},
                std::nullopt,
                "LENOVO",
                "20L8S02D00"},
        Sources{"OthersKeepTheirModelInTheProductName",
                {dmi("sys_vendor", "Dell Inc.\n"), dmi("product_name", "OptiPlex 7050\n"),
                 dmi("product_version", "ThinkPad\n")},
                std::nullopt,
                "Dell Inc.",
                "OptiPlex 7050"}));

using Placeholder = testing::TextCase<bool>;

class AFirmwareValue : public ::testing::TestWithParam<Placeholder> {};

TEST_P(AFirmwareValue, IsAPlaceholderOnlyWhenItNamesNothing) {
    EXPECT_EQ(isFirmwarePlaceholder(GetParam().text), GetParam().expected);
}

// One of each kind of placeholder (beginnings, whole values, hexadecimal
// zeros, padding, letter case), and real values that come close to one.
INSTANTIATE_TEST_SUITE_P(
    Values, AFirmwareValue,
    ::testing::Values(
        Placeholder{"To Be Filled By O.E.M.", true}, Placeholder{"OEM Chassis Manufacturer", true},
        Placeholder{"System Product Name", true}, Placeholder{"SYSTEM MANUFACTURER", true},
        Placeholder{"Default String", true}, Placeholder{"not applicable", true},
        Placeholder{"System SKU#", true}, Placeholder{"n/a", true},
        Placeholder{"System Serial Number", true}, Placeholder{"0x0", true},
        Placeholder{"0X00000000", true}, Placeholder{" \tNot Specified \n\0\0"sv, true},
        Placeholder{"", true}, Placeholder{" \t\r\n", true}, Placeholder{"Dell Inc.", false},
        Placeholder{"System76", false}, Placeholder{"Nonesuch", false},
        Placeholder{"Standard PC (Q35 + ICH9, 2009)", false}, Placeholder{"Unknowns", false},
        Placeholder{"0x0001", false}, Placeholder{"0x", false}, Placeholder{"00000000", false},
        Placeholder{"123456789", false}, Placeholder{"N/A-7", false}));

TEST(AFirmwareFile, IsReadNoFurtherThan64KiBAndAPipeAnswersAtOnce) {
    testing::TempTree tree;
    tree.write("sys/class/dmi/id/product_name", std::string(100'000, 'A'));
    const auto fifo = tree.root() / "sys/class/dmi/id/product_serial";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    tree.write("sys/class/dmi/id/board_serial", "B-4\n");
    const FileReader read = rootFileReader(tree.root());
    EXPECT_EQ(firmwareMakerAndModel(read).model, std::string(64 * 1024, 'A'));
    EXPECT_EQ(firmwareSerialNumber(read), "B-4");
}

TEST(AFirmwareFile, ThatOnlyRootMayReadLeavesTheNextSource) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "root reads files whatever their permissions";
    }
    testing::TempTree tree;
    tree.write("sys/class/dmi/id/product_serial", "P-5\n", std::filesystem::perms::none);
    tree.write("sys/class/dmi/id/board_serial", "B-5\n");
    auto host = testing::fixtureHostAt(tree.root(), "pc7");
    const auto bios = testing::onlyItemOf(*host, "SELECT SerialNumber FROM Win32_BIOS");
    ASSERT_TRUE(bios);
    EXPECT_EQ(bios->property("SerialNumber"), text("B-5"));
}

}  // namespace
}  // namespace tallowin::linux_backend
