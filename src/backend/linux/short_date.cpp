#include "short_date.h"

#include <langinfo.h>

#include <clocale>
#include <ctime>
#include <memory>
#include <string_view>
#include <type_traits>

#include "backend_errors.h"

namespace tallowin::linux_backend {
namespace {

struct FreeLocale {
    void operator()(std::remove_pointer_t<locale_t>* locale) const noexcept { freelocale(locale); }
};
using Locale = std::unique_ptr<std::remove_pointer_t<locale_t>, FreeLocale>;

bool isPlainC(std::string_view name) {
    return name.empty() || name == "C" || name == "POSIX" || name.starts_with("C.");
}

std::tm calendarFields(std::chrono::year_month_day date) {
    using namespace std::chrono;
    const sys_days day{date};
    std::tm fields{};
    fields.tm_year = static_cast<int>(date.year()) - 1900;
    fields.tm_mon = static_cast<int>(static_cast<unsigned>(date.month())) - 1;
    fields.tm_mday = static_cast<int>(static_cast<unsigned>(date.day()));
    fields.tm_wday = static_cast<int>(weekday{day}.c_encoding());
    fields.tm_yday = static_cast<int>((day - sys_days{date.year() / January / 1}).count());
    return fields;
}

// Formats with the locale's date format; empty when the format gives nothing.
std::string formatInLocale(std::chrono::year_month_day date, locale_t locale) {
    const char* format = nl_langinfo_l(D_FMT, locale);
    if (format == nullptr || *format == '\0') {
        return {};
    }
    const std::tm fields = calendarFields(date);
    for (std::size_t size = 64; size <= 4096; size *= 2) {
        std::string text(size, '\0');
        const std::size_t written = strftime_l(text.data(), text.size(), format, &fields, locale);
        if (written > 0) {
            text.resize(written);
            return text;
        }
    }
    return {};
}

}  // namespace

std::string usShortDate(std::chrono::year_month_day date) {
    return std::to_string(static_cast<unsigned>(date.month())) + '/' +
           std::to_string(static_cast<unsigned>(date.day())) + '/' +
           std::to_string(static_cast<int>(date.year()));
}

HostResult<std::string> localShortDate(std::chrono::year_month_day date) {
    if (!date.ok()) {
        return std::unexpected(errors::invalidArgument("the date does not exist"));
    }
    const Locale locale(newlocale(LC_TIME_MASK, "", nullptr));
    if (!locale) {
        return usShortDate(date);
    }
    const char* name = nl_langinfo_l(_NL_LOCALE_NAME(LC_TIME), locale.get());
    if (name == nullptr || isPlainC(name)) {
        return usShortDate(date);
    }
    std::string text = formatInLocale(date, locale.get());
    return text.empty() ? usShortDate(date) : text;
}

}  // namespace tallowin::linux_backend
