#include "fault_sets.h"

namespace tallowin::faults {

namespace {

std::size_t extend(FaultSet& set, std::size_t largest, const ErrorChoices& choices,
                   const FaultedRun& run, std::size_t logged) {
    if (set.size() == largest) return 0;
    const std::size_t from = set.empty() ? 0 : set.back().position + 1;
    std::size_t runs = 0;
    for (std::size_t position = from; position < logged; ++position) {
        for (const HostError& error : choices(set.size())) {
            set.push_back({position, error});
            const std::size_t loggedNow = run(set);
            ++runs;
            runs += extend(set, largest, choices, run, loggedNow);
            set.pop_back();
        }
    }
    return runs;
}

}  // namespace

std::size_t forEachFaultSet(std::size_t largest, const ErrorChoices& choices,
                            const FaultedRun& run) {
    FaultSet set;
    const std::size_t logged = run(set);
    return extend(set, largest, choices, run, logged);
}

HostError typeMismatch() { return {13, "Type mismatch"}; }

const std::vector<HostError>& otherErrors() {
    static const std::vector<HostError> kOthers{
        {91, "Object variable or With block variable not set"},
        {-2147217406, "Not found"},
        {429, "ActiveX component can't create object"},
        {462, "The remote server machine does not exist or is unavailable"},
    };
    return kOthers;
}

std::vector<ErrorChoices> numberPlans() {
    const auto other = [](std::size_t depth) {
        return otherErrors()[depth % otherErrors().size()];
    };
    return {
        [](std::size_t) { return std::vector<HostError>{typeMismatch()}; },
        [other](std::size_t depth) { return std::vector<HostError>{other(depth)}; },
        [other](std::size_t depth) {
            return std::vector<HostError>{depth % 2 == 0 ? typeMismatch() : other(depth)};
        },
    };
}

}  // namespace tallowin::faults
