#include "ui/message_fit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace tallowin::ui {
namespace {

// Every character one unit wide (or every byte, as a measure that reads a
// character's first bytes as one of their own would), every line one unit
// high, or as many as it takes when wrapped at three units.
int characters(std::string_view line) {
    return static_cast<int>(std::ranges::count_if(
        line, [](char byte) { return (static_cast<unsigned char>(byte) & 0xC0U) != 0x80U; }));
}
int bytes(std::string_view line) { return static_cast<int>(line.size()); }
int one(std::string_view) { return 1; }
int wrappedAtThree(std::string_view line) { return std::max(1, (characters(line) + 2) / 3); }

TEST(MessageFit, cutsWideLinesAndExtraLinesAndKeepsTheRest) {
    struct Case {
        const char* what;
        std::string text;
        MessageLimits limits;
        std::string fitted;
        int (*height)(std::string_view) = one;
        int (*width)(std::string_view) = characters;
    };
    const Case cases[] = {
        {"within the limits", "ab\r\ncd\r\n\r\nef", {2, 4}, "ab\r\ncd\r\n\r\nef"},
        {"a wide line", "abcdef", {4, 1}, "abc\u2026"},
        {"each wide line", "abcdef\r\nxy\r\nuvwxyz", {4, 3}, "abc\u2026\r\nxy\r\nuvw\u2026"},
        {"bare CR and LF breaks stay", "abcdef\nxy\rabcdef", {3, 3}, "ab\u2026\nxy\rab\u2026"},
        {"a character is never split", "ab\U0001F44Dcd", {7, 1}, "ab\u2026", one, bytes},
        {"too many lines", "1\r\n2\r\n3\r\n4", {5, 3}, "1\r\n2\r\n\u2026"},
        {"as many lines as allowed", "1\r\n2\r\n3", {5, 3}, "1\r\n2\r\n3"},
        {"a break at the end is a line", "1\r\n2\r\n", {5, 2}, "1\r\n\u2026"},
        {"room for the mark alone", "abc", {1, 1}, "\u2026"},
        {"no room at all", "abc\r\ndef", {0, 0}, "\u2026"},
        {"60,000 characters", std::string(60'000, 'M'), {256, 1}, std::string(255, 'M') + "\u2026"},
        {"wrapped lines count in full",
         "abcdef\r\nab\r\nab",
         {10, 3},
         "abcdef\r\n\u2026",
         wrappedAtThree},
        {"wrapped lines that fit", "abcdef\r\nab", {10, 3}, "abcdef\r\nab", wrappedAtThree},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(fitMessage(c.text, c.limits, {c.width, c.height}), c.fitted) << c.what;
    }
}

}  // namespace
}  // namespace tallowin::ui
