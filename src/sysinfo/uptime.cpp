#include "uptime.h"

#include <array>

namespace tallowin {

namespace {

// Seconds times a million outgrow 64 bits long before the tick counter does.
__extension__ using Wide = unsigned __int128;

// A month is 604,800 × 4.34812141 = 2,629,743.828768 seconds; in
// microseconds it is a whole number, so months divide exactly.
constexpr std::uint64_t kMicrosecondsPerSecond = 1'000'000;
constexpr std::uint64_t kMicrosecondsPerMonth = 2'629'743'828'768;

struct Unit {
    std::uint64_t seconds;
    std::string_view name;
};

// Below the month, largest first.
constexpr std::array kUnits{Unit{604'800, "week"}, Unit{86'400, "day"}, Unit{3'600, "hour"},
                            Unit{60, "minute"}, Unit{1, "second"}};

// numerator / denominator rounded to the nearest whole number, halves to the
// even neighbour.
constexpr Wide roundHalfToEven(Wide numerator, Wide denominator) {
    const Wide quotient = numerator / denominator;
    const Wide twiceRemainder = 2 * (numerator % denominator);
    if (twiceRemainder > denominator || (twiceRemainder == denominator && quotient % 2 == 1)) {
        return quotient + 1;
    }
    return quotient;
}

void appendPiece(std::string& text, std::uint64_t count, std::string_view unit,
                 std::string_view separator) {
    if (count == 0) return;
    text += std::to_string(count);
    text += ' ';
    text += unit;
    if (count != 1) text += 's';
    text += separator;
}

}  // namespace

std::string uptimeInWords(std::uint64_t milliseconds, std::string_view separator) {
    const Wide seconds = roundHalfToEven(milliseconds, 1000);

    const Wide microseconds = seconds * kMicrosecondsPerSecond;
    const auto months = static_cast<std::uint64_t>(microseconds / kMicrosecondsPerMonth);
    auto remaining = static_cast<std::uint64_t>(roundHalfToEven(
        microseconds - Wide{months} * kMicrosecondsPerMonth, kMicrosecondsPerSecond));

    std::string text;
    appendPiece(text, months, "month", separator);
    for (const Unit& unit : kUnits) {
        appendPiece(text, remaining / unit.seconds, unit.name, separator);
        remaining %= unit.seconds;
    }
    // Every piece ended in the separator; the last one loses it.
    if (text.ends_with(separator)) text.resize(text.size() - separator.size());
    return text;
}

HostResult<std::string> readUptime(Host& host, std::string_view separator) {
    return andThen(host.tickCount(), [separator](std::uint64_t milliseconds) {
        return HostResult<std::string>{uptimeInWords(milliseconds, separator)};
    });
}

}  // namespace tallowin
