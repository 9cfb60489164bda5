// What the two windows have in common: a dialog made from an empty in-memory
// template, so that the dialog manager gives it Tab, Enter (the default
// button), Esc (the cancel command) and the access keys, with every control
// placed by this code in twips scaled to the window's DPI. When the DPI
// changes (the window moved to another monitor) sizes, fonts and icons are
// made afresh for the new DPI.
#pragma once

#include <windows.h>

#include <span>

#include "ui/twips.h"
#include "ui/win32/accessible_text.h"
#include "win32/gdi.h"

namespace tallowin::ui::win32 {

using tallowin::win32::Font;
using tallowin::win32::Icon;

// A control of the design and its id. Text boxes use the text-box font,
// the others the window font.
struct ControlDesign {
    int id = 0;
    design::Control control;
};

// The design, and what the Win32 window adds to it: its frame and its
// controls' ids, in the design's tab order.
struct WindowDesign {
    design::Window window;
    DWORD style = 0;
    DWORD extendedStyle = 0;
    std::span<const ControlDesign> controls;
};

class Dialog {
  public:
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // The window while it is open, else null.
    [[nodiscard]] HWND window() const noexcept { return window_; }
    [[nodiscard]] HWND control(int id) const noexcept;

  protected:
    explicit Dialog(WindowDesign design) : design_(design) {}
    // A window still open goes with its owner object, without calling back.
    virtual ~Dialog();

    // Makes the window, hidden; onInit runs before this returns. False when
    // the window could not be made.
    bool createModeless(HWND owner);
    // Makes the window and shows it modal to its owner; returns when
    // endModal has been called.
    INT_PTR runModal(HWND owner);
    void endModal(INT_PTR result);

    // Gives the window the design's caption and makes its controls in tab
    // order: read-only multi-line text boxes (word wrap, no horizontal
    // scrolling; Tab, Enter and Esc stay the window's) and push buttons
    // whose captions wrap onto further lines; Enter presses the default one.
    void addControls();

    // Sizes the window and places and fonts the controls for the DPI the
    // window is on now.
    void applyDpi();

    virtual void onInit() = 0;
    // A button pressed, or IDCANCEL for Esc.
    virtual void onCommand(int id) = 0;
    // The close box or the system's close command.
    virtual void onClose() = 0;
    virtual void onDestroy() {}

    // What screen readers are told of the window and its controls.
    [[nodiscard]] AccessibleTexts& accessibleTexts() noexcept { return accessibleTexts_; }

  private:
    // A text box's colours as designed; null for another control.
    HBRUSH onTextBoxColour(HDC dc, HWND box);
    static INT_PTR CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR handle(UINT message, WPARAM wParam, LPARAM lParam);
    void applyDpi(UINT dpi, const RECT* suggested);

    WindowDesign design_;
    HWND window_ = nullptr;
    Font textBoxFont_;
    Font windowFont_;
    Icon bigIcon_;
    Icon smallIcon_;
    AccessibleTexts accessibleTexts_;
};

}  // namespace tallowin::ui::win32
