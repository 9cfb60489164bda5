#include "variant_value.h"

#include <limits>
#include <string>

#include "bstr.h"
#include "com_errors.h"
#include "sysinfo/host_errors.h"
#include "variant.h"
#include "win32/wide_text.h"

namespace tallowin::windows_backend {

namespace {

std::string textOf(BSTR text) {
    return win32::toUtf8(text == nullptr ? std::wstring_view{}
                                         : std::wstring_view{text, SysStringLen(text)});
}

// Answers read(value), or, for a by-reference value, read of a copy of what
// it points to.
template <typename Read>
HostResult<HostValue> direct(const VARIANT& value, Read read) {
    if ((value.vt & VT_BYREF) == 0) return read(value);
    Variant copy;
    const HRESULT result = VariantCopyInd(copy.out(), const_cast<VARIANT*>(&value));
    if (FAILED(result)) return std::unexpected(fromHresult(result));
    return direct(copy.get(), read);
}

// The host's own conversion of a value to a string, in the user's locale.
HostResult<std::string> changedToText(const VARIANT& value) {
    Variant text;
    const HRESULT result = VariantChangeType(text.out(), const_cast<VARIANT*>(&value), 0, VT_BSTR);
    if (FAILED(result) || text.type() != VT_BSTR) {
        return std::unexpected(tallowin::errors::typeMismatch());
    }
    return textOf(text.get().bstrVal);
}

// One element of an array of variants, as text: the elements of address
// lists and the like. Null and Empty elements read as empty text.
HostResult<std::string> elementText(const VARIANT& element) {
    switch (element.vt) {
        case VT_EMPTY:
        case VT_NULL:
            return std::string{};
        case VT_BSTR:
            return textOf(element.bstrVal);
        default:
            return changedToText(element);
    }
}

struct Bounds {
    LONG lower = 0;
    LONG upper = -1;
};

HostResult<Bounds> boundsOf(SAFEARRAY* array) {
    if (array == nullptr || SafeArrayGetDim(array) != 1) {
        return std::unexpected(tallowin::errors::typeMismatch());
    }
    Bounds bounds;
    HRESULT result = SafeArrayGetLBound(array, 1, &bounds.lower);
    if (SUCCEEDED(result)) result = SafeArrayGetUBound(array, 1, &bounds.upper);
    if (FAILED(result)) return std::unexpected(fromHresult(result));
    return bounds;
}

// The element at `index` of an array of strings or of variants, as a
// variant of its own (a string element as a string variant).
HostResult<Variant> elementAt(SAFEARRAY* array, VARTYPE elementType, LONG index) {
    Variant element;
    HRESULT result = S_OK;
    switch (elementType) {
        case VT_BSTR: {
            Bstr text;
            result = SafeArrayGetElement(array, &index, text.out());
            // The variant takes the string over (a null one reads as empty).
            element.get().vt = VT_BSTR;
            element.get().bstrVal = text.release();
            break;
        }
        case VT_VARIANT:
            result = SafeArrayGetElement(array, &index, element.out());
            break;
        default:
            return std::unexpected(tallowin::errors::typeMismatch());
    }
    if (FAILED(result)) return std::unexpected(fromHresult(result));
    return element;
}

HostResult<HostValue> textArray(SAFEARRAY* array, VARTYPE elementType) {
    if (elementType != VT_BSTR && elementType != VT_VARIANT) {
        return std::unexpected(tallowin::errors::typeMismatch());
    }
    const auto bounds = boundsOf(array);
    if (!bounds) return std::unexpected(bounds.error());

    TextArray texts;
    for (LONG index = bounds->lower; index <= bounds->upper; ++index) {
        const auto element = elementAt(array, elementType, index);
        if (!element) return std::unexpected(element.error());
        auto text = elementText(element->get());
        if (!text) return std::unexpected(text.error());
        texts.push_back(std::move(*text));
    }
    return HostValue{std::move(texts)};
}

HostValue wholeNumber(std::int64_t number) { return HostValue{number}; }

HostResult<HostValue> unsignedNumber(std::uint64_t number) {
    if (number <= static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) {
        return wholeNumber(static_cast<std::int64_t>(number));
    }
    return HostValue{std::to_string(number)};
}

HostResult<HostValue> directValue(const VARIANT& value) {
    if ((value.vt & VT_ARRAY) != 0) {
        return textArray(value.parray, static_cast<VARTYPE>(value.vt & VT_TYPEMASK));
    }
    switch (value.vt) {
        case VT_EMPTY:
        case VT_NULL:
            return HostValue{Null{}};
        case VT_BSTR:
            return HostValue{textOf(value.bstrVal)};
        case VT_BOOL:
            return HostValue{value.boolVal != VARIANT_FALSE};
        case VT_I1:
            return wholeNumber(value.cVal);
        case VT_I2:
            return wholeNumber(value.iVal);
        case VT_I4:
            return wholeNumber(value.lVal);
        case VT_INT:
            return wholeNumber(value.intVal);
        case VT_I8:
            return wholeNumber(value.llVal);
        case VT_UI1:
            return wholeNumber(value.bVal);
        case VT_UI2:
            return wholeNumber(value.uiVal);
        case VT_UI4:
            return wholeNumber(value.ulVal);
        case VT_UINT:
            return wholeNumber(value.uintVal);
        case VT_UI8:
            return unsignedNumber(value.ullVal);
        default: {
            auto text = changedToText(value);
            if (!text) return std::unexpected(text.error());
            return HostValue{std::move(*text)};
        }
    }
}

}  // namespace

HostResult<HostValue> toHostValue(const VARIANT& value) { return direct(value, directValue); }

HostResult<HostValue> elementOf(const VARIANT& value, std::int16_t index) {
    return direct(value, [index](const VARIANT& plain) -> HostResult<HostValue> {
        if ((plain.vt & VT_ARRAY) == 0) return directValue(plain);
        const auto bounds = boundsOf(plain.parray);
        if (!bounds) return std::unexpected(bounds.error());
        if (index < bounds->lower || index > bounds->upper) {
            return std::unexpected(tallowin::errors::subscriptOutOfRange());
        }
        const auto element =
            elementAt(plain.parray, static_cast<VARTYPE>(plain.vt & VT_TYPEMASK), index);
        if (!element) return std::unexpected(element.error());
        return toHostValue(element->get());
    });
}

}  // namespace tallowin::windows_backend
