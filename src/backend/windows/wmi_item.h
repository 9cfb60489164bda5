// One item of a query result, reached through its IDispatch.
#pragma once

#include <oaidl.h>
#include <wrl/client.h>

#include <memory>

#include "sysinfo/host.h"

namespace tallowin::windows_backend {

// The item is a snapshot of the instance the query found, so the first
// array a property answers is kept: every later read of that property, whole
// or one element, is answered from it without asking the object again, each
// element read at the cost of that one element. A failed read keeps nothing.
[[nodiscard]] std::unique_ptr<WmiItem> makeWmiItem(Microsoft::WRL::ComPtr<IDispatch> object);

}  // namespace tallowin::windows_backend
