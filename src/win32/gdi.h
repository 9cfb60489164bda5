// Owners for the GDI and USER objects that the windows and the back end's
// measuring make: fonts, icons and memory device contexts are deleted when
// their owner goes.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace tallowin::win32 {

struct DeleteFont {
    void operator()(HFONT font) const noexcept { DeleteObject(font); }
};
using Font = std::unique_ptr<std::remove_pointer_t<HFONT>, DeleteFont>;

struct DestroyIconDeleter {
    void operator()(HICON icon) const noexcept { DestroyIcon(icon); }
};
using Icon = std::unique_ptr<std::remove_pointer_t<HICON>, DestroyIconDeleter>;

struct DeleteDc {
    void operator()(HDC dc) const noexcept { DeleteDC(dc); }
};
using MemoryDc = std::unique_ptr<std::remove_pointer_t<HDC>, DeleteDc>;

}  // namespace tallowin::win32
