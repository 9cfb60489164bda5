// The start-up watcher's command line:
//
//   tallowin_startup_watch [--runs N] [--warmup N] [--settle-ms N]
//       [--timeout-ms N] [--show-output]
//       --case NAME TITLE PROGRAM [ARG...] [--case NAME TITLE PROGRAM [ARG...]]...
//
// Each case is one program to start and the title of the top-level window
// whose mapping ends its measurement.
#pragma once

#include <expected>
#include <span>
#include <string>
#include <vector>

namespace tallowin::bench {

struct WatchCase {
    std::string name;
    std::string title;
    std::vector<std::string> argv;
};

struct WatchOptions {
    int runs = 30;          // measured runs of each case
    int warmup = 2;         // unmeasured runs of each case first (page cache, font cache)
    int settleMs = 500;     // after the mapping, before the peak memory is read
    int timeoutMs = 30000;  // longest wait for the window of one run
    bool showOutput = false;
    std::vector<WatchCase> cases;
};

[[nodiscard]] std::expected<WatchOptions, std::string> parseWatchOptions(
    std::span<const std::string> args);

}  // namespace tallowin::bench
