// Window and control sizes are designed in twips (1/1440 inch). Fifteen
// twips make one pixel at 96 dots per inch, and Qt measures widgets in
// device-independent pixels of exactly that size, so dividing by 15 gives
// geometry that Qt scales for high-DPI screens by itself.
#pragma once

#include <QRect>
#include <QSize>

namespace tallowin::ui::qt {

inline constexpr int kTwipsPerPixel = 15;

[[nodiscard]] constexpr int twipsToPixels(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

[[nodiscard]] constexpr QSize twipsSize(int width, int height) {
    return {twipsToPixels(width), twipsToPixels(height)};
}

[[nodiscard]] constexpr QRect twipsRect(int left, int top, int width, int height) {
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

}  // namespace tallowin::ui::qt
