// A broken rule in a fuzz target: the target says which and stops, so that
// libFuzzer keeps the input as a crash and a replay fails.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace tallowin::fuzz {

inline void require(bool holds, std::string_view rule) {
    if (holds) return;
    std::fprintf(stderr, "broken rule: %.*s\n", static_cast<int>(rule.size()), rule.data());
    std::abort();
}

}  // namespace tallowin::fuzz
