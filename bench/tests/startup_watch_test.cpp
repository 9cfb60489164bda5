// The start-up watcher's own arithmetic and parsing: a wrong quantile or a
// misread memory line would give wrong figures without any visible failure.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <string>
#include <thread>
#include <vector>

#include "child_process.h"
#include "cpu_time.h"
#include "peak_memory.h"
#include "run_stats.h"
#include "watch_options.h"

namespace tallowin::bench {
namespace {

TEST(RunStats, QuantilesInterpolateBetweenRanksOfUnsortedSamples) {
    const std::vector<double> samples{40, 10, 30, 20};
    EXPECT_DOUBLE_EQ(quantile(samples, 0.0), 10);
    EXPECT_DOUBLE_EQ(quantile(samples, 0.5), 25);
    EXPECT_DOUBLE_EQ(quantile(samples, 0.25), 17.5);
    EXPECT_DOUBLE_EQ(quantile(samples, 1.0), 40);

    const Spread spread = spreadOf({7, 1, 3, 5, 9});
    EXPECT_DOUBLE_EQ(spread.min, 1);
    EXPECT_DOUBLE_EQ(spread.p25, 3);
    EXPECT_DOUBLE_EQ(spread.median, 5);
    EXPECT_DOUBLE_EQ(spread.p75, 7);
    EXPECT_DOUBLE_EQ(spread.max, 9);

    EXPECT_DOUBLE_EQ(spreadOf({4}).p75, 4);
    EXPECT_DOUBLE_EQ(spreadOf({}).median, 0);
}

TEST(PeakMemory, ReadsTheHighWaterMarkLineOnly) {
    const std::string status =
        "Name:\tTallowin\nVmPeak:\t  900000 kB\nVmHWM:\t   61234 kB\nVmRSS:\t   60000 kB\n";
    EXPECT_EQ(parseVmHwmKib(status), 61234u);
    EXPECT_EQ(parseVmHwmKib("VmHWM:\t12 kB"), 12u);  // last line, no line break

    EXPECT_EQ(parseVmHwmKib("Name:\tx\nVmRSS:\t5 kB\n"), std::nullopt);  // kernel threads
    EXPECT_EQ(parseVmHwmKib("VmHWM:\t kB\n"), std::nullopt);
    EXPECT_EQ(parseVmHwmKib("VmHWM:\t12 MB\n"), std::nullopt);
    EXPECT_EQ(parseVmHwmKib("XVmHWM:\t12 kB\n"), std::nullopt);
}

TEST(PeakMemory, ReadsARunningProcess) {
    const auto own = peakResidentKib(getpid());
    ASSERT_TRUE(own.has_value());
    EXPECT_GT(own.value_or(0), 0u);
}

TEST(ProcessorTime, ReadsTheRunningTimeOfEveryThread) {
    EXPECT_EQ(parseSchedstatRunNs("123456789 2000 7\n"), 123456789u);
    EXPECT_EQ(parseSchedstatRunNs(""), std::nullopt);
    EXPECT_EQ(parseSchedstatRunNs("x 1 2"), std::nullopt);

    // Busy for a while: the process's own figure grows past it.
    const auto before = processorTimeNs(getpid());
    ASSERT_TRUE(before.has_value());
    volatile std::uint64_t sink = 0;
    for (std::uint64_t i = 0; i < 20'000'000; ++i) sink = sink + i;
    const auto after = processorTimeNs(getpid());
    ASSERT_TRUE(after.has_value());
    EXPECT_GT(after.value_or(0), before.value_or(0));
}

// True once no process has the pid any more, reaped included.
bool gone(pid_t pid) { return kill(pid, 0) != 0 && errno == ESRCH; }

TEST(ChildProcess, ReportsHowTheProgramEnded) {
    auto child = ChildProcess::spawn({"sh", "-c", "exit 3"}, false);
    ASSERT_TRUE(child.has_value()) << child.error();
    std::optional<int> status;
    for (int i = 0; i < 500 && !status; ++i) {
        status = child->endedStatus();
        if (!status) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ASSERT_TRUE(status.has_value());
    EXPECT_EQ(describeWaitStatus(status.value_or(0)), "exit status 3");
    EXPECT_TRUE(gone(child->pid()));

    EXPECT_FALSE(ChildProcess::spawn({"tallowin-no-such-program"}, false).has_value());
    EXPECT_FALSE(ChildProcess::spawn({}, false).has_value());
}

TEST(ChildProcess, LeavesNoProgramRunningBehindIt) {
    pid_t pid = -1;
    {
        auto child = ChildProcess::spawn({"sleep", "60"}, false);
        ASSERT_TRUE(child.has_value()) << child.error();
        pid = child->pid();
        EXPECT_FALSE(child->endedStatus().has_value());
        // Moving the process keeps one owner, which still ends it.
        ChildProcess owner = std::move(child.value());
        EXPECT_EQ(owner.pid(), pid);
    }
    EXPECT_TRUE(gone(pid));

    auto stopped = ChildProcess::spawn({"sleep", "60"}, false);
    ASSERT_TRUE(stopped.has_value());
    stopped->stop();
    EXPECT_TRUE(gone(stopped->pid()));
    EXPECT_EQ(describeWaitStatus(stopped->endedStatus().value_or(0)), "killed by signal 9");
}

TEST(WatchOptions, FlagsThenCasesEachRunningToTheNext) {
    const std::vector<std::string> args{
        "--runs",  "5",        "--settle-ms", "0",      "--show-output", "--case",
        "program", "Tallowin", "/bin/prog",   "--case", "baseline",      "Tallowin baseline",
        "wine",    "base.exe", "-x"};
    const auto options = parseWatchOptions(args);
    ASSERT_TRUE(options.has_value()) << options.error();
    EXPECT_EQ(options->runs, 5);
    EXPECT_EQ(options->settleMs, 0);
    EXPECT_EQ(options->warmup, 2);
    EXPECT_TRUE(options->showOutput);
    ASSERT_EQ(options->cases.size(), 2u);
    EXPECT_EQ(options->cases[0].name, "program");
    EXPECT_EQ(options->cases[0].title, "Tallowin");
    EXPECT_EQ(options->cases[0].argv, std::vector<std::string>{"/bin/prog"});
    EXPECT_EQ(options->cases[1].title, "Tallowin baseline");
    EXPECT_EQ(options->cases[1].argv, (std::vector<std::string>{"wine", "base.exe", "-x"}));
}

TEST(WatchOptions, RejectsWhatWouldMeasureNothingOrTheWrongThing) {
    using Args = std::vector<std::string>;
    EXPECT_FALSE(parseWatchOptions(Args{}).has_value());
    EXPECT_FALSE(parseWatchOptions(Args{"--runs", "3"}).has_value());
    EXPECT_FALSE(parseWatchOptions(Args{"--runs", "0", "--case", "a", "A", "a"}).has_value());
    EXPECT_FALSE(parseWatchOptions(Args{"--runs", "3x", "--case", "a", "A", "a"}).has_value());
    EXPECT_FALSE(parseWatchOptions(Args{"--runs"}).has_value());
    EXPECT_FALSE(parseWatchOptions(Args{"--bogus", "1", "--case", "a", "A", "a"}).has_value());
    EXPECT_FALSE(parseWatchOptions(Args{"--case", "a", "A"}).has_value());  // no program
    EXPECT_FALSE(parseWatchOptions(Args{"--case", "a", "A", "a", "--case"}).has_value());
}

}  // namespace
}  // namespace tallowin::bench
