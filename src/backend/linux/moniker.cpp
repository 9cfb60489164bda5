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
    // A computer name may itself hold backslashes, so the server is all that
    // stands between the prefix and the namespace, never a part cut at the
    // first backslash.
    if (path.ends_with(kNamespace)) {
        const std::string_view server = path.substr(0, path.size() - kNamespace.size());
        if (server.empty()) {
            return std::unexpected(errors::invalidSyntax());
        }
        if (!equalsIgnoringCase(server, computerName)) {
            return std::unexpected(errors::noSuchComputer());
        }
        return {};
    }
    // Another namespace: of this computer when the path begins with its name.
    const bool thisComputer = !computerName.empty() && path.size() > computerName.size() &&
                              startsWithIgnoringCase(path, computerName) &&
                              path[computerName.size()] == '\\';
    if (thisComputer) {
        return std::unexpected(errors::invalidNamespace());
    }
    const auto serverEnd = path.find('\\');
    if (serverEnd == std::string_view::npos || serverEnd == 0) {
        return std::unexpected(errors::invalidSyntax());
    }
    return std::unexpected(errors::noSuchComputer());
}

}  // namespace tallowin::linux_backend
