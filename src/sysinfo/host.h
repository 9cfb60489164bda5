// The host services that every fact shown by Tallowin comes from: the network
// identity object, the WMI-like management service, the tick counter, the
// modal message box and the host's short-date text.
//
// Each platform back end implements this interface; tests use a scriptable
// fake. Every operation can fail with an error number and a description,
// exactly as a late-bound call on the host would. Objects are owned by the
// caller through std::unique_ptr: destroying one releases the host object.
#pragma once

#include <chrono>
#include <cstdint>
#include <expected>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

#include "host_value.h"

namespace tallowin {

// A failure reported by the host: its number (as the host numbers it, e.g.
// 13 for a type mismatch) and its description text.
struct HostError {
    std::int32_t number = 0;
    std::string description;

    friend bool operator==(const HostError&, const HostError&) = default;
};

template <class T>
using HostResult = std::expected<T, HostError>;

// Chains a step onto a result: the step runs on the value, a failure passes
// through unchanged. (std::expected's own and_then arrives after g++ 12.)
template <class T, class Step>
auto andThen(const HostResult<T>& result, Step step) -> decltype(step(*result)) {
    if (!result) return std::unexpected(result.error());
    return step(*result);
}

// The network identity object: answers "UserName", "ComputerName" and
// "UserDomain" by late-bound property reads.
class NetworkIdentity {
  public:
    virtual ~NetworkIdentity() = default;
    [[nodiscard]] virtual HostResult<HostValue> property(std::string_view name) = 0;
};

// One item of a query result.
class WmiItem {
  public:
    virtual ~WmiItem() = default;
    // The whole property value, read afresh from the host.
    [[nodiscard]] virtual HostResult<HostValue> property(std::string_view name) = 0;
    // One element of an array-valued property, by a 16-bit index argument.
    [[nodiscard]] virtual HostResult<HostValue> element(std::string_view name,
                                                        std::int16_t index) = 0;
};

// A walk over a query result. next() answers the following item, or a null
// pointer once the walk is over.
class WmiWalk {
  public:
    virtual ~WmiWalk() = default;
    [[nodiscard]] virtual HostResult<std::unique_ptr<WmiItem>> next() = 0;
};

// The collection that a query answers; walk() starts a walk over it.
class WmiCollection {
  public:
    virtual ~WmiCollection() = default;
    [[nodiscard]] virtual HostResult<std::unique_ptr<WmiWalk>> walk() = 0;
};

// A bound management service.
class WmiService {
  public:
    virtual ~WmiService() = default;
    [[nodiscard]] virtual HostResult<std::unique_ptr<WmiCollection>> execQuery(
        std::string_view wql) = 0;
};

// Message-box style flags as the host defines them.
namespace message_box {
inline constexpr std::int32_t kOkOnly = 0;
}  // namespace message_box

class Host {
  public:
    virtual ~Host() = default;

    // Creates a fresh network identity object ("WScript.NetWork").
    [[nodiscard]] virtual HostResult<std::unique_ptr<NetworkIdentity>> createNetworkIdentity() = 0;

    // Binds the management service named by a moniker such as
    // "winmgmts:{impersonationLevel=impersonate}!\\PC7\root\cimv2".
    [[nodiscard]] virtual HostResult<std::unique_ptr<WmiService>> bindWmi(
        std::string_view moniker) = 0;

    // Milliseconds since the machine started, including time spent suspended.
    [[nodiscard]] virtual HostResult<std::uint64_t> tickCount() = 0;

    // Shows a modal message box and waits until it is dismissed; answers the
    // code of the button pressed. Without a title the host shows the
    // application's own title.
    [[nodiscard]] virtual HostResult<int> messageBox(std::string_view prompt, std::int32_t style,
                                                     std::optional<std::string_view> title) = 0;

    // The date written in the user's short-date format (3/22/2007 in a
    // United States English setting).
    [[nodiscard]] virtual HostResult<std::string> shortDate(std::chrono::year_month_day date) = 0;
};

}  // namespace tallowin
