// Owners for the GDI and USER objects the windows make: fonts and icons are
// deleted when their owner goes.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace tallowin::ui::win32 {

struct DeleteFont {
    void operator()(HFONT font) const noexcept { DeleteObject(font); }
};
using Font = std::unique_ptr<std::remove_pointer_t<HFONT>, DeleteFont>;

struct DestroyIconDeleter {
    void operator()(HICON icon) const noexcept { DestroyIcon(icon); }
};
using Icon = std::unique_ptr<std::remove_pointer_t<HICON>, DestroyIconDeleter>;

}  // namespace tallowin::ui::win32
