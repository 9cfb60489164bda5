// The part of WQL the back end understands:
//   SELECT <property>[, <property>...] | * FROM <class> [WHERE <property>=TRUE]
// Keywords and names in any letter case, blanks and line breaks anywhere
// between the words.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallowin::linux_backend {

struct WqlQuery {
    // The selected properties as written; empty for "*".
    std::vector<std::string> properties;
    std::string className;
    // The property that the WHERE clause requires to be TRUE, if any.
    std::optional<std::string> whereTrue;

    friend bool operator==(const WqlQuery&, const WqlQuery&) = default;
};

// Nothing when the text is not a query of that form.
[[nodiscard]] std::optional<WqlQuery> parseWql(std::string_view text);

}  // namespace tallowin::linux_backend
