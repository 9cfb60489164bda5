// Runs a host operation so that no exception leaves it: running out of
// memory becomes error 7, anything else error 51, as the host reports them.
#pragma once

#include <expected>
#include <new>

#include "backend_errors.h"

namespace tallowin::linux_backend {

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

}  // namespace tallowin::linux_backend
