// One row of a table test on text: the text given and what it should give.
// A failing row is printed as its text, escaped, so that a row of blanks or
// bytes that are not UTF-8 can still be told apart.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string_view>

namespace tallowin::linux_backend::testing {

template <class Expected>
struct TextCase {
    std::string_view text;
    Expected expected;

    friend void PrintTo(const TextCase& c, std::ostream* out) {
        *out << ::testing::PrintToString(c.text);
    }
};

}  // namespace tallowin::linux_backend::testing
