#include "sysinfo/uptime.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <sstream>

#include "fake_host.h"
#include "sysinfo/clsSysInfo.h"

namespace tallowin {
namespace {

struct Example {
    std::uint64_t milliseconds;
    const char* words;
};

class UptimeWords : public ::testing::TestWithParam<Example> {};

TEST_P(UptimeWords, matchTheWorkedExample) {
    EXPECT_EQ(uptimeInWords(GetParam().milliseconds, ", "), GetParam().words);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, UptimeWords,
    ::testing::Values(
        Example{0, ""}, Example{500, ""}, Example{501, "1 second"}, Example{1'000, "1 second"},
        Example{1'500, "2 seconds"}, Example{2'500, "2 seconds"}, Example{3'500, "4 seconds"},
        Example{60'000, "1 minute"}, Example{93'784'000, "1 day, 2 hours, 3 minutes, 4 seconds"},
        Example{86'405'000, "1 day, 5 seconds"},
        Example{90'061'000, "1 day, 1 hour, 1 minute, 1 second"}, Example{604'800'000, "1 week"},
        Example{2'147'483'647, "3 weeks, 3 days, 20 hours, 31 minutes, 24 seconds"}));

INSTANTIATE_TEST_SUITE_P(
    PastTheOldCounter, UptimeWords,
    ::testing::Values(
        Example{2'147'483'648, "3 weeks, 3 days, 20 hours, 31 minutes, 24 seconds"},
        Example{4'294'967'295, "1 month, 2 weeks, 5 days, 6 hours, 33 minutes, 43 seconds"},
        Example{4'294'967'296, "1 month, 2 weeks, 5 days, 6 hours, 33 minutes, 43 seconds"},
        Example{2'629'743'500, "1 month"},  // 2,629,744 s: a month and 0.17 s
        Example{2'629'743'000, "4 weeks, 2 days, 10 hours, 29 minutes, 3 seconds"},
        Example{315'360'000'000, "119 months, 4 weeks, 21 minutes, 24 seconds"},  // ten years
        Example{UINT64_MAX,
                "7014654382 months, 2 weeks, 5 days, 17 hours, 30 minutes, 43 seconds"}));

TEST(UptimeSeparator, standsBetweenThePiecesExactlyAsGiven) {
    EXPECT_EQ(uptimeInWords(93'784'000, ""), "1 day2 hours3 minutes4 seconds");
    EXPECT_EQ(uptimeInWords(93'784'000, "; "), "1 day; 2 hours; 3 minutes; 4 seconds");
    EXPECT_EQ(uptimeInWords(93'784'000, " -- "), "1 day -- 2 hours -- 3 minutes -- 4 seconds");
    EXPECT_EQ(uptimeInWords(1'000, " and "), "1 second");
    EXPECT_EQ(uptimeInWords(0, ", "), "");
}

TEST(UptimeSeparator, thatEndsLikeAUnitNameLosesOnlyItsLastCopy) {
    EXPECT_EQ(uptimeInWords(2'000, "s"), "2 seconds");
    EXPECT_EQ(uptimeInWords(61'000, "s"), "1 minutes1 second");
}

// An independent reading of the words: each piece's count and unit, checked
// for order, plural and range, added back up to the seconds they stand for.
struct Reading {
    long double seconds = 0;
    bool wellFormed = true;
};

Reading readBack(const std::string& words) {
    static constexpr std::array<std::pair<const char*, long double>, 6> kUnits{
        {{"month", 2'629'743.828768L},
         {"week", 604'800},
         {"day", 86'400},
         {"hour", 3'600},
         {"minute", 60},
         {"second", 1}}};
    static constexpr std::array<std::uint64_t, 6> kLimits{UINT64_MAX, 5, 7, 24, 60, 60};
    Reading reading;
    std::istringstream in(words);
    std::size_t nextUnit = 0;
    std::uint64_t count = 0;
    std::string unit;
    while (in >> count >> unit) {
        if (unit.ends_with(',')) unit.pop_back();
        const bool plural = unit.ends_with('s');
        if (plural) unit.pop_back();
        std::size_t u = nextUnit;
        while (u < kUnits.size() && unit != kUnits[u].first) ++u;
        if (u == kUnits.size() || count == 0 || count >= kLimits[u] || plural != (count != 1)) {
            reading.wellFormed = false;
            return reading;
        }
        reading.seconds += static_cast<long double>(count) * kUnits[u].second;
        nextUnit = u + 1;
    }
    return reading;
}

TEST(UptimeWordsAddBackUp, toTheRoundedSecondsOverAWideSweep) {
    std::mt19937_64 random(20261208);
    std::uniform_int_distribution<std::uint64_t> upToCenturies(0, 3'155'760'000'000'000);
    for (int i = 0; i < 20'000; ++i) {
        const std::uint64_t ms =
            i < 10'000 ? static_cast<std::uint64_t>(i) * 2'147'483 / 7 : upToCenturies(random);
        const std::string words = uptimeInWords(ms, ", ");
        const Reading reading = readBack(words);
        ASSERT_TRUE(reading.wellFormed) << ms << ": " << words;
        const std::uint64_t whole = ms / 1000;
        const std::uint64_t part = ms % 1000;
        const std::uint64_t seconds =
            whole + (part > 500 || (part == 500 && whole % 2 == 1) ? 1 : 0);
        ASSERT_NEAR(static_cast<double>(reading.seconds), static_cast<double>(seconds), 0.51)
            << ms << ": " << words;
    }
}

TEST(ZinUpTime, readsTheTickCounterOnceAndAnswersEmptyTextWhenItCannot) {
    fake::FakeHost host;
    clsSysInfo service(host);
    host.setTickCount(93'784'000);
    EXPECT_EQ(service.Zin_UpTime(", "), "1 day, 2 hours, 3 minutes, 4 seconds");
    EXPECT_EQ(host.operations(), std::vector<std::string>{"GetTickCount"});
    host.failEvery("GetTickCount", {5, "Invalid procedure call or argument"});
    EXPECT_EQ(service.Zin_UpTime(", "), "");
    EXPECT_EQ(readUptime(host, ", ").error().number, 5);
}

}  // namespace
}  // namespace tallowin
