#include "uptime.h"

#include <gtest/gtest.h>

#include "environment.h"
#include "linux_host.h"
#include "text_case.h"

namespace tallowin::linux_backend {
namespace {

using UptimeText = testing::TextCase<std::optional<std::uint64_t>>;

class TheUptimeText : public ::testing::TestWithParam<UptimeText> {};

TEST_P(TheUptimeText, GivesExactWholeMillisecondsOrNothing) {
    EXPECT_EQ(parseUptimeMilliseconds(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TheUptimeText,
    ::testing::Values(UptimeText{"350735.47 234388.90\n", 350'735'470},
                      UptimeText{"0.01 0.00\n", 10}, UptimeText{"2147483.65 1.00", 2'147'483'650},
                      UptimeText{"4294967.29 0", 4'294'967'290}, UptimeText{"12", 12'000},
                      UptimeText{"12.3456 0", 12'345},
                      UptimeText{"18446744073709551.615", 18'446'744'073'709'551'615U},
                      UptimeText{"18446744073709551.616", std::nullopt},
                      UptimeText{"99999999999999999999.00", std::nullopt},
                      UptimeText{"", std::nullopt}, UptimeText{" 12.00", std::nullopt},
                      UptimeText{"12. 0", std::nullopt}, UptimeText{".5 0", std::nullopt},
                      UptimeText{"-3.00 0", std::nullopt}, UptimeText{"1e3 0", std::nullopt},
                      UptimeText{"12,50 0", std::nullopt}));

struct Fallback {
    std::string_view root;
    std::optional<std::uint64_t> bootClock;
    std::optional<std::uint64_t> expected;  // nothing when the count fails

    friend void PrintTo(const Fallback& c, std::ostream* out) {
        *out << ::testing::PrintToString(c.root);
    }
};

class TheTickCount : public ::testing::TestWithParam<Fallback> {};

TEST_P(TheTickCount, ComesFromProcUptimeElseFromTheBootClock) {
    Environment environment;
    environment.root = GetParam().root;
    const auto clock = GetParam().bootClock;
    environment.bootClock = [clock] { return clock; };
    LinuxHost host(std::move(environment), MessageBoxFn{});
    const auto ticks = host.tickCount();
    if (GetParam().expected) {
        EXPECT_EQ(ticks, *GetParam().expected);
    } else {
        ASSERT_FALSE(ticks);
        EXPECT_FALSE(ticks.error().description.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Roots, TheTickCount,
    ::testing::Values(Fallback{TALLOWIN_FIXTURES "/uptime", 5, 350'735'470},
                      Fallback{TALLOWIN_FIXTURES "/garbled", 5, 5},
                      Fallback{TALLOWIN_FIXTURES "/none", 6'000'000'000, 6'000'000'000},
                      Fallback{TALLOWIN_FIXTURES "/none", std::nullopt, std::nullopt}));

TEST(TheTickCount, ComesFromTheBootClockFirstOnlyWhereProcUptimeIsItsCopy) {
    const auto clock = [] { return std::optional<std::uint64_t>(5); };
    const auto broken = [] { return std::optional<std::uint64_t>(); };
    EXPECT_EQ(millisecondsSinceStart(TALLOWIN_FIXTURES "/uptime", clock, true), 5U);
    EXPECT_EQ(millisecondsSinceStart(TALLOWIN_FIXTURES "/uptime", broken, true), 350'735'470U);
    EXPECT_EQ(millisecondsSinceStart(TALLOWIN_FIXTURES "/uptime", clock, false), 350'735'470U);

    // Fixture roots and clocks of a test's own keep the file first.
    EXPECT_FALSE(procUptimeIsTheBootClock(TALLOWIN_FIXTURES "/uptime"));
    Environment fixture;
    fixture.root = TALLOWIN_FIXTURES "/uptime";
    EXPECT_FALSE(completed(fixture).procUptimeIsBootClock);
    Environment ownClock;
    ownClock.bootClock = clock;
    EXPECT_FALSE(completed(ownClock).procUptimeIsBootClock);
}

TEST(TheRealTickCount, IsNoLaterThanTheBootClock) {
    LinuxHost host(Environment{}, MessageBoxFn{});
    const auto before = bootClockMilliseconds();
    const auto ticks = host.tickCount();
    const auto after = bootClockMilliseconds();
    ASSERT_TRUE(before && ticks && after);
    // /proc/uptime has hundredths of a second; a container's may be its own.
    EXPECT_LE(*ticks, *after + 10);
    EXPECT_GT(*ticks, 0U);
}

}  // namespace
}  // namespace tallowin::linux_backend
