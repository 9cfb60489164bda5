// A strict UTF-8 check of its own, written apart from the code under test:
// well-formed sequences only, no overlong forms, no surrogates, nothing past
// U+10FFFF.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tallowin::fuzz {

inline bool isValidUtf8(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size()) {
        const auto lead = static_cast<unsigned char>(text[at]);
        if (lead < 0x80) {
            ++at;
            continue;
        }
        // The sequence's length, the lead byte's payload and the smallest
        // code point that needs that length.
        std::size_t length = 0;
        char32_t point = 0;
        char32_t smallest = 0;
        if ((lead & 0xE0U) == 0xC0) {
            length = 2;
            point = lead & 0x1FU;
            smallest = 0x80;
        } else if ((lead & 0xF0U) == 0xE0) {
            length = 3;
            point = lead & 0x0FU;
            smallest = 0x800;
        } else if ((lead & 0xF8U) == 0xF0) {
            length = 4;
            point = lead & 0x07U;
            smallest = 0x10000;
        } else {
            return false;
        }
        if (at + length > text.size()) return false;
        for (std::size_t i = 1; i < length; ++i) {
            const auto next = static_cast<unsigned char>(text[at + i]);
            if ((next & 0xC0U) != 0x80) return false;
            point = (point << 6U) | (next & 0x3FU);
        }
        if (point < smallest || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) {
            return false;
        }
        at += length;
    }
    return true;
}

// The code points of text that isValidUtf8 accepts.
inline std::u32string codePoints(std::string_view text) {
    std::u32string points;
    for (std::size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t point = length == 1 ? lead : lead & (0x7FU >> length);
        for (std::size_t i = 1; i < length; ++i) {
            point = (point << 6U) | (static_cast<unsigned char>(text[at + i]) & 0x3FU);
        }
        points += point;
        at += length;
    }
    return points;
}

}  // namespace tallowin::fuzz
