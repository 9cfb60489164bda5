#include "host_printing.h"

#include <gtest/gtest.h>

#include "sysinfo/host.h"

namespace tallowin {
namespace {

struct Printed {
    const char* what;
    std::string actual;
    std::string expected;

    friend void PrintTo(const Printed& printed, std::ostream* out) { *out << printed.what; }
};

class FailureMessages : public ::testing::TestWithParam<Printed> {};

// What a failed EXPECT_EQ shows for each kind of host answer.
TEST_P(FailureMessages, showTheHostsAnswerAsText) {
    EXPECT_EQ(GetParam().actual, GetParam().expected);
}

using ::testing::PrintToString;

INSTANTIATE_TEST_SUITE_P(
    HostAnswers, FailureMessages,
    ::testing::Values(
        Printed{"Null", PrintToString(HostResult<HostValue>{Null{}}), "Null"},
        Printed{"text", PrintToString(HostResult<HostValue>{std::string{"a \"b\"\\\r\n\x01"}}),
                R"("a \"b\"\\\r\n\x01")"},
        Printed{"number", PrintToString(HostResult<HostValue>{std::int64_t{-2147217385}}),
                "-2147217385"},
        Printed{"boolean", PrintToString(HostResult<HostValue>{true}), "True"},
        Printed{"array", PrintToString(HostResult<HostValue>{TextArray{"fd00::2", "192.0.2.2"}}),
                R"({"fd00::2", "192.0.2.2"})"},
        Printed{
            "failed read",
            PrintToString(HostResult<HostValue>{std::unexpected(HostError{13, "Type mismatch"})}),
            R"(error 13: "Type mismatch")"},
        Printed{"failure",
                PrintToString(std::unexpected(HostError{-2147467263, "Not implemented."})),
                R"(error -2147467263: "Not implemented.")"},
        Printed{"error", PrintToString(HostError{7, "Out of memory"}),
                R"(error 7: "Out of memory")"},
        Printed{"date text", PrintToString(HostResult<std::string>{"3/22/2007"}), R"("3/22/2007")"},
        Printed{"bound", PrintToString(HostResult<std::int16_t>{std::int16_t{-1}}), "-1"},
        Printed{"tick count", PrintToString(HostResult<std::uint64_t>{std::uint64_t{1} << 63}),
                "9223372036854775808"},
        Printed{"no object", PrintToString(HostResult<std::unique_ptr<WmiItem>>{}), "no object"}));

// A bare value goes through GoogleTest's own variant printer, which reaches
// the Null printer for the one alternative it could not print itself.
TEST(BareHostValue, showsNullByName) {
    EXPECT_NE(PrintToString(HostValue{Null{}}).find("with value Null"), std::string::npos);
}

}  // namespace
}  // namespace tallowin
