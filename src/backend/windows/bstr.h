// An owned BSTR: freed with SysFreeString when the owner goes.
#pragma once

#include <oleauto.h>

#include <new>
#include <string_view>
#include <utility>

namespace tallowin::windows_backend {

class Bstr {
  public:
    Bstr() noexcept = default;
    explicit Bstr(std::wstring_view text)
        : value_(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {
        if (value_ == nullptr) throw std::bad_alloc();
    }
    ~Bstr() { SysFreeString(value_); }

    Bstr(Bstr&& other) noexcept : value_(std::exchange(other.value_, nullptr)) {}
    Bstr& operator=(Bstr&& other) noexcept {
        std::swap(value_, other.value_);
        return *this;
    }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;

    [[nodiscard]] BSTR get() const noexcept { return value_; }
    // For an out-parameter: frees what is held and answers where the callee
    // writes the new string.
    [[nodiscard]] BSTR* out() noexcept {
        SysFreeString(std::exchange(value_, nullptr));
        return &value_;
    }
    // Hands the string to a new owner (a VARIANT).
    [[nodiscard]] BSTR release() noexcept { return std::exchange(value_, nullptr); }
    // The text; a null BSTR is empty text.
    [[nodiscard]] std::wstring_view view() const noexcept {
        return value_ == nullptr ? std::wstring_view{}
                                 : std::wstring_view{value_, SysStringLen(value_)};
    }

  private:
    BSTR value_ = nullptr;
};

}  // namespace tallowin::windows_backend
