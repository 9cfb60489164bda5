#include "variant_value.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string_view>

#include "bstr.h"
#include "host_printing.h"
#include "safe_array.h"
#include "variant.h"

namespace tallowin::windows_backend {
namespace {

SafeArray texts(std::initializer_list<std::wstring_view> values, LONG lowerBound = 0) {
    SAFEARRAYBOUND bound{static_cast<ULONG>(values.size()), lowerBound};
    SafeArray array(SafeArrayCreate(VT_BSTR, 1, &bound));
    LONG index = lowerBound;
    for (const std::wstring_view value : values) {
        const Bstr text(value);
        EXPECT_EQ(SafeArrayPutElement(array.get(), &index, text.get()), S_OK);  // copies it
        ++index;
    }
    return array;
}

Variant holding(SafeArray array, VARTYPE elementType) {
    Variant value;
    value.get().vt = static_cast<VARTYPE>(VT_ARRAY | elementType);
    value.get().parray = array.release();
    return value;
}

template <class Set>
Variant scalar(VARTYPE type, Set set) {
    Variant value;
    value.get().vt = type;
    set(value.get());
    return value;
}

HostValue converted(const Variant& value) {
    const auto result = toHostValue(value.get());
    EXPECT_TRUE(result.has_value()) << result.error().description;
    return result.value_or(HostValue{});
}

TEST(VariantValue, turnsScalarsIntoHostValues) {
    EXPECT_EQ(converted(Variant{}), HostValue{Null{}});
    EXPECT_EQ(converted(scalar(VT_NULL, [](VARIANT&) {})), HostValue{Null{}});
    EXPECT_EQ(converted(Variant::text(L"Caf\u00E9 PC")), HostValue{std::string{"Caf\xC3\xA9 PC"}});
    EXPECT_EQ(converted(scalar(VT_BSTR, [](VARIANT& v) { v.bstrVal = nullptr; })),
              HostValue{std::string{}});
    EXPECT_EQ(converted(Variant::int16(-5)), HostValue{std::int64_t{-5}});
    EXPECT_EQ(converted(scalar(VT_UI1, [](VARIANT& v) { v.bVal = 255; })),
              HostValue{std::int64_t{255}});
    EXPECT_EQ(converted(scalar(VT_UI4, [](VARIANT& v) { v.ulVal = 4000000000u; })),
              HostValue{std::int64_t{4000000000}});
    EXPECT_EQ(converted(scalar(VT_I8, [](VARIANT& v) { v.llVal = -9000000000; })),
              HostValue{std::int64_t{-9000000000}});
    // Beyond the whole numbers a host value holds, the digits as text.
    EXPECT_EQ(converted(scalar(VT_UI8, [](VARIANT& v) { v.ullVal = ~0ull; })),
              HostValue{std::string{"18446744073709551615"}});
    EXPECT_EQ(converted(scalar(VT_BOOL, [](VARIANT& v) { v.boolVal = VARIANT_TRUE; })),
              HostValue{true});
    EXPECT_EQ(converted(scalar(VT_BOOL, [](VARIANT& v) { v.boolVal = VARIANT_FALSE; })),
              HostValue{false});
    // Any other value than VARIANT_FALSE is true, as VARIANT_TRUE (-1) is.
    EXPECT_EQ(converted(scalar(VT_BOOL, [](VARIANT& v) { v.boolVal = 1; })), HostValue{true});
}

TEST(VariantValue, leavesOtherTypesToTheHostsConversionToText) {
    EXPECT_EQ(converted(scalar(VT_R8, [](VARIANT& v) { v.dblVal = 2.5; })),
              HostValue{std::string{"2.5"}});
    const auto error = toHostValue(scalar(VT_ERROR, [](VARIANT& v) { v.scode = E_FAIL; }).get());
    ASSERT_FALSE(error);
    EXPECT_EQ(error.error().number, 13);
}

TEST(VariantValue, followsAReference) {
    LONG number = 42;
    const Variant reference = scalar(VT_I4 | VT_BYREF, [&](VARIANT& v) { v.plVal = &number; });
    EXPECT_EQ(converted(reference), HostValue{std::int64_t{42}});
}

TEST(VariantValue, turnsArraysOfTextIntoTextArrays) {
    const HostValue addresses{TextArray{"192.0.2.7", "fe80::1"}};
    EXPECT_EQ(converted(holding(texts({L"192.0.2.7", L"fe80::1"}), VT_BSTR)), addresses);
    EXPECT_EQ(converted(holding(texts({}, 0), VT_BSTR)), HostValue{TextArray{}});
    EXPECT_EQ(converted(holding(texts({L"192.0.2.7", L"fe80::1"}, 1), VT_BSTR)), addresses);

    // An array of variants: text, Null and a number.
    SAFEARRAYBOUND bound{3, 0};
    SafeArray variants(SafeArrayCreate(VT_VARIANT, 1, &bound));
    LONG index = 0;
    Variant first = Variant::text(L"10.0.0.1");
    SafeArrayPutElement(variants.get(), &index, &first.get());
    index = 1;
    Variant second = scalar(VT_NULL, [](VARIANT&) {});
    SafeArrayPutElement(variants.get(), &index, &second.get());
    index = 2;
    Variant third = Variant::int16(7);
    SafeArrayPutElement(variants.get(), &index, &third.get());
    const HostValue mixed{TextArray{"10.0.0.1", "", "7"}};
    EXPECT_EQ(converted(holding(std::move(variants), VT_VARIANT)), mixed);
}

TEST(VariantValue, refusesArraysThatAreNotText) {
    SAFEARRAYBOUND bound{2, 0};
    const auto numbers =
        toHostValue(holding(SafeArray(SafeArrayCreate(VT_I4, 1, &bound)), VT_I4).get());
    ASSERT_FALSE(numbers);
    EXPECT_EQ(numbers.error().number, 13);

    SAFEARRAYBOUND square[2] = {{2, 0}, {2, 0}};
    const auto twoDimensions =
        toHostValue(holding(SafeArray(SafeArrayCreate(VT_BSTR, 2, square)), VT_BSTR).get());
    ASSERT_FALSE(twoDimensions);
    EXPECT_EQ(twoDimensions.error().number, 13);
}

TEST(VariantValue, takesAnElementWithinTheArraysOwnBounds) {
    const Variant fromOne = holding(texts({L"A1", L"A2", L"A3"}, 1), VT_BSTR);
    EXPECT_EQ(elementOf(fromOne.get(), 1), HostValue{std::string{"A1"}});
    EXPECT_EQ(elementOf(fromOne.get(), 3), HostValue{std::string{"A3"}});
    for (const std::int16_t outside : {std::int16_t{0}, std::int16_t{4}, std::int16_t{-1}}) {
        const auto element = elementOf(fromOne.get(), outside);
        ASSERT_FALSE(element) << outside;
        EXPECT_EQ(element.error(), (HostError{9, "Subscript out of range"}));
    }
    EXPECT_FALSE(elementOf(holding(texts({}), VT_BSTR).get(), 0));
}

TEST(VariantValue, takesAValueThatIsNoArrayAsTheElementItself) {
    EXPECT_EQ(elementOf(Variant::text(L"B1").get(), 0), HostValue{std::string{"B1"}});
    EXPECT_EQ(elementOf(Variant{}.get(), 3), HostValue{Null{}});
}

}  // namespace
}  // namespace tallowin::windows_backend
