#include "wmi_class.h"

#include <array>
#include <utility>

#include "text.h"

namespace tallowin::linux_backend {

std::optional<std::size_t> WmiClass::propertyIndex(std::string_view property) const {
    for (std::size_t i = 0; i < properties.size(); ++i) {
        if (equalsIgnoringCase(properties[i], property)) {
            return i;
        }
    }
    return std::nullopt;
}

const WmiClass* findWmiClass(std::string_view name) {
    static const std::array kClasses = {&networkAdapterConfigurationClass(), &biosClass(),
                                        &operatingSystemClass(), &computerSystemClass()};
    for (const WmiClass* known : kClasses) {
        if (equalsIgnoringCase(known->name, name)) {
            return known;
        }
    }
    return nullptr;
}

HostValue textOrNull(std::optional<std::string> text) {
    if (!text) {
        return Null{};
    }
    return std::move(*text);
}

}  // namespace tallowin::linux_backend
