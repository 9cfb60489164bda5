#include "uptime.h"

#include <linux/magic.h>
#include <sys/vfs.h>

#include <ctime>
#include <limits>

#include "backend_errors.h"
#include "root_files.h"

namespace tallowin::linux_backend {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();

}  // namespace

std::optional<std::uint64_t> parseUptimeMilliseconds(std::string_view text) {
    std::size_t at = 0;
    std::uint64_t seconds = 0;
    while (at < text.size() && isDigit(text[at])) {
        const auto digit = static_cast<std::uint64_t>(text[at] - '0');
        if (seconds > (kMax - digit) / 10) {
            return std::nullopt;
        }
        seconds = seconds * 10 + digit;
        ++at;
    }
    if (at == 0) {
        return std::nullopt;
    }
    std::uint64_t fraction = 0;
    if (at < text.size() && text[at] == '.') {
        ++at;
        const std::size_t first = at;
        for (; at < text.size() && isDigit(text[at]); ++at) {
            if (at - first < 3) {
                fraction = fraction * 10 + static_cast<std::uint64_t>(text[at] - '0');
            }
        }
        if (at == first) {
            return std::nullopt;
        }
        for (std::size_t read = at - first; read < 3; ++read) {
            fraction *= 10;
        }
    }
    if (at < text.size() && text[at] != ' ' && text[at] != '\t' && text[at] != '\n') {
        return std::nullopt;
    }
    if (seconds > (kMax - fraction) / 1000) {
        return std::nullopt;
    }
    return seconds * 1000 + fraction;
}

std::optional<std::uint64_t> bootClockMilliseconds() {
    timespec now{};
    if (clock_gettime(CLOCK_BOOTTIME, &now) != 0 || now.tv_sec < 0) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(now.tv_sec) * 1000 +
           static_cast<std::uint64_t>(now.tv_nsec / 1'000'000);
}

bool procUptimeIsTheBootClock(const std::filesystem::path& root) {
    if (root != "/") {
        return false;
    }
    struct statfs fileSystem{};
    return ::statfs("/proc/uptime", &fileSystem) == 0 && fileSystem.f_type == PROC_SUPER_MAGIC;
}

HostResult<std::uint64_t> millisecondsSinceStart(const std::filesystem::path& root,
                                                 const BootClock& bootClock,
                                                 bool procUptimeIsBootClock) {
    if (procUptimeIsBootClock && bootClock) {
        if (const auto milliseconds = bootClock()) {
            return *milliseconds;
        }
    }
    if (const auto text = readRootFile(root, "proc/uptime", 256)) {
        if (const auto milliseconds = parseUptimeMilliseconds(*text)) {
            return *milliseconds;
        }
    }
    if (bootClock) {
        if (const auto milliseconds = bootClock()) {
            return *milliseconds;
        }
    }
    return std::unexpected(
        errors::unspecified("the time since the machine started cannot be read"));
}

}  // namespace tallowin::linux_backend
