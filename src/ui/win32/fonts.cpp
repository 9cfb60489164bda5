#include "ui/win32/fonts.h"

#include <cmath>
#include <cwchar>

#include "ui/win32/dpi.h"

namespace tallowin::ui::win32 {

namespace {
constexpr double kPointsPerInch = 72.0;
}  // namespace

LONG fontHeight(double points, UINT dpi) {
    return -std::lround(points * static_cast<double>(dpi) / kPointsPerInch);
}

Font textBoxFont(UINT dpi) {
    LOGFONTW font{};
    font.lfHeight = fontHeight(design::kTextBoxPoints, dpi);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = DEFAULT_QUALITY;
    std::wcsncpy(font.lfFaceName, kTextBoxFace, LF_FACESIZE - 1);
    return Font(CreateFontIndirectW(&font));
}

Font windowFont(UINT dpi) {
    const LOGFONTW font = messageFont(dpi);
    return Font(CreateFontIndirectW(&font));
}

}  // namespace tallowin::ui::win32
