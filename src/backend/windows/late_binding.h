// Late-bound calls on IDispatch objects, made the way the classic runtime
// makes them for `object.Name` and `object.Name(argument)`: the member's id
// by GetIDsOfNames, then Invoke as a property get (that may also be a
// method), answering the value as an owned VARIANT.
#pragma once

#include <oaidl.h>

#include <span>
#include <string_view>

#include "sysinfo/host.h"
#include "variant.h"

namespace tallowin::windows_backend {

[[nodiscard]] HostResult<DISPID> memberId(IDispatch& object, std::string_view name);

// Reads a member by id. The arguments are given in their natural order.
[[nodiscard]] HostResult<Variant> getMember(IDispatch& object, DISPID member,
                                            std::span<VARIANT> arguments = {});

// Reads a member by name.
[[nodiscard]] HostResult<Variant> getMember(IDispatch& object, std::string_view name,
                                            std::span<VARIANT> arguments = {});

}  // namespace tallowin::windows_backend
