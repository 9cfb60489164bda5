// The program's heap on a machine with thousands of addresses: a call reuses
// the memory the call before it freed instead of faulting it in afresh.
// Counted in page faults, not timed.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <memory>
#include <utility>

#include "backend/host_factory.h"
#include "canned_interfaces.h"
#include "fixture_host.h"
#include "sysinfo/clsSysInfo.h"

namespace tallowin::linux_backend {
namespace {

long minorFaults() {
    rusage usage{};
    getrusage(RUSAGE_THREAD, &usage);
    return usage.ru_minflt;
}

TEST(TheProgramsHeap, KeepsWhatACallFreesForTheNextCall) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizer's allocator has heap settings of its own";
#endif
    // Making the program's host sets the program's heap.
    const auto programHost = makePlatformHost({});

    Environment environment;
    environment.names = std::make_shared<testing::FixedNames>("pc7", "alice");
    environment.interfaces =
        std::make_shared<testing::CannedInterfaces>(testing::manyAddresses(5000, 1));
    LinuxHost host(std::move(environment), MessageBoxFn{});
    clsSysInfo service(host);
    EXPECT_EQ(service.Zin_GetIP(2), "5000");  // the first call grows the heap

    const long before = minorFaults();
    for (int call = 0; call < 3; ++call) {
        EXPECT_EQ(service.Zin_GetIP(2), "5000");
    }
    // Handing the memory back faults in about a hundred pages a call.
    EXPECT_LE(minorFaults() - before, 3) << "page faults in three calls";
}

}  // namespace
}  // namespace tallowin::linux_backend
