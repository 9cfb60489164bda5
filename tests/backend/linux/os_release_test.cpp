#include "os_release.h"

#include <gtest/gtest.h>

#include "files_reader.h"
#include "fixture_host.h"
#include "text_case.h"

namespace tallowin::linux_backend {
namespace {

using namespace std::literals;

// The pretty name that the line assigns; nothing when the line is skipped.
using Assignment = testing::TextCase<std::optional<std::string_view>>;

class AnOsReleaseLine : public ::testing::TestWithParam<Assignment> {};

TEST_P(AnOsReleaseLine, AssignsWhatTheShellWouldOrIsSkipped) {
    const auto fields = parseOsRelease(std::string(GetParam().text) + "\nID=after\n");
    const auto found = fields.find("PRETTY_NAME");
    if (GetParam().expected) {
        ASSERT_NE(found, fields.end());
        EXPECT_EQ(found->second, *GetParam().expected);
    } else {
        EXPECT_EQ(found, fields.end());
    }
    EXPECT_EQ(fields.at("ID"), "after") << "a bad line spoils no other";
}

INSTANTIATE_TEST_SUITE_P(
    Lines, AnOsReleaseLine,
    ::testing::Values(
        Assignment{R"-(PRETTY_NAME="Debian GNU/Linux 12 (bookworm)")-",
                   "Debian GNU/Linux 12 (bookworm)"},
        Assignment{R"(PRETTY_NAME='It\'s $HOME')", std::nullopt},
        Assignment{R"(PRETTY_NAME='Kept \ "as" $is')", R"(Kept \ "as" $is)"},
        Assignment{R"(PRETTY_NAME="a \" b \\ c \$ d \` e \n f")", R"(a " b \ c $ d ` e \n f)"},
        Assignment{R"(PRETTY_NAME=Bare\ word\")", R"(Bare word")"}, Assignment{"PRETTY_NAME=", ""},
        Assignment{"\t PRETTY_NAME=\"x\"  # a comment", "x"},
        Assignment{"PRETTY_NAME=\"crlf\"\r", "crlf"},
        Assignment{"PRETTY_NAME=\"first\"\nPRETTY_NAME='last'", "last"},
        Assignment{"PRETTY_NAME=\"bad\nPRETTY_NAME=good", "good"},
        Assignment{R"(PRETTY_NAME="unclosed)", std::nullopt},
        Assignment{R"(PRETTY_NAME="a"b)", std::nullopt},
        Assignment{R"(PRETTY_NAME="a"#b)", std::nullopt},
        Assignment{"PRETTY_NAME=two words", std::nullopt},
        Assignment{"PRETTY_NAME=trailing\\", std::nullopt},
        Assignment{R"(PRETTY_NAME = "x")", std::nullopt},
        Assignment{R"(#PRETTY_NAME="x")", std::nullopt}, Assignment{"\xFF\xFE", std::nullopt},
        Assignment{"PRETTY_NAME=\"nul\0byte\""sv, "nul\0byte"sv}));

struct Release {
    std::string_view root;
    std::string_view caption;

    friend void PrintTo(const Release& c, std::ostream* out) { *out << c.root; }
};

class TheOperatingSystemOf : public ::testing::TestWithParam<Release> {};

TEST(TheOperatingSystemQuery, AnswersOnlyTheSelectedPropertiesAndFailsWith438ForOthers) {
    auto host = testing::fixtureHostAt(TALLOWIN_FIXTURES "/dmi", "pc7");
    const auto system = testing::onlyItemOf(*host, "select caption from WIN32_OPERATINGSYSTEM");
    ASSERT_TRUE(system);
    EXPECT_EQ(system->property("CAPTION"),
              HostValue(std::string("Debian GNU/Linux 12 (bookworm)")));
    EXPECT_EQ(system->property("ServicePackMajorVersion"), HostValue(Null{}));
    const auto unknown = system->property("Version");
    ASSERT_FALSE(unknown);
    EXPECT_EQ(unknown.error().number, 438);
}

TEST_P(TheOperatingSystemOf, IsNamedByTheFirstOsReleaseFileThatExists) {
    auto host =
        testing::fixtureHostAt(std::string(TALLOWIN_FIXTURES "/") += GetParam().root, "pc7");
    const auto system = testing::onlyItemOf(*host, "SELECT * FROM Win32_OperatingSystem");
    ASSERT_TRUE(system);
    EXPECT_EQ(system->property("Caption"), HostValue(std::string(GetParam().caption)));
    EXPECT_EQ(system->property("ServicePackMajorVersion"), HostValue(std::int64_t{0}));
    EXPECT_EQ(system->property("ServicePackMinorVersion"), HostValue(std::int64_t{0}));
}

INSTANTIATE_TEST_SUITE_P(Fixtures, TheOperatingSystemOf,
                         ::testing::Values(Release{"dmi", "Debian GNU/Linux 12 (bookworm)"},
                                           Release{"os-etc-only-name", "Etc Linux"},
                                           Release{"os-etc-no-names", "Linux"},
                                           Release{"os-usr-only", R"(Usr Linux 2 "Quoted")"},
                                           Release{"none", "Linux"}));

struct Files {
    std::string_view name;
    testing::FileTable files;
    std::string_view caption;

    friend void PrintTo(const Files& c, std::ostream* out) { *out << c.name; }
};

class TheOsReleaseFiles : public ::testing::TestWithParam<Files> {};

TEST_P(TheOsReleaseFiles, GiveTheCaption) {
    EXPECT_EQ(operatingSystemCaption(testing::readerOf(GetParam().files)), GetParam().caption);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, TheOsReleaseFiles,
    ::testing::Values(Files{"AnUnreadableEtcFileIsStillUsedAlone",
                            {{"etc/os-release", testing::kUnreadable},
                             {"usr/lib/os-release", "PRETTY_NAME=Usr\n"}},
                            "Linux"},
                      Files{"AnEmptyPrettyNameGivesWayToTheName",
                            {{"etc/os-release", "PRETTY_NAME=\"  \"\nNAME=\"Plain  \"\n"}},
                            "Plain"},
                      Files{"TrailingBlanksAndNulsAreDropped",
                            {{"etc/os-release", "PRETTY_NAME=\"Pretty \t\0\0\"\nNAME=x\n"s}},
                            "Pretty"}));

}  // namespace
}  // namespace tallowin::linux_backend
