#include "com_errors.h"

#include <memory>

#include "bstr.h"
#include "win32/wide_text.h"

namespace tallowin::windows_backend {

namespace {

constexpr std::uint32_t kRuntimeFacilityMask = 0xFFFF0000u;
constexpr std::uint32_t kRuntimeFacility = 0x800A0000u;
constexpr std::string_view kNoSystemMessage = "Automation error";

struct LocalFreeDeleter {
    void operator()(wchar_t* text) const noexcept { LocalFree(text); }
};

// EXCEPINFO's strings belong to whoever received it: each is taken over
// and freed here.
Bstr adopt(BSTR& text) noexcept {
    Bstr owned;
    *owned.out() = std::exchange(text, nullptr);
    return owned;
}

}  // namespace

std::int32_t errorNumber(HRESULT result) noexcept {
    const auto bits = static_cast<std::uint32_t>(result);
    if ((bits & kRuntimeFacilityMask) == kRuntimeFacility) {
        return static_cast<std::int32_t>(bits & 0xFFFFu);
    }
    return static_cast<std::int32_t>(bits);
}

std::string trimmedDescription(std::wstring_view text) {
    while (!text.empty()) {
        const wchar_t last = text.back();
        if (last != L' ' && last != L'\t' && last != L'\r' && last != L'\n') break;
        text.remove_suffix(1);
    }
    return win32::toUtf8(text);
}

std::string systemMessage(HRESULT code) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(code), 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    const std::unique_ptr<wchar_t, LocalFreeDeleter> owned(buffer);
    if (length == 0 || buffer == nullptr) return {};
    return trimmedDescription({buffer, length});
}

HostError fromHresult(HRESULT result) {
    std::string description = systemMessage(result);
    if (description.empty()) description = kNoSystemMessage;
    return {errorNumber(result), std::move(description)};
}

HostError fromException(EXCEPINFO& exception) {
    if (exception.pfnDeferredFillIn != nullptr) {
        const auto fillIn = std::exchange(exception.pfnDeferredFillIn, nullptr);
        fillIn(&exception);
    }
    const Bstr description = adopt(exception.bstrDescription);
    const Bstr source = adopt(exception.bstrSource);
    const Bstr helpFile = adopt(exception.bstrHelpFile);

    HostError error;
    HRESULT code = exception.scode;
    if (exception.wCode != 0) {
        error.number = exception.wCode;
        code = static_cast<HRESULT>(kRuntimeFacility | exception.wCode);
    } else {
        error.number = errorNumber(exception.scode);
    }
    error.description = trimmedDescription(description.view());
    if (error.description.empty()) error.description = systemMessage(code);
    if (error.description.empty()) error.description = kNoSystemMessage;
    return error;
}

HostError fromWin32(DWORD code) { return fromHresult(HRESULT_FROM_WIN32(code)); }

namespace errors {
HostError invalidArgument() { return {5, "Invalid procedure call or argument"}; }
HostError cannotCreateObject() { return {429, "ActiveX component can't create object"}; }
}  // namespace errors

}  // namespace tallowin::windows_backend
