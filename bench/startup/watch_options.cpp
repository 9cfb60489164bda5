#include "watch_options.h"

#include <charconv>
#include <cstddef>
#include <string_view>
#include <utility>

namespace tallowin::bench {

namespace {

constexpr std::string_view kCase = "--case";

std::expected<int, std::string> parseCount(std::string_view flag, std::string_view text,
                                           int least) {
    int value = 0;
    const auto [rest, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || rest != text.data() + text.size() || value < least) {
        return std::unexpected(std::string(flag) + " needs a whole number of at least " +
                               std::to_string(least) + ", not \"" + std::string(text) + "\"");
    }
    return value;
}

}  // namespace

std::expected<WatchOptions, std::string> parseWatchOptions(std::span<const std::string> args) {
    WatchOptions options;
    std::size_t i = 0;
    // Flags come before the first case.
    while (i < args.size() && args[i] != kCase) {
        const std::string_view flag = args[i];
        if (flag == "--show-output") {
            options.showOutput = true;
            ++i;
            continue;
        }
        int* target = flag == "--runs"         ? &options.runs
                      : flag == "--warmup"     ? &options.warmup
                      : flag == "--settle-ms"  ? &options.settleMs
                      : flag == "--timeout-ms" ? &options.timeoutMs
                                               : nullptr;
        if (target == nullptr) return std::unexpected("unknown option \"" + args[i] + "\"");
        if (i + 1 >= args.size()) return std::unexpected(args[i] + " needs a value");
        const int least = flag == "--runs" || flag == "--timeout-ms" ? 1 : 0;
        const auto value = parseCount(flag, args[i + 1], least);
        if (!value) return std::unexpected(value.error());
        *target = *value;
        i += 2;
    }

    // Each case runs to the next "--case" or the end.
    while (i < args.size()) {
        ++i;  // past "--case"
        std::size_t end = i;
        while (end < args.size() && args[end] != kCase) ++end;
        if (end - i < 3)
            return std::unexpected("--case needs a name, a window title and a program");
        WatchCase watchCase{.name = args[i], .title = args[i + 1], .argv = {}};
        watchCase.argv.assign(args.begin() + static_cast<std::ptrdiff_t>(i + 2),
                              args.begin() + static_cast<std::ptrdiff_t>(end));
        options.cases.push_back(std::move(watchCase));
        i = end;
    }
    if (options.cases.empty()) return std::unexpected("no --case given");
    return options;
}

}  // namespace tallowin::bench
