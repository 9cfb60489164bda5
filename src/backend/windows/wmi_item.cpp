#include "wmi_item.h"

#include <functional>
#include <map>
#include <string>

#include "com_errors.h"
#include "late_binding.h"
#include "sysinfo/guarded.h"
#include "variant.h"
#include "variant_value.h"

namespace tallowin::windows_backend {

namespace {

using Microsoft::WRL::ComPtr;

// An array the item holds itself (not a reference into the provider's memory).
bool isOwnArray(const Variant& value) { return (value.type() & (VT_ARRAY | VT_BYREF)) == VT_ARRAY; }

class ComWmiItem final : public WmiItem {
  public:
    explicit ComWmiItem(ComPtr<IDispatch> object) : object_(std::move(object)) {}

    HostResult<HostValue> property(std::string_view name) override {
        return guarded([&]() -> HostResult<HostValue> {
            if (const Variant* kept = keptArray(name)) return toHostValue(kept->get());
            auto value = getMember(*object_.Get(), name);
            if (!value) return std::unexpected(value.error());
            if (isOwnArray(*value)) return toHostValue(keep(name, std::move(*value)).get());
            return toHostValue(value->get());
        });
    }

    // The element is asked for with its index. A provider that answers the
    // whole array to that read, or that takes no index at all, gives the
    // element from the array.
    HostResult<HostValue> element(std::string_view name, std::int16_t index) override {
        return guarded([&]() -> HostResult<HostValue> {
            if (const Variant* kept = keptArray(name)) return elementOf(kept->get(), index);
            const auto id = memberId(*object_.Get(), name);
            if (!id) return std::unexpected(id.error());
            Variant argument = Variant::int16(index);
            auto value = getMember(*object_.Get(), *id, {&argument.get(), 1});
            if (!value && value.error().number == errorNumber(DISP_E_BADPARAMCOUNT)) {
                value = getMember(*object_.Get(), *id);
            }
            if (!value) return std::unexpected(value.error());
            if (isOwnArray(*value)) return elementOf(keep(name, std::move(*value)).get(), index);
            return elementOf(value->get(), index);
        });
    }

  private:
    [[nodiscard]] const Variant* keptArray(std::string_view name) const {
        const auto found = arrays_.find(name);
        return found != arrays_.end() ? &found->second : nullptr;
    }

    const Variant& keep(std::string_view name, Variant array) {
        return arrays_.emplace(std::string{name}, std::move(array)).first->second;
    }

    ComPtr<IDispatch> object_;
    std::map<std::string, Variant, std::less<>> arrays_;  // by property name
};

}  // namespace

std::unique_ptr<WmiItem> makeWmiItem(ComPtr<IDispatch> object) {
    return std::make_unique<ComWmiItem>(std::move(object));
}

}  // namespace tallowin::windows_backend
