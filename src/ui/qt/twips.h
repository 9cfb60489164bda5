// Window and control sizes are designed in twips (1/1440 inch). Fifteen
// twips make one pixel at 96 dots per inch, and Qt measures widgets in
// device-independent pixels of exactly that size, so dividing by 15 gives
// geometry that Qt scales for high-DPI screens by itself.
#pragma once

#include <QRect>
#include <QSize>

#include "ui/window_designs.h"

namespace tallowin::ui::qt {

inline constexpr int kTwipsPerPixel = 15;

[[nodiscard]] constexpr int twipsToPixels(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

[[nodiscard]] constexpr QSize clientSize(const design::Window& window) {
    return {twipsToPixels(window.clientWidth), twipsToPixels(window.clientHeight)};
}

[[nodiscard]] constexpr QRect placeOf(const design::Control& control) {
    const design::TwipsRect& place = control.place;
    return {twipsToPixels(place.left), twipsToPixels(place.top), twipsToPixels(place.width),
            twipsToPixels(place.height)};
}

}  // namespace tallowin::ui::qt
