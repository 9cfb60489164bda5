#include "peak_memory.h"

#include <charconv>
#include <fstream>
#include <iterator>
#include <string>

namespace tallowin::bench {

std::optional<std::uint64_t> parseVmHwmKib(std::string_view statusText) {
    constexpr std::string_view kKey = "VmHWM:";
    std::size_t at = 0;
    while (at < statusText.size()) {
        std::size_t end = statusText.find('\n', at);
        if (end == std::string_view::npos) end = statusText.size();
        std::string_view line = statusText.substr(at, end - at);
        at = end + 1;
        if (!line.starts_with(kKey)) continue;

        line.remove_prefix(kKey.size());
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) {
            line.remove_prefix(1);
        }
        std::uint64_t kib = 0;
        const auto [rest, error] = std::from_chars(line.data(), line.data() + line.size(), kib);
        if (error != std::errc{} || rest == line.data()) return std::nullopt;
        // The kernel always writes the figure in kB (KiB).
        if (std::string_view(rest, line.data() + line.size()) != " kB") return std::nullopt;
        return kib;
    }
    return std::nullopt;
}

std::optional<std::uint64_t> peakResidentKib(pid_t pid) {
    std::ifstream file("/proc/" + std::to_string(pid) + "/status");
    if (!file) return std::nullopt;
    const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    return parseVmHwmKib(text);
}

}  // namespace tallowin::bench
