// A fake host with a set of failures scripted into it, and what one call on
// it logged: each host operation with the failure it met, if any.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "fake_host.h"
#include "fault_sets.h"

namespace tallowin::faults {

struct Logged {
    std::string operation;
    std::optional<HostError> failure;  // the failure injected into it
};

void inject(fake::FakeHost& host, const FaultSet& failures);

// The host's operations in order, each with the failure injected into it.
[[nodiscard]] std::vector<Logged> loggedOperations(const fake::FakeHost& host,
                                                   const FaultSet& failures);

// The position of the first log entry (releases included) equal to the text,
// or nothing.
[[nodiscard]] std::optional<std::size_t> firstInLog(const fake::FakeHost& host,
                                                    const std::string& entry);

// The failures as readable text, for messages: "#3 GetObject ... (462)".
[[nodiscard]] std::string describe(const std::vector<Logged>& logged);

}  // namespace tallowin::faults
