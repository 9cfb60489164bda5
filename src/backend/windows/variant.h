// An owned VARIANT: cleared with VariantClear (which frees a string, releases
// an object or destroys an array it holds) when the owner goes.
#pragma once

#include <oleauto.h>

#include <cstdint>
#include <string_view>

#include "bstr.h"

namespace tallowin::windows_backend {

class Variant {
  public:
    Variant() noexcept { VariantInit(&value_); }
    ~Variant() { VariantClear(&value_); }

    // Takes over what the other holds; the other is left empty.
    Variant(Variant&& other) noexcept : value_(other.value_) { VariantInit(&other.value_); }
    Variant& operator=(Variant&& other) noexcept {
        if (this != &other) {
            VariantClear(&value_);
            value_ = other.value_;
            VariantInit(&other.value_);
        }
        return *this;
    }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;

    [[nodiscard]] static Variant text(std::wstring_view value) {
        Variant variant;
        Bstr owned(value);
        variant.value_.vt = VT_BSTR;
        variant.value_.bstrVal = owned.release();
        return variant;
    }
    [[nodiscard]] static Variant int16(std::int16_t value) noexcept {
        Variant variant;
        variant.value_.vt = VT_I2;
        variant.value_.iVal = value;
        return variant;
    }

    [[nodiscard]] VARIANT& get() noexcept { return value_; }
    [[nodiscard]] const VARIANT& get() const noexcept { return value_; }
    [[nodiscard]] VARTYPE type() const noexcept { return value_.vt; }
    // For an out-parameter: clears what is held and answers where the callee
    // writes the new value.
    [[nodiscard]] VARIANT* out() noexcept {
        VariantClear(&value_);
        return &value_;
    }

  private:
    VARIANT value_;
};

}  // namespace tallowin::windows_backend
