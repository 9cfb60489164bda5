#include "identity.h"

#include <array>

#include "host_errors.h"
#include "one_line.h"

namespace tallowin::Module1 {

namespace {

constexpr std::int32_t kTypeMismatch = 13;

struct KnownProperty {
    std::string_view name;
    std::string_view label;  // names the lookup in the error text
};

constexpr std::array kKnownProperties{
    KnownProperty{"UserName", kUserNameLookup},
    KnownProperty{"ComputerName", kComputerNameLookup},
    KnownProperty{"UserDomain", kUserDomainLookup},
};

const KnownProperty* findProperty(std::string_view name) {
    for (const auto& property : kKnownProperties) {
        if (property.name == name) return &property;
    }
    return nullptr;
}

// A host description as the error text shows it: on one line, without the
// line break that host descriptions often end in.
std::string descriptionOf(std::string_view description) {
    std::string line = oneLine(description);
    while (line.ends_with(' ')) line.pop_back();
    return line;
}

// The day this lookup was written, in the user's short-date format. Should
// the host be unable to write it, the US English form stands in.
std::string fromDate(Host& host) {
    using namespace std::chrono;
    return host.shortDate(year{2007} / March / day{22}).value_or("3/22/2007");
}

std::string errorText(Host& host, const HostError& error, std::string_view name) {
    const KnownProperty* property = findProperty(name);
    return lookupErrorText(descriptionOf(error.description), error.number,
                           property != nullptr ? property->label : kOtherNameLookup,
                           fromDate(host));
}

}  // namespace

std::string lookupErrorText(std::string_view description, std::int32_t number,
                            std::string_view lookup, std::string_view date) {
    std::string text = "Error: ";
    text += description;
    text += " (";
    text += std::to_string(number);
    text += ") Error in ";
    text += lookup;
    text += " (from ";
    text += date;
    text += ").";
    return text;
}

std::string GetNetworkValue(Host& host, std::string_view name) noexcept {
    try {
        std::string value;
        std::unique_ptr<NetworkIdentity> network;

        if (auto created = host.createNetworkIdentity()) {
            network = std::move(*created);
        } else if (created.error().number != kTypeMismatch) {
            return errorText(host, created.error(), name);
        }

        if (const KnownProperty* property = findProperty(name)) {
            HostResult<HostValue> read = network ? network->property(property->name)
                                                 : std::unexpected(errors::objectNotSet());
            auto text = andThen(read, toText);
            if (text) {
                value = oneLine(*text);
            } else if (text.error().number != kTypeMismatch) {
                return errorText(host, text.error(), name);
            }
        }
        return value;
    } catch (...) {
        // Only running out of memory can get here; there is no text to give.
        return {};
    }
}

}  // namespace tallowin::Module1
