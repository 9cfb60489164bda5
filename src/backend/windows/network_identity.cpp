#include "network_identity.h"

#include <wrl/client.h>

#include "com_errors.h"
#include "late_binding.h"
#include "sysinfo/guarded.h"
#include "variant_value.h"

namespace tallowin::windows_backend {

namespace {

using Microsoft::WRL::ComPtr;

class ComNetworkIdentity final : public NetworkIdentity {
  public:
    explicit ComNetworkIdentity(ComPtr<IDispatch> object) : object_(std::move(object)) {}

    HostResult<HostValue> property(std::string_view name) override {
        return guarded([&]() -> HostResult<HostValue> {
            const auto value = getMember(*object_.Get(), name);
            if (!value) return std::unexpected(value.error());
            return toHostValue(value->get());
        });
    }

  private:
    ComPtr<IDispatch> object_;
};

}  // namespace

HostResult<std::unique_ptr<NetworkIdentity>> createNetworkIdentity(const wchar_t* programmaticId) {
    CLSID classId{};
    if (FAILED(CLSIDFromProgID(programmaticId, &classId))) {
        return std::unexpected(errors::cannotCreateObject());
    }
    ComPtr<IDispatch> object;
    if (FAILED(CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                                IID_PPV_ARGS(&object)))) {
        return std::unexpected(errors::cannotCreateObject());
    }
    return std::make_unique<ComNetworkIdentity>(std::move(object));
}

}  // namespace tallowin::windows_backend
