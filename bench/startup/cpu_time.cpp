#include "cpu_time.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

namespace tallowin::bench {

std::optional<std::uint64_t> parseSchedstatRunNs(std::string_view text) {
    std::uint64_t ns = 0;
    const auto [rest, error] = std::from_chars(text.data(), text.data() + text.size(), ns);
    if (error != std::errc{} || rest == text.data()) return std::nullopt;
    return ns;
}

std::optional<std::uint64_t> processorTimeNs(pid_t pid) {
    std::error_code error;
    std::filesystem::directory_iterator tasks("/proc/" + std::to_string(pid) + "/task", error);
    if (error) return std::nullopt;

    std::uint64_t total = 0;
    bool any = false;
    for (const auto& task : tasks) {
        std::ifstream file(task.path() / "schedstat");
        std::string text;
        // A thread that ended since the listing simply counts no more.
        if (!file || !std::getline(file, text)) continue;
        const auto ns = parseSchedstatRunNs(text);
        if (!ns) return std::nullopt;
        total += *ns;
        any = true;
    }
    if (!any) return std::nullopt;
    return total;
}

}  // namespace tallowin::bench
