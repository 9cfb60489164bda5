// Runs one host operation so that no exception leaves it: running out of
// memory becomes error 7, anything else error 51, as the host reports them.
// Every back end wraps each of its host operations in it.
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
