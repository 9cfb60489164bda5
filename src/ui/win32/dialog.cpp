#include "ui/win32/dialog.h"

#include <commctrl.h>

#include <utility>

#include "ui/win32/dpi.h"
#include "ui/win32/fonts.h"
#include "ui/win32/resource_ids.h"
#include "win32/wide_text.h"

namespace tallowin::ui::win32 {

namespace {

constexpr UINT_PTR kKeysSubclass = 1;
constexpr UINT kDpiChanged = 0x02E0;  // WM_DPICHANGED

// A dialog template with no controls, no menu, the standard class and an
// empty caption: the window itself makes its controls.
struct alignas(4) EmptyTemplate {
    DLGTEMPLATE header{};
    WORD menu = 0;
    WORD windowClass = 0;
    WORD title = 0;
};

EmptyTemplate emptyTemplate(DWORD style, DWORD extendedStyle) {
    EmptyTemplate empty;
    empty.header.style = style;
    empty.header.dwExtendedStyle = extendedStyle;
    return empty;
}

HMENU controlId(int id) { return reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)); }

// A multi-line EDIT control asks for every key; the text boxes here leave
// Tab, Enter and Esc to the window (as designed: Enter presses the default
// button, Esc the cancel button, whatever has the focus), and do not select
// their whole text when they get the focus.
LRESULT CALLBACK keysToWindow(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                              UINT_PTR /*id*/, DWORD_PTR /*data*/) {
    if (message == WM_GETDLGCODE) {
        const LRESULT code = DefSubclassProc(control, message, wParam, lParam);
        return code & ~static_cast<LRESULT>(DLGC_WANTALLKEYS | DLGC_HASSETSEL);
    }
    if (message == WM_NCDESTROY) RemoveWindowSubclass(control, keysToWindow, kKeysSubclass);
    return DefSubclassProc(control, message, wParam, lParam);
}

Icon programIcon(int metricX, int metricY, UINT dpi) {
    const auto id = reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(TALLOWIN_IDI_PROGRAM));
    return Icon(static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), id, IMAGE_ICON,
                                              systemMetric(metricX, dpi),
                                              systemMetric(metricY, dpi), LR_DEFAULTCOLOR)));
}

}  // namespace

Dialog::~Dialog() {
    if (window_ != nullptr) {
        SetWindowLongPtrW(window_, DWLP_USER, 0);
        DestroyWindow(std::exchange(window_, nullptr));
    }
}

HWND Dialog::control(int id) const noexcept {
    return window_ == nullptr ? nullptr : GetDlgItem(window_, id);
}

bool Dialog::createModeless(HWND owner) {
    const EmptyTemplate empty = emptyTemplate(design_.style, design_.extendedStyle);
    return CreateDialogIndirectParamW(GetModuleHandleW(nullptr), &empty.header, owner, procedure,
                                      reinterpret_cast<LPARAM>(this)) != nullptr;
}

INT_PTR Dialog::runModal(HWND owner) {
    const EmptyTemplate empty = emptyTemplate(design_.style, design_.extendedStyle);
    return DialogBoxIndirectParamW(GetModuleHandleW(nullptr), &empty.header, owner, procedure,
                                   reinterpret_cast<LPARAM>(this));
}

void Dialog::endModal(INT_PTR result) {
    if (window_ != nullptr) EndDialog(window_, result);
}

void Dialog::addControls() {
    SetWindowTextW(window_, tallowin::win32::toWide(design_.window.caption).c_str());
    for (const auto& [id, control] : design_.controls) {
        if (control.textBox) {
            const DWORD style = WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_READONLY | ES_LEFT |
                                (control.tabStop ? WS_TABSTOP : 0u) |
                                (control.scrollBar ? WS_VSCROLL : 0u);
            const HWND box =
                CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", style, 0, 0, 0, 0, window_,
                                controlId(id), GetModuleHandleW(nullptr), nullptr);
            if (box != nullptr) SetWindowSubclass(box, keysToWindow, kKeysSubclass, 0);
            // No label names the box: a label would change the window's look.
            accessibleTexts_.annotate(box, AccessibleText::name, control.accessibleName);
            accessibleTexts_.annotate(box, AccessibleText::description,
                                      control.accessibleDescription);
        } else {
            const DWORD kind = control.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
            CreateWindowExW(0, L"BUTTON", tallowin::win32::toWide(control.caption).c_str(),
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_MULTILINE | kind, 0, 0, 0, 0,
                            window_, controlId(id), GetModuleHandleW(nullptr), nullptr);
            if (control.isDefault) {
                SendMessageW(window_, DM_SETDEFID, static_cast<WPARAM>(id), 0);
            }
        }
    }
}

void Dialog::applyDpi() { applyDpi(windowDpi(window_), nullptr); }

void Dialog::applyDpi(UINT dpi, const RECT* suggested) {
    // The new fonts are in place before the old ones go.
    Font textBoxFont = win32::textBoxFont(dpi);
    Font windowFont = win32::windowFont(dpi);
    for (const auto& [id, control] : design_.controls) {
        const HWND item = GetDlgItem(window_, id);
        if (item == nullptr) continue;
        const PixelRect place = toPixels(control.place, dpi);
        SetWindowPos(item, nullptr, place.left, place.top, place.width, place.height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        const HFONT font = control.textBox ? textBoxFont.get() : windowFont.get();
        SendMessageW(item, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
    textBoxFont_ = std::move(textBoxFont);
    windowFont_ = std::move(windowFont);

    Icon bigIcon = programIcon(SM_CXICON, SM_CYICON, dpi);
    Icon smallIcon = programIcon(SM_CXSMICON, SM_CYSMICON, dpi);
    SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon.get()));
    SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon.get()));
    bigIcon_ = std::move(bigIcon);
    smallIcon_ = std::move(smallIcon);

    const SIZE client{twipsToPixels(design_.window.clientWidth, dpi),
                      twipsToPixels(design_.window.clientHeight, dpi)};
    const SIZE outer = windowSizeFor(client, design_.style, design_.extendedStyle, dpi);
    if (suggested != nullptr) {
        SetWindowPos(window_, nullptr, suggested->left, suggested->top, outer.cx, outer.cy,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        SetWindowPos(window_, nullptr, 0, 0, outer.cx, outer.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // The frame the window really got may differ from the one computed (the
    // system draws it at another DPI, or a title bar wraps): the client area
    // is what must have the designed size.
    RECT actual{};
    GetClientRect(window_, &actual);
    const LONG dx = client.cx - actual.right;
    const LONG dy = client.cy - actual.bottom;
    if (dx != 0 || dy != 0) {
        SetWindowPos(window_, nullptr, 0, 0, outer.cx + dx, outer.cy + dy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

HBRUSH Dialog::onTextBoxColour(HDC dc, HWND box) {
    // Each text box on its designed colour, read-only or not (a read-only
    // edit control is otherwise grey).
    for (const auto& [id, item] : design_.controls) {
        if (control(id) != box) continue;
        const int colour =
            item.background == design::Background::buttonFace ? COLOR_BTNFACE : COLOR_WINDOW;
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(dc, GetSysColor(colour));
        return GetSysColorBrush(colour);
    }
    return nullptr;
}

INT_PTR CALLBACK Dialog::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Dialog* self = nullptr;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<Dialog*>(lParam);
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        self->window_ = window;
    } else {
        self = reinterpret_cast<Dialog*>(GetWindowLongPtrW(window, DWLP_USER));
    }
    if (self == nullptr) return FALSE;
    // No exception may cross back into the system's code; the service never
    // throws, so only running out of memory could get here.
    try {
        return self->handle(message, wParam, lParam);
    } catch (...) {
        return FALSE;
    }
}

INT_PTR Dialog::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            keepDialogLayoutOnDpiChange(window_);
            onInit();
            // The dialog manager gives the first tab stop the focus when the
            // window is first activated.
            return FALSE;
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED) {
                onCommand(LOWORD(wParam));
                return TRUE;
            }
            return FALSE;
        case WM_CLOSE:
            onClose();
            return TRUE;
        case WM_CTLCOLORSTATIC:
            return reinterpret_cast<INT_PTR>(
                onTextBoxColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
        case kDpiChanged:
            applyDpi(HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
            return TRUE;
        case WM_DESTROY:
            accessibleTexts_.clear(window_);
            for (const auto& item : design_.controls) accessibleTexts_.clear(control(item.id));
            onDestroy();
            return FALSE;
        case WM_NCDESTROY:
            SetWindowLongPtrW(window_, DWLP_USER, 0);
            window_ = nullptr;
            return FALSE;
        default:
            return FALSE;
    }
}

}  // namespace tallowin::ui::win32
