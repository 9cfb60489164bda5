#include "ui/message_fit.h"

namespace tallowin::ui {

namespace {

constexpr std::string_view kCutMark = "\u2026";  // "…"
constexpr std::string_view kLineBreaks = "\r\n";

bool continuesACharacter(char byte) { return (static_cast<unsigned char>(byte) & 0xC0U) == 0x80U; }

// The longest beginning of a line too wide for the limit that fits with the
// cut mark after it, and the mark. Widths grow with the text, so the
// beginnings are searched by halves.
std::string cutLine(std::string_view line, int limit,
                    const std::function<int(std::string_view)>& width) {
    std::size_t fits = 0;
    std::size_t tooWide = line.size();
    std::string candidate;
    while (tooWide - fits > 1) {
        const std::size_t middle = fits + (tooWide - fits) / 2;
        candidate.assign(line.substr(0, middle));
        candidate += kCutMark;
        if (width(candidate) <= limit) {
            fits = middle;
        } else {
            tooWide = middle;
        }
    }
    // A character's first bytes may measure narrower than the whole of it.
    while (fits > 0 && continuesACharacter(line[fits])) --fits;
    std::string cut{line.substr(0, fits)};
    cut += kCutMark;
    return cut;
}

// The length of the line break at `at`: CR LF counts as one break.
std::size_t breakLength(std::string_view text, std::size_t at) {
    return text.substr(at).starts_with("\r\n") ? 2 : 1;
}

}  // namespace

std::string fitMessage(std::string_view text, const MessageLimits& limits,
                       const LineMeasure& measure) {
    const int markHeight = measure.height(kCutMark);
    std::string fitted;
    int height = 0;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find_first_of(kLineBreaks, start);
        const bool last = end == std::string_view::npos;
        const std::string_view whole = text.substr(start, last ? end : end - start);
        std::string line{whole};
        if (measure.width(line) > limits.width) line = cutLine(whole, limits.width, measure.width);
        // Every line but the last leaves room for the mark after it.
        height += measure.height(line);
        if (height + (last ? 0 : markHeight) > limits.height) {
            fitted += kCutMark;  // more follows than the box can show
            return fitted;
        }
        fitted += line;
        if (last) return fitted;
        const std::size_t length = breakLength(text, end);
        fitted += text.substr(end, length);
        start = end + length;
    }
}

}  // namespace tallowin::ui
