// Runs one host operation so that no exception leaves it: running out of
// memory becomes error 7, anything else error 51.
#pragma once

#include <new>

#include "com_errors.h"

namespace tallowin::windows_backend {

template <class Operation>
auto guarded(Operation operation) noexcept -> decltype(operation()) {
    try {
        return operation();
    } catch (const std::bad_alloc&) {
        return std::unexpected(errors::outOfMemory());
    } catch (...) {
        return std::unexpected(errors::internalError());
    }
}

}  // namespace tallowin::windows_backend
