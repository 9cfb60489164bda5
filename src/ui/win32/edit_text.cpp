#include "ui/win32/edit_text.h"

#include "win32/wide_text.h"

namespace tallowin::ui::win32 {

std::wstring editControlText(std::string_view utf8) {
    const std::wstring wide = tallowin::win32::toWide(utf8);
    std::wstring text;
    text.reserve(wide.size());
    for (std::size_t i = 0; i < wide.size(); ++i) {
        const wchar_t c = wide[i];
        if (c == L'\r' || c == L'\n') {
            text += L"\r\n";
            if (c == L'\r' && i + 1 < wide.size() && wide[i + 1] == L'\n') ++i;
        } else {
            text += c;
        }
    }
    return text;
}

}  // namespace tallowin::ui::win32
