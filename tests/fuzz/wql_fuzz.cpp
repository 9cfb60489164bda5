// The WQL reader on any text. A query it accepts names its class and
// properties with plain names, and reads back the same once written out in
// canonical form, in other letter case, or with line breaks between words.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "wql.h"

namespace {

using tallowin::fuzz::require;
using tallowin::linux_backend::parseWql;
using tallowin::linux_backend::WqlQuery;

bool isPlainName(std::string_view name) {
    if (name.empty()) return false;
    const auto letter = [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
    };
    if (!letter(name.front())) return false;
    for (char c : name) {
        if (!letter(c) && !(c >= '0' && c <= '9')) return false;
    }
    return true;
}

std::string written(const WqlQuery& query, std::string_view select, std::string_view gap) {
    std::string text(select);
    text += gap;
    if (query.properties.empty()) text += "*";
    for (std::size_t i = 0; i < query.properties.size(); ++i) {
        if (i > 0) text += ",";
        text += gap;
        text += query.properties[i];
    }
    text += gap;
    text += "from";
    text += gap;
    text += query.className;
    if (query.whereTrue) {
        text += gap;
        text += "WHERE";
        text += gap;
        text += *query.whereTrue;
        text += "=true";
    }
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto query = parseWql(text);
    if (!query) return 0;

    require(isPlainName(query->className), "the class is a plain name");
    for (const std::string& property : query->properties) {
        require(isPlainName(property), "each selected property is a plain name");
    }
    if (query->whereTrue) require(isPlainName(*query->whereTrue), "the condition names one");

    require(parseWql(written(*query, "SELECT", " ")) == query, "reads back from canonical form");
    require(parseWql(written(*query, "select", "\r\n\t")) == query,
            "reads back with other case and line breaks");
    return 0;
}
