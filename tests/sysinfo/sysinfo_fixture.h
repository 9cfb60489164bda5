// A fake machine named PC7 for the service tests, checking after every test
// that each host object the service made was released again.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>

#include "fake_host.h"
#include "sysinfo/clsSysInfo.h"
#include "sysinfo/wmi_names.h"

namespace tallowin::testing {

inline const std::string kAdapterQuery{wmi::kAdapterAddressesQuery};

class SysInfoTest : public ::testing::Test {
  protected:
    SysInfoTest() {
        host.identity() = {{"UserName", std::string{"alice"}},
                           {"ComputerName", std::string{"PC7"}},
                           {"UserDomain", std::string{"CORP"}}};
    }
    ~SysInfoTest() override { EXPECT_EQ(host.objectsAlive(), 0U) << "a host object was kept"; }

    // Adds an IP-enabled adapter whose IPAddress is the given value.
    void addAdapter(HostValue addresses) {
        host.query(kAdapterQuery).push_back({{"IPAddress", std::move(addresses)}});
    }

    [[nodiscard]] std::size_t count(const std::string& operation) const {
        return static_cast<std::size_t>(std::ranges::count(host.operations(), operation));
    }

    fake::FakeHost host;
    clsSysInfo service{host};
};

}  // namespace tallowin::testing
