// Host text is trusted to be nothing in particular: these helpers make any
// byte string valid UTF-8 before it is shown.
#pragma once

#include <string>
#include <string_view>

namespace tallowin {

// The text with every byte that does not belong to a well-formed UTF-8
// sequence replaced by U+FFFD. Overlong forms, surrogates and code points
// past U+10FFFF count as malformed. Valid text comes back unchanged.
[[nodiscard]] std::string toValidUtf8(std::string_view bytes);

}  // namespace tallowin
