#include "late_binding.h"

#include <algorithm>
#include <string>
#include <vector>

#include "com_errors.h"
#include "win32/wide_text.h"

namespace tallowin::windows_backend {

namespace {

// A property read by late binding asks for either a property or a method
// result, as the classic runtime does; some providers (Wine's WMI objects
// among them) answer their properties only to this combination.
constexpr WORD kGetFlags = DISPATCH_METHOD | DISPATCH_PROPERTYGET;

}  // namespace

HostResult<DISPID> memberId(IDispatch& object, std::string_view name) {
    std::wstring wide = win32::toWide(name);
    LPOLESTR names[] = {wide.data()};
    DISPID id = DISPID_UNKNOWN;
    const HRESULT result = object.GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(result)) return std::unexpected(fromHresult(result));
    return id;
}

HostResult<Variant> getMember(IDispatch& object, DISPID member, std::span<VARIANT> arguments) {
    // DISPPARAMS takes the arguments last first.
    std::vector<VARIANT> reversed(arguments.rbegin(), arguments.rend());
    DISPPARAMS parameters{};
    parameters.rgvarg = reversed.empty() ? nullptr : reversed.data();
    parameters.cArgs = static_cast<UINT>(reversed.size());

    Variant value;
    EXCEPINFO exception{};
    UINT badArgument = 0;
    const HRESULT result = object.Invoke(member, IID_NULL, LOCALE_USER_DEFAULT, kGetFlags,
                                         &parameters, value.out(), &exception, &badArgument);
    if (result == DISP_E_EXCEPTION) return std::unexpected(fromException(exception));
    if (FAILED(result)) return std::unexpected(fromHresult(result));
    return value;
}

HostResult<Variant> getMember(IDispatch& object, std::string_view name,
                              std::span<VARIANT> arguments) {
    const auto id = memberId(object, name);
    if (!id) return std::unexpected(id.error());
    return getMember(object, *id, arguments);
}

}  // namespace tallowin::windows_backend
