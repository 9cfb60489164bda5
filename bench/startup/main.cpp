// Measures how long programs take from being started to having their main
// window mapped on the X server of $DISPLAY, and their peak resident memory
// once the window is up. The cases run in turn, their order swapped every
// round, so that drift in the machine's load falls on all of them alike.
//
// Prints one tab-separated line per case: its name, the number of runs, the
// start-up time in ms (median, min, p25, p75, max), the peak resident memory
// in KiB (median, min, max) and the processor time in ms that the program's
// threads had used when the window was mapped (median, min, max).
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <expected>
#include <string>
#include <thread>
#include <vector>

#include "child_process.h"
#include "cpu_time.h"
#include "map_watcher.h"
#include "peak_memory.h"
#include "run_stats.h"
#include "watch_options.h"

namespace {

using tallowin::bench::ChildProcess;
using tallowin::bench::MapWatcher;
using tallowin::bench::WatchCase;
using tallowin::bench::WatchOptions;

// Set by SIGINT and SIGTERM: the run in progress ends, and its program is
// killed on the way out like any other.
volatile std::sig_atomic_t stopRequested = 0;

void requestStop(int /*signal*/) { stopRequested = 1; }

struct RunResult {
    double startupMs = 0;
    double peakKib = 0;
    double processorMs = 0;
};

struct CaseSamples {
    std::vector<double> startupMs;
    std::vector<double> peakKib;
    std::vector<double> processorMs;
};

std::expected<RunResult, std::string> runOnce(MapWatcher& watcher, const WatchCase& watchCase,
                                              const WatchOptions& options) {
    watcher.discardPending();
    const auto started = MapWatcher::Clock::now();
    auto child = ChildProcess::spawn(watchCase.argv, options.showOutput);
    if (!child) return std::unexpected(child.error());

    const auto deadline = started + std::chrono::milliseconds(options.timeoutMs);
    const auto mapped = watcher.waitForMapped(watchCase.title, deadline, [&] {
        return stopRequested == 0 && !child->endedStatus().has_value();
    });
    if (stopRequested != 0) return std::unexpected("stopped");
    if (!mapped) {
        std::string reason = mapped.error();
        if (const auto status = child->endedStatus()) {
            reason += " (" + tallowin::bench::describeWaitStatus(*status) + ")";
        }
        return std::unexpected(reason);
    }

    RunResult result;
    result.startupMs = std::chrono::duration<double, std::milli>(*mapped - started).count();
    const auto processorNs = tallowin::bench::processorTimeNs(child->pid());
    if (!processorNs) return std::unexpected("cannot read the program's processor time");
    result.processorMs = static_cast<double>(*processorNs) / 1e6;
    // The window paints itself just after it is mapped; let that finish.
    std::this_thread::sleep_for(std::chrono::milliseconds(options.settleMs));
    const auto peak = tallowin::bench::peakResidentKib(child->pid());
    if (!peak) return std::unexpected("the program ended before its memory could be read");
    result.peakKib = static_cast<double>(*peak);
    return result;  // the child is killed and reaped here
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const auto options = tallowin::bench::parseWatchOptions(args);
    if (!options) {
        std::fprintf(stderr, "startup_watch: %s\n", options.error().c_str());
        return EXIT_FAILURE;
    }
    struct sigaction stop {};
    stop.sa_handler = requestStop;
    sigaction(SIGINT, &stop, nullptr);
    sigaction(SIGTERM, &stop, nullptr);

    auto watcher = MapWatcher::connect();
    if (!watcher) {
        std::fprintf(stderr, "startup_watch: %s\n", watcher.error().c_str());
        return EXIT_FAILURE;
    }

    const std::size_t caseCount = options->cases.size();
    std::vector<CaseSamples> samples(caseCount);
    const int rounds = options->warmup + options->runs;
    for (int round = 0; round < rounds; ++round) {
        const bool measured = round >= options->warmup;
        for (std::size_t k = 0; k < caseCount; ++k) {
            // Every other round runs the cases in the opposite order.
            const std::size_t index = round % 2 == 0 ? k : caseCount - 1 - k;
            const WatchCase& watchCase = options->cases[index];
            const auto result = runOnce(*watcher, watchCase, *options);
            if (!result) {
                std::fprintf(stderr, "startup_watch: %s, round %d: %s\n", watchCase.name.c_str(),
                             round + 1, result.error().c_str());
                return EXIT_FAILURE;
            }
            if (measured) {
                samples[index].startupMs.push_back(result->startupMs);
                samples[index].peakKib.push_back(result->peakKib);
                samples[index].processorMs.push_back(result->processorMs);
            }
        }
        std::fprintf(stderr, "\rstartup_watch: round %d of %d", round + 1, rounds);
    }
    std::fprintf(stderr, "\n");

    for (std::size_t index = 0; index < caseCount; ++index) {
        const auto startup = tallowin::bench::spreadOf(samples[index].startupMs);
        const auto peak = tallowin::bench::spreadOf(samples[index].peakKib);
        const auto processor = tallowin::bench::spreadOf(samples[index].processorMs);
        std::printf("%s\t%d\t%.1f\t%.1f\t%.1f\t%.1f\t%.1f\t%.0f\t%.0f\t%.0f\t%.1f\t%.1f\t%.1f\n",
                    options->cases[index].name.c_str(), options->runs, startup.median, startup.min,
                    startup.p25, startup.p75, startup.max, peak.median, peak.min, peak.max,
                    processor.median, processor.min, processor.max);
    }
    return EXIT_SUCCESS;
}
