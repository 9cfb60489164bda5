#include "short_date.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <optional>
#include <string>

#include "linux_host.h"

namespace tallowin::linux_backend {
namespace {

using namespace std::chrono;

// Sets an environment variable for the life of the object.
class ScopedVariable {
  public:
    ScopedVariable(const char* name, const char* value) : name_(name) {
        if (const char* old = getenv(name)) {
            old_ = old;
        }
        setenv(name, value, 1);
    }
    ~ScopedVariable() {
        if (old_) {
            setenv(name_, old_->c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

  private:
    const char* name_;
    std::optional<std::string> old_;
};

class AShortDateUnderTheLocale : public ::testing::TestWithParam<const char*> {};

TEST_P(AShortDateUnderTheLocale, IsTheUsEnglishFormWithoutLeadingZeros) {
    const ScopedVariable locale("LC_ALL", GetParam());
    LinuxHost host(Environment{}, MessageBoxFn{});
    EXPECT_EQ(host.shortDate(2007y / March / 22d), "3/22/2007");
    EXPECT_EQ(host.shortDate(1999y / December / 1d), "12/1/1999");
}

// C and POSIX have no short date of their own; a locale that cannot be
// loaded leaves none either.
INSTANTIATE_TEST_SUITE_P(Locales, AShortDateUnderTheLocale,
                         ::testing::Values("C", "POSIX", "C.UTF-8", "xx_NOWHERE.UTF-8"));

TEST(AShortDate, OfADayThatDoesNotExistFailsWith5) {
    LinuxHost host(Environment{}, MessageBoxFn{});
    const auto text = host.shortDate(2007y / February / 30d);
    ASSERT_FALSE(text);
    EXPECT_EQ(text.error().number, 5);
}

}  // namespace
}  // namespace tallowin::linux_backend
