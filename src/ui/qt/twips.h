// The designed window and control sizes as Qt geometry, by the one twips
// rule (src/ui/twips.h) at the standard DPI: Qt measures widgets in
// device-independent pixels of exactly that size and scales them for
// high-DPI screens by itself.
#pragma once

#include <QRect>
#include <QSize>

#include "ui/twips.h"
#include "ui/window_designs.h"

namespace tallowin::ui::qt {

[[nodiscard]] constexpr QSize clientSize(const design::Window& window) {
    return {twipsToPixels(window.clientWidth, kStandardDpi),
            twipsToPixels(window.clientHeight, kStandardDpi)};
}

[[nodiscard]] constexpr QRect placeOf(const design::Control& control) {
    const PixelRect place = toPixels(control.place, kStandardDpi);
    return {place.left, place.top, place.width, place.height};
}

}  // namespace tallowin::ui::qt
