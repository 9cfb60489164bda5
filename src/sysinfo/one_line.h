// The one rule for host text on its way into a window or a box: whoever set
// the machine up chose these bytes, so none of them may break a line the
// program writes, reorder what it shows, hide characters or grow a window
// without bound.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tallowin {

// The most characters (code points) one host value shows, the ellipsis of a
// cut value included.
inline constexpr std::size_t kMaxShownCharacters = 256;
inline constexpr std::string_view kCutMark = "\u2026";  // "…"

// The host text made safe to show on one line:
// - bytes that are not valid UTF-8 become U+FFFD;
// - every line break (CR, LF, VT, FF, NEL, U+2028, U+2029; CR LF counts as
//   one) becomes one blank;
// - other C0 and C1 controls, DEL, bidirectional embeddings, overrides,
//   isolates and marks, and invisible format characters (zero-width spaces
//   and joiners, the word joiner, the byte-order mark, soft hyphens, tags)
//   are removed;
// - text longer than kMaxShownCharacters keeps its first characters and
//   ends in kCutMark, kMaxShownCharacters in all.
// Visible text in any script comes back unchanged.
[[nodiscard]] std::string oneLine(std::string_view hostText);

}  // namespace tallowin
