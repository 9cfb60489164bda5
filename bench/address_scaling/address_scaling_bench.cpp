// How the address calls grow with the machine's addresses: Zin_GetIP modes 1
// and 2 and the main window's load step, with N addresses all on one
// interface or spread over 100. The interfaces come from canned rtnetlink
// dumps read by the back end's own reader, under the real Linux host, its
// management service and the core, so everything above the socket is what
// the program runs.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <utility>

#include "canned_interfaces.h"
#include "heap.h"
#include "linux_host.h"
#include "sysinfo/clsSysInfo.h"
#include "ui/main_window_logic.h"

namespace {

using tallowin::linux_backend::testing::CannedInterfaces;
using tallowin::linux_backend::testing::manyAddresses;

class FixedNames final : public tallowin::linux_backend::NameSource {
  public:
    tallowin::HostResult<std::string> hostName() override { return std::string("pc7"); }
    tallowin::HostResult<std::string> userName() override { return std::string("alice"); }
};

int answerAtOnce(std::string_view /*prompt*/, std::int32_t /*style*/,
                 std::optional<std::string_view> /*title*/) {
    return 1;
}

// One host and one service per machine shape, as the program has one. A
// routed machine's dumps end with a route through its last interface.
tallowin::clsSysInfo& serviceFor(int addresses, int links, bool routed = false) {
    struct Machine {
        std::unique_ptr<tallowin::linux_backend::LinuxHost> host;
        std::unique_ptr<tallowin::clsSysInfo> service;
    };
    static std::map<std::tuple<int, int, bool>, Machine> machines;
    Machine& machine = machines[{addresses, links, routed}];
    if (!machine.host) {
        // The heap as the program's start sets it.
        tallowin::linux_backend::keepFreedHeapForTheNextCall();
        tallowin::linux_backend::Environment environment;
        environment.names = std::make_shared<FixedNames>();
        environment.interfaces =
            std::make_shared<CannedInterfaces>(manyAddresses(addresses, links, routed));
        machine.host = std::make_unique<tallowin::linux_backend::LinuxHost>(std::move(environment),
                                                                            answerAtOnce);
        machine.service = std::make_unique<tallowin::clsSysInfo>(*machine.host);
    }
    return *machine.service;
}

// Google Benchmark's loop variable is never read, by design.
// NOLINTBEGIN(clang-analyzer-deadcode.DeadStores)

void BM_AddressList(benchmark::State& state) {
    auto& service = serviceFor(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(service.Zin_GetIP(1));
    }
}

void BM_AddressCount(benchmark::State& state) {
    auto& service = serviceFor(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(service.Zin_GetIP(2));
    }
}

void BM_MainWindowLoad(benchmark::State& state) {
    auto& service = serviceFor(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(tallowin::ui::loadMainWindow(service));
    }
}

// The load step when the kernel's answer to the route lookup is read too and
// the routed interface is put first: against BM_MainWindowLoad, what reading
// and ordering cost on a machine with many addresses.
void BM_MainWindowLoadRouted(benchmark::State& state) {
    auto& service =
        serviceFor(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), true);
    for (auto _ : state) {
        benchmark::DoNotOptimize(tallowin::ui::loadMainWindow(service));
    }
}

// NOLINTEND(clang-analyzer-deadcode.DeadStores)

void shapes(benchmark::internal::Benchmark* benchmark) {
    benchmark->ArgNames({"addresses", "interfaces"})->Unit(benchmark::kMicrosecond);
    for (const int links : {1, 100}) {
        for (const int addresses : {10, 100, 1000, 5000}) {
            benchmark->Args({addresses, links});
        }
    }
}

BENCHMARK(BM_AddressList)->Apply(shapes);
BENCHMARK(BM_AddressCount)->Apply(shapes);
BENCHMARK(BM_MainWindowLoad)->Apply(shapes);
BENCHMARK(BM_MainWindowLoadRouted)
    ->ArgNames({"addresses", "interfaces"})
    ->Unit(benchmark::kMicrosecond)
    ->Args({5000, 1})
    ->Args({5000, 100});

}  // namespace

BENCHMARK_MAIN();
