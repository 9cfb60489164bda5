#include "identity.h"

#include <utility>

#include "backend_errors.h"
#include "sysinfo/guarded.h"
#include "text.h"

namespace tallowin::linux_backend {
namespace {

class Identity final : public NetworkIdentity {
  public:
    explicit Identity(std::shared_ptr<const Environment> environment)
        : environment_(std::move(environment)) {}

    HostResult<HostValue> property(std::string_view name) override {
        return guarded([&] { return read(name); });
    }

  private:
    HostResult<HostValue> read(std::string_view name) {
        NameSource& names = *environment_->names;
        if (equalsIgnoringCase(name, "UserName")) {
            auto user = names.userName();
            if (!user) {
                return std::unexpected(std::move(user.error()));
            }
            return HostValue(std::move(*user));
        }
        const bool computer = equalsIgnoringCase(name, "ComputerName");
        if (!computer && !equalsIgnoringCase(name, "UserDomain")) {
            return std::unexpected(errors::noSuchMember());
        }
        const auto host = names.hostName();
        if (!host) {
            return std::unexpected(host.error());
        }
        return HostValue(computer ? computerNameOf(*host) : userDomainOf(*host));
    }

    std::shared_ptr<const Environment> environment_;
};

}  // namespace

std::unique_ptr<NetworkIdentity> makeNetworkIdentity(
    std::shared_ptr<const Environment> environment) {
    return std::make_unique<Identity>(std::move(environment));
}

}  // namespace tallowin::linux_backend
