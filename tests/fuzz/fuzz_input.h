// Reads typed values off the front of a fuzzer's input, so that one input
// drives a whole scenario. Past the end of the input every value is zero,
// false or empty, so any input, however short, is a complete scenario.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tallowin::fuzz {

class FuzzInput {
  public:
    FuzzInput(const std::uint8_t* data, std::size_t size)
        : bytes_(reinterpret_cast<const char*>(data), size) {}

    [[nodiscard]] std::uint8_t byte() {
        if (bytes_.empty()) return 0;
        const auto value = static_cast<std::uint8_t>(bytes_.front());
        bytes_.remove_prefix(1);
        return value;
    }

    [[nodiscard]] bool flag() { return (byte() & 1U) != 0; }

    // A number from 0 to count - 1 (count must not be 0).
    [[nodiscard]] std::size_t below(std::size_t count) {
        std::size_t value = byte();
        if (count > 256) value = (value << 8U) | byte();
        return value % count;
    }

    [[nodiscard]] std::uint64_t u64() {
        std::uint64_t value = 0;
        for (int i = 0; i < 8; ++i) value = (value << 8U) | byte();
        return value;
    }

    [[nodiscard]] std::int32_t i32() { return static_cast<std::int32_t>(u64() & 0xFFFF'FFFFU); }

    // Up to `longest` bytes, the length taken from the input first.
    [[nodiscard]] std::string text(std::size_t longest) {
        const std::size_t length = below(longest + 1);
        const std::string_view taken = bytes_.substr(0, length);
        bytes_.remove_prefix(taken.size());
        return std::string(taken);
    }

    [[nodiscard]] std::string rest() {
        std::string all(bytes_);
        bytes_ = {};
        return all;
    }

  private:
    std::string_view bytes_;
};

}  // namespace tallowin::fuzz
