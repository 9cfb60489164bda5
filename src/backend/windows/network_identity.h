// The network identity object, "WScript.NetWork", created through COM and
// read by late binding.
#pragma once

#include <memory>

#include "sysinfo/host.h"

namespace tallowin::windows_backend {

inline constexpr wchar_t kNetworkProgrammaticId[] = L"WScript.NetWork";

// A fresh object of the class registered under the programmatic identifier;
// any failure to create it is error 429.
[[nodiscard]] HostResult<std::unique_ptr<NetworkIdentity>> createNetworkIdentity(
    const wchar_t* programmaticId = kNetworkProgrammaticId);

}  // namespace tallowin::windows_backend
