#include "valid_utf8.h"

#include <utf8.h>

#include <iterator>

namespace tallowin {

std::string toValidUtf8(std::string_view bytes) {
    if (utf8::is_valid(bytes.begin(), bytes.end())) return std::string(bytes);
    std::string valid;
    valid.reserve(bytes.size() + 8);
    utf8::replace_invalid(bytes.begin(), bytes.end(), std::back_inserter(valid));
    return valid;
}

}  // namespace tallowin
