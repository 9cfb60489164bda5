// Host text as a hostile machine writes it, and what a window shows of it:
// one table for every test that sends host text towards a window, on either
// back end.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "sysinfo/one_line.h"

namespace tallowin::testing {

struct HostileText {
    std::string_view what;
    std::string host;   // as the machine answers it
    std::string shown;  // as every window and box shows it
};

// A value exactly `characters` long, and the same value cut to fit.
inline std::string repeated(std::string_view piece, std::size_t times) {
    std::string text;
    for (std::size_t i = 0; i < times; ++i) text += piece;
    return text;
}

inline const std::array kHostileTexts{
    HostileText{"LF", "Contoso\nSystem Model:  Spoofed Model",
                "Contoso System Model:  Spoofed Model"},
    HostileText{"CR LF", "Real Model\r\nSerial Number:  SPOOFED",
                "Real Model Serial Number:  SPOOFED"},
    HostileText{"CR", "Debian\rService Pack:  9.9", "Debian Service Pack:  9.9"},
    HostileText{"line separator", "SN1\u2028IP Address:  203.0.113.66",
                "SN1 IP Address:  203.0.113.66"},
    HostileText{"every other line break", "a\vb\fc\u0085d\u2029e\n\rf\r\rg", "a b c d e  f  g"},
    HostileText{"controls",
                "a\tb\x01"
                "c\x7f\u0080\u009f\x1b[2Jd",
                "abc[2Jd"},
    HostileText{"bidirectional override", "Contoso\u202ELTD ekaF", "ContosoLTD ekaF"},
    HostileText{"embeddings, isolates and marks",
                "\u202Aa\u202Bb\u202Cc\u202Dd\u2066e\u2067f\u2068g\u2069\u200Eh\u200F\u061Ci",
                "abcdefghi"},
    HostileText{"zero-width and format characters", "p\u200Bc\u200C\u200D\u2060\uFEFF-7\u00AD",
                "pc-7"},
    // The first and the last code point of every removed range.
    HostileText{"edges of the removed ranges",
                std::string{"a\0\x1F", 3} +
                    "\x7F\u009F\u00AD\u061C\u180E\u200B\u200F\u202A\u202E\u2060\u2064\u2066"
                    "\u206F\uFEFF\uFFF9\uFFFB\U000E0001\U000E0020\U000E007Fb",
                "ab"},
    HostileText{"not UTF-8", "pc-\xff\xfe", "pc-\uFFFD\uFFFD"},
    HostileText{"any script", "Сервер-7 Société 東京 مرحبا 👍🏽",
                "Сервер-7 Société 東京 مرحبا 👍🏽"},
    HostileText{"as long as shown", repeated("é", kMaxShownCharacters),
                repeated("é", kMaxShownCharacters)},
    HostileText{"too long", repeated("é", kMaxShownCharacters + 1),
                repeated("é", kMaxShownCharacters - 1) + std::string{kCutMark}},
    HostileText{"far too long", repeated("M", 60'000),
                repeated("M", kMaxShownCharacters - 1) + std::string{kCutMark}},
    HostileText{"removed characters do not count",
                repeated("a", kMaxShownCharacters) + repeated("\u200B", 9),
                repeated("a", kMaxShownCharacters)},
};

}  // namespace tallowin::testing
