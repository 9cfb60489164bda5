#include "faulted_host.h"

#include <algorithm>

namespace tallowin::faults {

void inject(fake::FakeHost& host, const FaultSet& failures) {
    for (const Injection& failure : failures) host.failNth(failure.position, failure.error);
}

std::vector<Logged> loggedOperations(const fake::FakeHost& host, const FaultSet& failures) {
    std::vector<Logged> logged;
    for (std::string& operation : host.operations()) logged.push_back({std::move(operation), {}});
    for (const Injection& failure : failures) {
        if (failure.position < logged.size()) logged[failure.position].failure = failure.error;
    }
    return logged;
}

std::optional<std::size_t> firstInLog(const fake::FakeHost& host, const std::string& entry) {
    const auto& log = host.log();
    const auto found = std::ranges::find(log, entry);
    if (found == log.end()) return std::nullopt;
    return static_cast<std::size_t>(found - log.begin());
}

std::string describe(const std::vector<Logged>& logged) {
    std::string text;
    for (std::size_t i = 0; i < logged.size(); ++i) {
        text += '#';
        text += std::to_string(i);
        text += ' ';
        text += logged[i].operation;
        if (logged[i].failure) {
            text += " FAILS (";
            text += std::to_string(logged[i].failure->number);
            text += ')';
        }
        text += '\n';
    }
    return text;
}

}  // namespace tallowin::faults
