#include "sysinfo/one_line.h"

#include <gtest/gtest.h>

#include <cctype>

#include "hostile_text.h"

namespace tallowin::testing {
namespace {

class OneLine : public ::testing::TestWithParam<HostileText> {};

TEST_P(OneLine, showsHostTextOnOneLineWithoutHiddenCharactersAndBounded) {
    EXPECT_EQ(oneLine(GetParam().host), GetParam().shown);
    EXPECT_EQ(oneLine(GetParam().shown), GetParam().shown) << "shown text is shown as it is";
}

INSTANTIATE_TEST_SUITE_P(HostText, OneLine, ::testing::ValuesIn(kHostileTexts),
                         [](const ::testing::TestParamInfo<HostileText>& param) {
                             std::string name;
                             for (char c : param.param.what)
                                 name += std::isalnum(static_cast<unsigned char>(c)) != 0 ? c : '_';
                             return name;
                         });

}  // namespace
}  // namespace tallowin::testing
