// A message box's text made to fit the screen. A box wraps a line wider than
// it allows and grows by every line, without bound: a long value or many
// lines would put the box and its OK button off the screen. Both front ends
// fit the text by this one rule and differ only in how they measure it.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace tallowin::ui {

// What a box can show, in the units of the measure: the widest line and the
// height of all lines together.
struct MessageLimits {
    int width = 0;
    int height = 0;
};

// How wide one line is when it is kept on one line, and how tall it is as the
// box shows it.
struct LineMeasure {
    std::function<int(std::string_view line)> width;
    std::function<int(std::string_view line)> height;
};

// The limits for a box on a work area of this size: half of it each way. The
// other half leaves room for the box's frame, title, margins and button.
[[nodiscard]] constexpr MessageLimits messageLimits(int areaWidth, int areaHeight) noexcept {
    return {areaWidth / 2, areaHeight / 2};
}

// The UTF-8 text within the limits. A line wider than the limit keeps its
// longest beginning that fits with "…" after it (never part of a character);
// when the lines together are taller than the limit, the text keeps the first
// lines that leave room for a last line "…" and ends in it. Line breaks
// (CR LF, CR or LF) stay as they are, and a text within the limits comes back
// unchanged.
[[nodiscard]] std::string fitMessage(std::string_view text, const MessageLimits& limits,
                                     const LineMeasure& measure);

}  // namespace tallowin::ui
