#include "wmi_service.h"

#include <wrl/client.h>

#include <string>

#include "com_errors.h"
#include "late_binding.h"
#include "sysinfo/guarded.h"
#include "sysinfo/host_errors.h"
#include "variant.h"
#include "win32/wide_text.h"
#include "wmi_item.h"

namespace tallowin::windows_backend {

namespace {

using Microsoft::WRL::ComPtr;

// The IDispatch of an object answered in a VARIANT; error 13 when the value
// is not an object.
HostResult<ComPtr<IDispatch>> objectIn(const Variant& value) {
    ComPtr<IDispatch> object;
    if ((value.type() == VT_DISPATCH || value.type() == VT_UNKNOWN) &&
        value.get().punkVal != nullptr &&
        SUCCEEDED(value.get().punkVal->QueryInterface(IID_PPV_ARGS(&object)))) {
        return object;
    }
    return std::unexpected(tallowin::errors::typeMismatch());
}

class ComWmiWalk final : public WmiWalk {
  public:
    explicit ComWmiWalk(ComPtr<IEnumVARIANT> items) : items_(std::move(items)) {}

    HostResult<std::unique_ptr<WmiItem>> next() override {
        return guarded([&]() -> HostResult<std::unique_ptr<WmiItem>> {
            Variant item;
            ULONG fetched = 0;
            const HRESULT result = items_->Next(1, item.out(), &fetched);
            if (FAILED(result)) return std::unexpected(fromHresult(result));
            if (result != S_OK || fetched == 0) return std::unique_ptr<WmiItem>{};
            auto object = objectIn(item);
            if (!object) return std::unexpected(object.error());
            return makeWmiItem(std::move(*object));
        });
    }

  private:
    ComPtr<IEnumVARIANT> items_;
};

class ComWmiCollection final : public WmiCollection {
  public:
    explicit ComWmiCollection(ComPtr<IDispatch> object) : object_(std::move(object)) {}

    // The walk is the collection's _NewEnum, an IEnumVARIANT.
    HostResult<std::unique_ptr<WmiWalk>> walk() override {
        return guarded([&]() -> HostResult<std::unique_ptr<WmiWalk>> {
            const auto enumerator = getMember(*object_.Get(), DISPID_NEWENUM);
            if (!enumerator) return std::unexpected(enumerator.error());
            ComPtr<IEnumVARIANT> items;
            const Variant& value = *enumerator;
            if ((value.type() != VT_UNKNOWN && value.type() != VT_DISPATCH) ||
                value.get().punkVal == nullptr) {
                return std::unexpected(tallowin::errors::typeMismatch());
            }
            const HRESULT result = value.get().punkVal->QueryInterface(IID_PPV_ARGS(&items));
            if (FAILED(result)) return std::unexpected(fromHresult(result));
            return std::make_unique<ComWmiWalk>(std::move(items));
        });
    }

  private:
    ComPtr<IDispatch> object_;
};

class ComWmiService final : public WmiService {
  public:
    explicit ComWmiService(ComPtr<IDispatch> object) : object_(std::move(object)) {}

    HostResult<std::unique_ptr<WmiCollection>> execQuery(std::string_view wql) override {
        return guarded([&]() -> HostResult<std::unique_ptr<WmiCollection>> {
            Variant query = Variant::text(win32::toWide(wql));
            const auto result = getMember(*object_.Get(), "ExecQuery", {&query.get(), 1});
            if (!result) return std::unexpected(result.error());
            auto collection = objectIn(*result);
            if (!collection) return std::unexpected(collection.error());
            return std::make_unique<ComWmiCollection>(std::move(*collection));
        });
    }

  private:
    ComPtr<IDispatch> object_;
};

}  // namespace

HostResult<std::unique_ptr<WmiService>> bindWmiService(std::string_view moniker) {
    const std::wstring name = win32::toWide(moniker);
    ComPtr<IDispatch> service;
    const HRESULT result = CoGetObject(name.c_str(), nullptr, IID_PPV_ARGS(&service));
    if (FAILED(result)) return std::unexpected(fromHresult(result));
    return std::make_unique<ComWmiService>(std::move(service));
}

}  // namespace tallowin::windows_backend
