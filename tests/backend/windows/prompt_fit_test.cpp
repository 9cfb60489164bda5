#include "prompt_fit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace tallowin::windows_backend {
namespace {

// Every UTF-16 unit one unit wide, every line one unit high, or as many as
// it takes when wrapped at three units.
int units(std::wstring_view line) { return static_cast<int>(line.size()); }
int one(std::wstring_view) { return 1; }
int wrappedAtThree(std::wstring_view line) { return std::max(1, (units(line) + 2) / 3); }

TEST(PromptFit, cutsWideLinesAndExtraLinesAndKeepsTheRest) {
    struct Case {
        const char* what;
        std::wstring prompt;
        PromptLimits limits;
        std::wstring fitted;
        int (*height)(std::wstring_view) = one;
    };
    const Case cases[] = {
        {"within the limits", L"ab\r\ncd\r\n\r\nef", {2, 4}, L"ab\r\ncd\r\n\r\nef"},
        {"a wide line", L"abcdef", {4, 1}, L"abc\u2026"},
        {"each wide line", L"abcdef\r\nxy\r\nuvwxyz", {4, 3}, L"abc\u2026\r\nxy\r\nuvw\u2026"},
        {"bare CR and LF breaks stay", L"abcdef\nxy\rabcdef", {3, 3}, L"ab\u2026\nxy\rab\u2026"},
        {"a pair is never split", L"ab\U0001F44Dcd", {4, 1}, L"ab\u2026"},
        {"too many lines", L"1\r\n2\r\n3\r\n4", {5, 3}, L"1\r\n2\r\n\u2026"},
        {"as many lines as allowed", L"1\r\n2\r\n3", {5, 3}, L"1\r\n2\r\n3"},
        {"a break at the end is a line", L"1\r\n2\r\n", {5, 2}, L"1\r\n\u2026"},
        {"room for the mark alone", L"abc", {1, 1}, L"\u2026"},
        {"no room at all", L"abc\r\ndef", {0, 0}, L"\u2026"},
        {"60,000 characters",
         std::wstring(60'000, L'M'),
         {256, 1},
         std::wstring(255, L'M') + L"\u2026"},
        {"wrapped lines count in full",
         L"abcdef\r\nab\r\nab",
         {10, 3},
         L"abcdef\r\n\u2026",
         wrappedAtThree},
        {"wrapped lines that fit", L"abcdef\r\nab", {10, 3}, L"abcdef\r\nab", wrappedAtThree},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(fitPrompt(c.prompt, c.limits, {units, c.height}), c.fitted) << c.what;
    }
}

}  // namespace
}  // namespace tallowin::windows_backend
