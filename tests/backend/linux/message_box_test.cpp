#include <gtest/gtest.h>

#include <new>
#include <string>

#include "linux_host.h"

namespace tallowin::linux_backend {
namespace {

TEST(TheMessageBox, ForwardsToTheFrontEndsMessageBox) {
    std::string seen;
    LinuxHost host(Environment{}, [&](std::string_view prompt, std::int32_t style,
                                      std::optional<std::string_view> title) {
        seen = std::string(prompt) + "|" + std::to_string(style) + "|" +
               std::string(title.value_or("(none)"));
        return 1;
    });
    EXPECT_EQ(host.messageBox("Hello", 65280, std::nullopt), 1);
    EXPECT_EQ(seen, "Hello|65280|(none)");
}

TEST(TheMessageBox, FailsClearlyWithoutOneOrWhenItThrows) {
    LinuxHost without(Environment{}, MessageBoxFn{});
    EXPECT_FALSE(without.messageBox("Hello", 0, "Title"));

    LinuxHost throwing(Environment{},
                       [](std::string_view, std::int32_t, std::optional<std::string_view>) -> int {
                           throw std::bad_alloc();
                       });
    const auto answer = throwing.messageBox("Hello", 0, "Title");
    ASSERT_FALSE(answer);
    EXPECT_EQ(answer.error().number, 7);
}

}  // namespace
}  // namespace tallowin::linux_backend
