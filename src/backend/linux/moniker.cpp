#include "moniker.h"

#include "backend_errors.h"
#include "text.h"

namespace tallowin::linux_backend {

std::expected<void, HostError> checkMoniker(std::string_view moniker,
                                            std::string_view computerName) {
    constexpr std::string_view kPrefix = R"(winmgmts:{impersonationLevel=impersonate}!\\)";
    constexpr std::string_view kNamespace = R"(\root\cimv2)";
    if (!moniker.starts_with(kPrefix)) {
        return std::unexpected(errors::invalidSyntax());
    }
    const std::string_view path = moniker.substr(kPrefix.size());
    const auto serverEnd = path.find('\\');
    if (serverEnd == std::string_view::npos || serverEnd == 0) {
        return std::unexpected(errors::invalidSyntax());
    }
    if (!equalsIgnoringCase(path.substr(0, serverEnd), computerName)) {
        return std::unexpected(errors::noSuchComputer());
    }
    if (path.substr(serverEnd) != kNamespace) {
        return std::unexpected(errors::invalidNamespace());
    }
    return {};
}

}  // namespace tallowin::linux_backend
