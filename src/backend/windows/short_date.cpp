#include "short_date.h"

#include <windows.h>

#include "com_errors.h"
#include "win32/wide_text.h"

namespace tallowin::windows_backend {

namespace {

// The years a SYSTEMTIME can hold.
constexpr int kFirstYear = 1601;
constexpr int kLastYear = 30827;

}  // namespace

HostResult<std::string> shortDate(std::chrono::year_month_day date) {
    const int year = static_cast<int>(date.year());
    if (!date.ok() || year < kFirstYear || year > kLastYear) {
        return std::unexpected(errors::invalidArgument());
    }
    SYSTEMTIME time{};
    time.wYear = static_cast<WORD>(year);
    time.wMonth = static_cast<WORD>(static_cast<unsigned>(date.month()));
    time.wDay = static_cast<WORD>(static_cast<unsigned>(date.day()));
    time.wDayOfWeek =
        static_cast<WORD>(std::chrono::weekday{std::chrono::sys_days{date}}.c_encoding());

    const int needed = GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr,
                                       nullptr, 0, nullptr);
    if (needed <= 0) return std::unexpected(fromWin32(GetLastError()));
    std::wstring text(static_cast<std::size_t>(needed), L'\0');
    const int written = GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr,
                                        text.data(), needed, nullptr);
    if (written <= 0) return std::unexpected(fromWin32(GetLastError()));
    text.resize(static_cast<std::size_t>(written - 1));  // less the closing null
    return win32::toUtf8(text);
}

}  // namespace tallowin::windows_backend
