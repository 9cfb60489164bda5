// An owned SAFEARRAY: destroyed with SafeArrayDestroy (which frees the
// strings in it) when the owner goes, unless it was handed to a VARIANT.
#pragma once

#include <oleauto.h>

#include <utility>

namespace tallowin::windows_backend {

class SafeArray {
  public:
    SafeArray() noexcept = default;
    explicit SafeArray(SAFEARRAY* array) noexcept : array_(array) {}
    ~SafeArray() {
        if (array_ != nullptr) SafeArrayDestroy(array_);
    }

    SafeArray(SafeArray&& other) noexcept : array_(std::exchange(other.array_, nullptr)) {}
    SafeArray& operator=(SafeArray&& other) noexcept {
        std::swap(array_, other.array_);
        return *this;
    }
    SafeArray(const SafeArray&) = delete;
    SafeArray& operator=(const SafeArray&) = delete;

    [[nodiscard]] SAFEARRAY* get() const noexcept { return array_; }
    [[nodiscard]] SAFEARRAY* release() noexcept { return std::exchange(array_, nullptr); }

  private:
    SAFEARRAY* array_ = nullptr;
};

}  // namespace tallowin::windows_backend
