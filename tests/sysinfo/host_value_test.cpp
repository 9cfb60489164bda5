#include <gtest/gtest.h>

#include "sysinfo/host.h"
#include "sysinfo/valid_utf8.h"

namespace tallowin {
namespace {

TEST(TextConversion, writesNumbersAndBooleansAsTheHostDoes) {
    EXPECT_EQ(toText(std::int64_t{3}), "3");
    EXPECT_EQ(toText(std::int64_t{-2147024891}), "-2147024891");
    EXPECT_EQ(toText(true), "True");
    EXPECT_EQ(toText(false), "False");
    EXPECT_EQ(toText(std::string{}), "");
}

TEST(TextConversion, refusesNullAndArraysWithTheirHostNumbers) {
    EXPECT_EQ(toText(Null{}).error().number, 94);
    EXPECT_EQ(toText(TextArray{"a"}).error().number, 13);
    EXPECT_EQ(joinText(TextArray{"a"}).error().number, 13);
}

TEST(TextConversion, joinsNullAsEmptyText) { EXPECT_EQ(joinText(Null{}), ""); }

TEST(ArrayBounds, spanTheElementsFromZero) {
    EXPECT_EQ(lowerBound(TextArray{"a", "b"}), 0);
    EXPECT_EQ(upperBound(TextArray{"a", "b"}), 1);
    EXPECT_EQ(upperBound(TextArray{}), -1);
}

TEST(ArrayBounds, failForValuesThatAreNoArraysAndForBoundsPastSixteenBits) {
    EXPECT_EQ(lowerBound(std::string{"a"}).error().number, 13);
    EXPECT_EQ(upperBound(Null{}).error().number, 13);
    EXPECT_EQ(upperBound(TextArray(40000)).error().number, 6);
}

struct Utf8Case {
    std::string bytes;
    std::string shown;
};

class ValidUtf8 : public ::testing::TestWithParam<Utf8Case> {};

TEST_P(ValidUtf8, replacesEveryMalformedSequenceAndKeepsTheRest) {
    EXPECT_EQ(toValidUtf8(GetParam().bytes), GetParam().shown);
    EXPECT_EQ(toText(GetParam().bytes), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    HostText, ValidUtf8,
    ::testing::Values(Utf8Case{"PC7", "PC7"}, Utf8Case{"caf\xc3\xa9", "caf\xc3\xa9"},
                      Utf8Case{"caf\xe9", "caf\xef\xbf\xbd"},    // Latin-1 byte
                      Utf8Case{"a\xc0\xafz", "a\xef\xbf\xbdz"},  // an overlong "/"
                      Utf8Case{"\xed\xa0\x80", "\xef\xbf\xbd"},  // a surrogate
                      Utf8Case{"x\xf0\x9f", "x\xef\xbf\xbd"},    // cut short
                      Utf8Case{std::string("a\0b", 3), std::string("a\0b", 3)}));

}  // namespace
}  // namespace tallowin
