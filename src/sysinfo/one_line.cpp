#include "one_line.h"

#include <utf8.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>

#include "valid_utf8.h"

namespace tallowin {

namespace {

struct Range {
    char32_t first;
    char32_t last;
};

// Code points that end a line in some toolkit: Qt breaks at CR, LF, U+2028
// and U+2029, Win32 controls at CR and LF, text layouts at the rest.
constexpr std::array kLineBreaks{
    Range{0x0A, 0x0D},      // LF, VT, FF, CR
    Range{0x85, 0x85},      // NEL
    Range{0x2028, 0x2029},  // line and paragraph separators
};

// Code points that are never shown as themselves: controls, and format
// characters that are invisible or change the order of what follows.
constexpr std::array kRemoved{
    Range{0x00, 0x1F},        // C0 controls (the line breaks are taken first)
    Range{0x7F, 0x9F},        // DEL and the C1 controls
    Range{0xAD, 0xAD},        // soft hyphen
    Range{0x061C, 0x061C},    // Arabic letter mark
    Range{0x180E, 0x180E},    // Mongolian vowel separator
    Range{0x200B, 0x200F},    // zero-width space, joiners, LTR and RTL marks
    Range{0x202A, 0x202E},    // bidirectional embeddings and overrides
    Range{0x2060, 0x2064},    // word joiner, invisible operators
    Range{0x2066, 0x206F},    // bidirectional isolates, deprecated formats
    Range{0xFEFF, 0xFEFF},    // zero-width no-break space (byte-order mark)
    Range{0xFFF9, 0xFFFB},    // interlinear annotation
    Range{0xE0001, 0xE0001},  // language tag
    Range{0xE0020, 0xE007F},  // tag characters
};

template <std::size_t N>
bool isIn(const std::array<Range, N>& ranges, char32_t c) {
    return std::ranges::any_of(ranges, [c](Range r) { return r.first <= c && c <= r.last; });
}

}  // namespace

std::string oneLine(std::string_view hostText) {
    const std::string valid = toValidUtf8(hostText);
    std::string line;
    line.reserve(std::min(valid.size(), kMaxShownCharacters * 4));
    std::size_t shown = 0;
    std::size_t cutAt = 0;  // the length of the line before its last character
    bool afterCr = false;

    auto it = valid.begin();
    while (it != valid.end()) {
        const auto c = static_cast<char32_t>(utf8::unchecked::next(it));
        const bool crLf = afterCr && c == U'\n';
        afterCr = c == U'\r';
        if (crLf) continue;  // the CR before it already gave the blank

        char32_t shownAs = c;
        if (isIn(kLineBreaks, c)) {
            shownAs = U' ';
        } else if (isIn(kRemoved, c)) {
            continue;
        }
        if (shown == kMaxShownCharacters) {
            // One character too many: the last one kept makes room for the mark.
            line.resize(cutAt);
            line += kCutMark;
            return line;
        }
        cutAt = line.size();
        utf8::unchecked::append(static_cast<std::uint32_t>(shownAs), std::back_inserter(line));
        ++shown;
    }
    return line;
}

}  // namespace tallowin
