#include "names.h"

#include <pwd.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "backend_errors.h"

namespace tallowin::linux_backend {
namespace {

// The host name from its first non-empty label on: empty labels before it
// (".pc7.example") name nothing.
std::string_view fromFirstLabel(std::string_view hostName) {
    const auto start = hostName.find_first_not_of('.');
    return start == std::string_view::npos ? std::string_view{} : hostName.substr(start);
}

class SystemNameSource final : public NameSource {
  public:
    HostResult<std::string> hostName() override {
        utsname names{};
        if (uname(&names) != 0) {
            return std::unexpected(errors::unspecified(
                std::string("the host name cannot be read: ") + std::strerror(errno)));
        }
        return std::string(names.nodename, strnlen(names.nodename, sizeof names.nodename));
    }

    HostResult<std::string> userName() override {
        const uid_t uid = getuid();
        const long suggested = sysconf(_SC_GETPW_R_SIZE_MAX);
        std::size_t size = suggested > 0 ? static_cast<std::size_t>(suggested) : 1024;
        constexpr std::size_t kLargest = std::size_t{1024} * 1024;
        for (;;) {
            std::vector<char> buffer(size);
            passwd entry{};
            passwd* found = nullptr;
            const int error = getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &found);
            if (error == ERANGE && size < kLargest) {
                size *= 2;
                continue;
            }
            if (error == 0 && found != nullptr && found->pw_name != nullptr) {
                return std::string(found->pw_name);
            }
            // A user id without a database entry (common in containers) has
            // no login name; its number is what the system shows instead.
            return std::to_string(uid);
        }
    }
};

}  // namespace

std::shared_ptr<NameSource> makeSystemNameSource() { return std::make_shared<SystemNameSource>(); }

std::string computerNameOf(std::string_view hostName) {
    const std::string_view named = fromFirstLabel(hostName);
    return std::string(named.substr(0, named.find('.')));
}

std::string userDomainOf(std::string_view hostName) {
    const std::string_view named = fromFirstLabel(hostName);
    const auto dot = named.find('.');
    if (dot != std::string_view::npos && dot + 1 < named.size()) {
        return std::string(named.substr(dot + 1));
    }
    return computerNameOf(named);
}

}  // namespace tallowin::linux_backend
