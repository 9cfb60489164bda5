#include "host_value.h"

#include <limits>

#include "host.h"
#include "host_errors.h"
#include "valid_utf8.h"

namespace tallowin {

namespace {

struct TextConversion {
    bool nullIsEmpty;

    std::expected<std::string, HostError> operator()(Null) const {
        if (nullIsEmpty) return std::string{};
        return std::unexpected(errors::invalidUseOfNull());
    }
    std::expected<std::string, HostError> operator()(const std::string& text) const {
        return toValidUtf8(text);
    }
    std::expected<std::string, HostError> operator()(std::int64_t number) const {
        return std::to_string(number);
    }
    std::expected<std::string, HostError> operator()(bool flag) const {
        return std::string{flag ? "True" : "False"};
    }
    std::expected<std::string, HostError> operator()(const TextArray&) const {
        return std::unexpected(errors::typeMismatch());
    }
};

std::expected<std::int16_t, HostError> toInt16(std::ptrdiff_t bound) {
    if (bound < std::numeric_limits<std::int16_t>::min() ||
        bound > std::numeric_limits<std::int16_t>::max()) {
        return std::unexpected(errors::overflow());
    }
    return static_cast<std::int16_t>(bound);
}

}  // namespace

bool isNull(const HostValue& value) { return std::holds_alternative<Null>(value); }

std::expected<std::string, HostError> toText(const HostValue& value) {
    return std::visit(TextConversion{.nullIsEmpty = false}, value);
}

std::expected<std::string, HostError> joinText(const HostValue& value) {
    return std::visit(TextConversion{.nullIsEmpty = true}, value);
}

std::expected<std::int16_t, HostError> lowerBound(const HostValue& value) {
    if (!std::holds_alternative<TextArray>(value)) return std::unexpected(errors::typeMismatch());
    return std::int16_t{0};
}

std::expected<std::int16_t, HostError> upperBound(const HostValue& value) {
    const auto* array = std::get_if<TextArray>(&value);
    if (array == nullptr) return std::unexpected(errors::typeMismatch());
    return toInt16(std::ssize(*array) - 1);
}

}  // namespace tallowin
