// Window and control sizes are designed in twips (1/1440 inch). At a DPI a
// twip is dpi/1440 pixels: 15 twips make a pixel at 96 DPI, the DPI of the
// pixels that Qt measures widgets in (and scales for high-DPI screens
// itself); the Win32 windows scale to their monitor's DPI. One rule for both
// front ends.
#pragma once

#include "ui/window_designs.h"

namespace tallowin::ui {

inline constexpr int kTwipsPerInch = 1440;
// The DPI at which 15 twips make one pixel, and Qt's device-independent pixel.
inline constexpr unsigned kStandardDpi = 96;

[[nodiscard]] constexpr int twipsToPixels(int twips, unsigned dpi) {
    const long long scaled = static_cast<long long>(twips) * dpi;
    return static_cast<int>((scaled + kTwipsPerInch / 2) / kTwipsPerInch);
}

// A control's place as designed, from the client area's top-left corner.
using TwipsRect = design::TwipsRect;

// The same place in pixels at a DPI: the far edges are scaled as well, so
// controls that touch in twips touch in pixels too.
struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

[[nodiscard]] constexpr PixelRect toPixels(TwipsRect rect, unsigned dpi) {
    const int left = twipsToPixels(rect.left, dpi);
    const int top = twipsToPixels(rect.top, dpi);
    return {left, top, twipsToPixels(rect.left + rect.width, dpi) - left,
            twipsToPixels(rect.top + rect.height, dpi) - top};
}

}  // namespace tallowin::ui
