#include "message_box.h"

#include <string>

#include "com_errors.h"
#include "prompt_fit.h"
#include "win32/wide_text.h"

namespace tallowin::windows_backend {

namespace {

constexpr UINT kButtonSetMask = 0x000Fu;
constexpr UINT kLastButtonSet = 0x0006u;  // MB_CANCELTRYCONTINUE
constexpr UINT kIconMask = 0x00F0u;
constexpr UINT kLastIcon = 0x0040u;  // MB_ICONINFORMATION
constexpr UINT kDefaultButtonMask = 0x0F00u;
constexpr UINT kLastDefaultButton = 0x0300u;  // MB_DEFBUTTON4
constexpr UINT kTaskModal = 0x2000u;

}  // namespace

UINT messageBoxFlags(std::int32_t style) noexcept {
    const auto bits = static_cast<UINT>(style);
    UINT flags = 0;
    if ((bits & kButtonSetMask) <= kLastButtonSet) flags |= bits & kButtonSetMask;
    if ((bits & kIconMask) <= kLastIcon) flags |= bits & kIconMask;
    if ((bits & kDefaultButtonMask) <= kLastDefaultButton) flags |= bits & kDefaultButtonMask;
    flags |= bits & kTaskModal;
    return flags;
}

HostResult<int> showMessageBox(std::string_view prompt, std::int32_t style,
                               std::optional<std::string_view> title) {
    const HWND owner = GetActiveWindow();
    const std::wstring text = fitPromptToScreen(prompt, owner);
    const std::wstring caption = win32::toWide(title.value_or(TALLOWIN_NAME));
    const int button = MessageBoxW(owner, text.c_str(), caption.c_str(), messageBoxFlags(style));
    if (button == 0) return std::unexpected(fromWin32(GetLastError()));
    return button;
}

}  // namespace tallowin::windows_backend
