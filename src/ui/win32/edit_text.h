// Service text as an EDIT control shows it: UTF-16, with every line break
// as CR LF, the only break the control knows.
#pragma once

#include <string>
#include <string_view>

namespace tallowin::ui::win32 {

// CR LF pairs stay; a lone CR or LF (from host text) becomes CR LF as well,
// so that every line of the service's answer stays a line of its own.
[[nodiscard]] std::wstring editControlText(std::string_view utf8);

}  // namespace tallowin::ui::win32
