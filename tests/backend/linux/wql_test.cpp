#include "wql.h"

#include <gtest/gtest.h>

#include "text_case.h"

namespace tallowin::linux_backend {
namespace {

using Accepted = testing::TextCase<WqlQuery>;

class AQueryTheServiceUnderstands : public ::testing::TestWithParam<Accepted> {};

TEST_P(AQueryTheServiceUnderstands, ParsesIntoItsParts) {
    EXPECT_EQ(parseWql(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, AQueryTheServiceUnderstands,
    ::testing::Values(
        Accepted{"SELECT * FROM Win32_BIOS", {{}, "Win32_BIOS", {}}},
        Accepted{"SELECT IPAddress FROM Win32_NetworkAdapterConfiguration WHERE IPEnabled=TRUE",
                 {{"IPAddress"}, "Win32_NetworkAdapterConfiguration", "IPEnabled"}},
        Accepted{"select name,Model , manufacturer from win32_computersystem",
                 {{"name", "Model", "manufacturer"}, "win32_computersystem", {}}},
        Accepted{"  SELECT\t*\r\nFROM  X   where  Up =  true  ", {{}, "X", "Up"}},
        Accepted{"SELECT*FROM X WHERE Up=True", {{}, "X", "Up"}}));

class AQueryTheServiceRejects : public ::testing::TestWithParam<std::string_view> {};

TEST_P(AQueryTheServiceRejects, ParsesToNothing) { EXPECT_EQ(parseWql(GetParam()), std::nullopt); }

using namespace std::string_view_literals;

INSTANTIATE_TEST_SUITE_P(
    Forms, AQueryTheServiceRejects,
    ::testing::Values(""sv, "SELECT"sv, "SELECT * FROM"sv, "SELECT FROM X"sv, "* FROM X"sv,
                      "SELECT *, Name FROM X"sv, "SELECT Name, FROM X"sv,
                      "SELECT Name Model FROM X"sv, "SELECT * FROM X Y"sv,
                      "SELECT * FROM X WHERE"sv, "SELECT * FROM X WHERE Up"sv,
                      "SELECT * FROM X WHERE Up=1"sv, "SELECT * FROM X WHERE Up=FALSE"sv,
                      "SELECT * FROM X WHERE Up=TRUE AND Down=FALSE"sv,
                      "SELECT * FROM X WHERE Up<>TRUE"sv, "SELECT * FROM X;"sv,
                      "SELECT * FROM Win32_BIOS\0"sv, "SELECT * FROM 9X"sv, "SELECT * FROM FROM"sv,
                      "SELECT Name FROM X WHERE Name='pc7'"sv, "SELECT \xC3\xA9 FROM X"sv));

}  // namespace
}  // namespace tallowin::linux_backend
