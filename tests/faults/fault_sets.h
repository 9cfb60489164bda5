// Exhaustive fault injection: every set of up to five failed host operations
// that one call can meet.
//
// A set names operations by their position in the log of the run that has
// the set's failures, so a failure that changes what the call asks next
// (a walk that ends early, an object that is never made) is followed into the
// operations that the call then really makes. Each set is extended only by
// positions after its last failure, so every set is tried exactly once.
#pragma once

#include <cstddef>
#include <functional>
#include <vector>

#include "host_printing.h"
#include "sysinfo/host.h"

namespace tallowin::faults {

struct Injection {
    std::size_t position = 0;
    HostError error;
};

using FaultSet = std::vector<Injection>;

// The error numbers to try for the failure at a depth (0 for a set's first
// failure, 1 for its second ...).
using ErrorChoices = std::function<std::vector<HostError>(std::size_t depth)>;

// Runs one call with the failures and answers how many host operations it
// logged (releases not counted).
using FaultedRun = std::function<std::size_t(const FaultSet& failures)>;

// Runs the call with no failure, then with every set of 1 to `largest`
// failures, and answers the number of runs with at least one failure.
std::size_t forEachFaultSet(std::size_t largest, const ErrorChoices& choices,
                            const FaultedRun& run);

// The numbers tried: 13 (type mismatch, the one number the name lookup
// steps over) and others the host gives.
[[nodiscard]] HostError typeMismatch();
[[nodiscard]] const std::vector<HostError>& otherErrors();

// Ways of numbering the failures of one set: all 13, all others, or
// alternating.
[[nodiscard]] std::vector<ErrorChoices> numberPlans();

}  // namespace tallowin::faults
