// Hostile host text as WMI answers it, in a BSTR: through the back end's
// value conversion and the one-line rule, it shows what every window shows.
#include <windows.h>
// The COM headers build on <windows.h>.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host_printing.h"
#include "hostile_text.h"
#include "safe_array.h"
#include "sysinfo/one_line.h"
#include "variant.h"
#include "variant_value.h"
#include "win32/wide_text.h"

namespace tallowin::windows_backend {
namespace {

struct HostileBstr {
    std::string what;
    std::wstring host;
    std::string shown;
};

std::vector<HostileBstr> hostileBstrs() {
    std::vector<HostileBstr> rows;
    for (const auto& row : tallowin::testing::kHostileTexts) {
        std::wstring host = win32::toWide(row.host);
        // Text that is not UTF-8 has no UTF-16 form to send.
        if (win32::toUtf8(host) != row.host) continue;
        rows.push_back({std::string{row.what}, std::move(host), row.shown});
    }
    // UTF-16's own malformed text: surrogates without their partner.
    rows.push_back({"lone high surrogate", L"pc-\xD800", "pc-\uFFFD"});
    rows.push_back({"lone low surrogate", L"\xDC00pc", "\uFFFDpc"});
    rows.push_back({"surrogates the wrong way round", L"p\xDC00\xD800q", "p\uFFFD\uFFFDq"});
    return rows;
}

// What a window shows of a converted value.
std::string shown(const HostResult<HostValue>& value) {
    if (!value) return "error: " + value.error().description;
    const auto text = toText(*value);
    return text ? oneLine(*text) : "error: " + text.error().description;
}

class HostileValues : public ::testing::TestWithParam<HostileBstr> {};

TEST_P(HostileValues, showWhatEveryWindowShowsAsATextAndAsAnArraysElement) {
    const HostileBstr& row = GetParam();
    EXPECT_EQ(shown(toHostValue(Variant::text(row.host).get())), row.shown) << row.what;

    SAFEARRAYBOUND bound{1, 0};
    SafeArray array(SafeArrayCreate(VT_BSTR, 1, &bound));
    LONG index = 0;
    const Variant element = Variant::text(row.host);
    ASSERT_EQ(SafeArrayPutElement(array.get(), &index, element.get().bstrVal), S_OK);
    Variant addresses;
    addresses.get().vt = VT_ARRAY | VT_BSTR;
    addresses.get().parray = array.release();
    EXPECT_EQ(shown(elementOf(addresses.get(), 0)), row.shown) << row.what;
}

INSTANTIATE_TEST_SUITE_P(EveryRow, HostileValues, ::testing::ValuesIn(hostileBstrs()));

}  // namespace
}  // namespace tallowin::windows_backend
