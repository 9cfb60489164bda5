#include "win32/wide_text.h"

#include <gtest/gtest.h>

namespace tallowin::win32 {
namespace {

TEST(WideText, roundTripsEveryPlane) {
    const std::string utf8 =
        "PC7 \xC3\xA9t\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x96\xA5";  // é, €, U+1F5A5
    const std::wstring wide = toWide(utf8);
    EXPECT_EQ(wide, std::wstring(L"PC7 \u00E9t\u00E9 \u20AC \xD83D\xDDA5"));
    EXPECT_EQ(toUtf8(wide), utf8);
    EXPECT_EQ(toWide(""), L"");
    EXPECT_EQ(toUtf8(L""), "");
}

TEST(WideText, keepsEmbeddedNullsAndLineBreaks) {
    const std::string utf8("a\0b\r\nc", 6);
    EXPECT_EQ(toWide(utf8), std::wstring(L"a\0b\r\nc", 6));
    EXPECT_EQ(toUtf8(toWide(utf8)), utf8);
}

TEST(WideText, replacesWhatIsNotValidWithTheReplacementCharacter) {
    // A stray continuation byte and a sequence cut short.
    EXPECT_EQ(toWide("a\xFF"
                     "b\xE2\x82"),
              L"a\uFFFDb\uFFFD");
    // An unpaired surrogate on the UTF-16 side.
    const wchar_t lone[] = {L'a', static_cast<wchar_t>(0xD800), L'b'};
    EXPECT_EQ(toUtf8(std::wstring_view(lone, 3)),
              "a\xEF\xBF\xBD"
              "b");
}

}  // namespace
}  // namespace tallowin::win32
