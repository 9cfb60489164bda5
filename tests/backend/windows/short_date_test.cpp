#include "short_date.h"

#include <gtest/gtest.h>

#include "host_printing.h"
#include "windows_host.h"

namespace tallowin::windows_backend {
namespace {

using namespace std::chrono;

// The tests run with a United States English user locale.
TEST(ShortDate, writesTheUsersShortDate) {
    EXPECT_EQ(shortDate(year{2007} / March / day{22}), "3/22/2007");
    EXPECT_EQ(shortDate(year{1999} / December / day{31}), "12/31/1999");
}

TEST(ShortDate, refusesDatesThatDoNotExistOrWindowsCannotHold) {
    for (const year_month_day date :
         {year{2007} / February / day{30}, year{1600} / May / day{1}, year{40000} / May / day{1}}) {
        EXPECT_EQ(shortDate(date),
                  std::unexpected(HostError{5, "Invalid procedure call or argument"}));
    }
}

TEST(TickCount, countsOnFromTheLastReading) {
    WindowsHost host;
    const auto first = host.tickCount();
    const auto second = host.tickCount();
    ASSERT_TRUE(first && second);
    EXPECT_GT(*first, 0u);
    EXPECT_GE(*second, *first);
}

}  // namespace
}  // namespace tallowin::windows_backend
