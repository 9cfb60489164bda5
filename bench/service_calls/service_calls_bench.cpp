// The service calls on the real Linux back end: what each window's button or
// load step costs the person waiting for it. The message box answers at once,
// so the report's figure is its gathering and composition alone.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

#include "backend/host_factory.h"
#include "heap.h"
#include "interfaces.h"
#include "linux_host.h"
#include "sysinfo/clsSysInfo.h"
#include "ui/main_window_logic.h"

namespace {

// A message box that is dismissed the moment it opens.
int answerAtOnce(std::string_view /*prompt*/, std::int32_t /*style*/,
                 std::optional<std::string_view> /*title*/) {
    constexpr int kOk = 1;
    return kOk;
}

// Google Benchmark's loop variable is never read, by design.
// NOLINTBEGIN(clang-analyzer-deadcode.DeadStores)

// One host and one service for every benchmark, as in the program.
tallowin::clsSysInfo& service() {
    static const std::unique_ptr<tallowin::Host> host = tallowin::makePlatformHost(answerAtOnce);
    static tallowin::clsSysInfo instance(*host);
    return instance;
}

void BM_GetIP(benchmark::State& state) {
    const auto mode = static_cast<std::int32_t>(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(service().Zin_GetIP(mode));
    }
}
// Mode 0 the first address, 1 every address, 2 the count.
BENCHMARK(BM_GetIP)->ArgName("mode")->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

void BM_GetComputerName(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(service().Zin_GetComputerName());
    }
}
BENCHMARK(BM_GetComputerName)->Unit(benchmark::kMicrosecond);

void BM_MainWindowLoad(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(tallowin::ui::loadMainWindow(service()));
    }
}
BENCHMARK(BM_MainWindowLoad)->Unit(benchmark::kMicrosecond);

// The load step on the same machine without asking the kernel which link it
// routes through: the difference is what the route lookup costs.
tallowin::clsSysInfo& serviceWithoutRouteLookup() {
    static const auto host = [] {
        tallowin::linux_backend::keepFreedHeapForTheNextCall();
        tallowin::linux_backend::Environment environment;
        environment.interfaces = tallowin::linux_backend::makeSystemInterfaceSource(
            tallowin::linux_backend::RouteLookup::None);
        return std::make_unique<tallowin::linux_backend::LinuxHost>(std::move(environment),
                                                                    answerAtOnce);
    }();
    static tallowin::clsSysInfo instance(*host);
    return instance;
}

void BM_MainWindowLoadWithoutRouteLookup(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(tallowin::ui::loadMainWindow(serviceWithoutRouteLookup()));
    }
}
BENCHMARK(BM_MainWindowLoadWithoutRouteLookup)->Unit(benchmark::kMicrosecond);

// The route lookup alone, on an open socket as the listing makes it after
// its dumps: what each address call adds. On a machine of thousands of
// addresses the load step's own spread is larger than the lookup.
void BM_RouteLookup(benchmark::State& state) {
    tallowin::linux_backend::RouteLookupSocket socket;
    for (auto _ : state) {
        benchmark::DoNotOptimize(socket.routedLink());
    }
}
BENCHMARK(BM_RouteLookup)->Unit(benchmark::kMicrosecond);

void BM_UpTime(benchmark::State& state) {
    const std::string separator = ", ";
    for (auto _ : state) {
        benchmark::DoNotOptimize(service().Zin_UpTime(separator));
    }
}
BENCHMARK(BM_UpTime)->Unit(benchmark::kNanosecond);

void BM_SysInfoReport(benchmark::State& state) {
    for (auto _ : state) {
        service().Zin_SysInfo();
    }
}
BENCHMARK(BM_SysInfoReport)->Unit(benchmark::kMicrosecond);

// NOLINTEND(clang-analyzer-deadcode.DeadStores)

}  // namespace

BENCHMARK_MAIN();
