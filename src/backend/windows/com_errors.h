// Failures of Win32 and COM calls as the host reports them: an error number
// and a description, numbered the way the classic late-binding runtime
// numbers them.
#pragma once

#include <oaidl.h>
#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "sysinfo/host.h"

namespace tallowin::windows_backend {

// The error number of an HRESULT: 0x800A#### (the runtime's own facility)
// gives ####; any other HRESULT is its own value as a signed 32-bit number.
[[nodiscard]] std::int32_t errorNumber(HRESULT result) noexcept;

// A description without the trailing blanks and line breaks that system
// messages end with.
[[nodiscard]] std::string trimmedDescription(std::wstring_view text);

// The system's message for a code, trimmed; empty when it has none.
[[nodiscard]] std::string systemMessage(HRESULT code);

// A failed call: its number and the system's message for it ("Automation
// error" when the system has none).
[[nodiscard]] HostError fromHresult(HRESULT result);

// The exception that IDispatch::Invoke reported with DISP_E_EXCEPTION, after
// its deferred fill-in: the number is wCode when set, else the one of scode;
// the description is the exception's own, else the system's message.
[[nodiscard]] HostError fromException(EXCEPINFO& exception);

// A Win32 call that failed with GetLastError() == code.
[[nodiscard]] HostError fromWin32(DWORD code);

namespace errors {
[[nodiscard]] HostError invalidArgument();     // 5
[[nodiscard]] HostError cannotCreateObject();  // 429
}  // namespace errors

}  // namespace tallowin::windows_backend
