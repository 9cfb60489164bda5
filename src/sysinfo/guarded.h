// Runs one host operation so that no exception leaves it: running out of
// memory becomes error 7, anything else error 51, as the host reports them.
// Both back ends wrap in it every host operation that can throw: all of
// them but the Windows tick counter, a plain system call.
#pragma once

#include <expected>
#include <new>

#include "host_errors.h"

namespace tallowin {

template <class Operation>
[[nodiscard]] auto guarded(Operation&& operation) noexcept -> decltype(operation()) {
    try {
        return operation();
    } catch (const std::bad_alloc&) {
        return std::unexpected(errors::outOfMemory());
    } catch (...) {
        return std::unexpected(errors::internalError());
    }
}

}  // namespace tallowin
