#include <gtest/gtest.h>

#include "ui/twips.h"
#include "ui/win32/edit_text.h"
#include "ui/win32/fonts.h"
#include "ui/win32/placement.h"

namespace tallowin::ui::win32 {
namespace {

// The rule on places of the designs' kind (the designs themselves are
// checked once, in the golden test of the designed sizes).
TEST(Twips, scaleToTheWindowsDpi) {
    EXPECT_EQ(twipsToPixels(3615, 96), 241);
    EXPECT_EQ(twipsToPixels(2355, 96), 157);
    EXPECT_EQ(twipsToPixels(3615, 144), 362);  // 150 %: 361.5 rounds up
    EXPECT_EQ(twipsToPixels(3615, 192), 482);
    EXPECT_EQ(twipsToPixels(0, 192), 0);
}

TEST(Twips, placeControlsSoThatTheirEdgesScaleToo) {
    EXPECT_EQ(toPixels(TwipsRect{120, 1560, 1095, 495}, 96), (PixelRect{8, 104, 73, 33}));
    EXPECT_EQ(toPixels(TwipsRect{1200, 1560, 1095, 495}, 96), (PixelRect{80, 104, 73, 33}));
    EXPECT_EQ(toPixels(TwipsRect{120, 120, 3735, 2415}, 96), (PixelRect{8, 8, 249, 161}));
    // At 120 DPI: 120 twips are 10 px, 1215 twips 101.25 px.
    EXPECT_EQ(toPixels(TwipsRect{120, 1560, 1095, 495}, 120), (PixelRect{10, 130, 91, 41}));
    // Neighbours that meet in twips still meet in pixels at any DPI.
    for (const unsigned dpi : {96u, 120u, 144u, 168u, 192u}) {
        const PixelRect sysInfo = toPixels(TwipsRect{120, 0, 1080, 10}, dpi);
        const PixelRect showAll = toPixels(TwipsRect{1200, 0, 1080, 10}, dpi);
        EXPECT_EQ(sysInfo.left + sysInfo.width, showAll.left) << dpi;
    }
}

TEST(Fonts, textBoxesUse13AndAHalfPoints) {
    EXPECT_EQ(fontHeight(design::kTextBoxPoints, 96), -18);
    EXPECT_EQ(fontHeight(design::kTextBoxPoints, 144), -27);
    EXPECT_EQ(fontHeight(design::kTextBoxPoints, 120), -23);  // 22.5 rounds away from zero
}

TEST(Placement, centresAWindowOnAnotherWithinTheWorkArea) {
    const RECT workArea{0, 0, 1024, 768};
    EXPECT_EQ(centredWithin({0, 0, 200, 100}, workArea, workArea).left, 412);
    const RECT centred = centredWithin({0, 0, 280, 250}, {300, 200, 560, 400}, workArea);
    EXPECT_EQ(centred.left, 290);
    EXPECT_EQ(centred.top, 175);
    EXPECT_EQ(centred.right - centred.left, 280);
    EXPECT_EQ(centred.bottom - centred.top, 250);
}

TEST(Placement, keepsTheTitleBarOnTheScreen) {
    const RECT workArea{0, 0, 1024, 740};
    // An owner near the bottom right corner: pushed back inside.
    const RECT nearCorner = centredWithin({0, 0, 280, 250}, {900, 700, 1100, 800}, workArea);
    EXPECT_EQ(nearCorner.right, 1024);
    EXPECT_EQ(nearCorner.bottom, 740);
    // Larger than the work area: its top-left corner stays visible.
    const RECT tooLarge = centredWithin({0, 0, 2000, 1000}, workArea, workArea);
    EXPECT_EQ(tooLarge.left, 0);
    EXPECT_EQ(tooLarge.top, 0);
}

TEST(EditText, breaksLinesWithCrLfOnly) {
    EXPECT_EQ(editControlText("10.0.0.5\r\nfe80::1\r\n192.0.2.9"),
              L"10.0.0.5\r\nfe80::1\r\n192.0.2.9");
    EXPECT_EQ(editControlText("a\nb\rc\r\n\r\nd"), L"a\r\nb\r\nc\r\n\r\nd");
    EXPECT_EQ(editControlText("\r"), L"\r\n");
    EXPECT_EQ(editControlText("PC\xC3\xA9"), L"PC\u00E9");
    EXPECT_EQ(editControlText(""), L"");
}

}  // namespace
}  // namespace tallowin::ui::win32
