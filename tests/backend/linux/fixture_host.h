// A Linux host that reads fixed names and interfaces instead of the running
// system's, and helpers to run a query on it.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "host_printing.h"
#include "linux_host.h"

namespace tallowin::linux_backend::testing {

class FixedNames final : public NameSource {
  public:
    FixedNames(std::string host, std::string user)
        : host_(std::move(host)), user_(std::move(user)) {}
    HostResult<std::string> hostName() override { return host_; }
    HostResult<std::string> userName() override { return user_; }

  private:
    std::string host_;
    std::string user_;
};

class FixedInterfaces final : public InterfaceSource {
  public:
    explicit FixedInterfaces(std::vector<NetInterface> interfaces)
        : interfaces_(std::move(interfaces)) {}
    HostResult<std::vector<NetInterface>> interfaces() override { return interfaces_; }

  private:
    std::vector<NetInterface> interfaces_;
};

// A host whose machine files are read below that root.
inline std::unique_ptr<LinuxHost> fixtureHostAt(std::filesystem::path root, std::string hostName,
                                                std::vector<NetInterface> interfaces = {}) {
    Environment environment;
    environment.root = std::move(root);
    environment.names = std::make_shared<FixedNames>(std::move(hostName), "alice");
    environment.interfaces = std::make_shared<FixedInterfaces>(std::move(interfaces));
    environment.bootClock = [] { return std::optional<std::uint64_t>(); };
    return std::make_unique<LinuxHost>(std::move(environment), MessageBoxFn{});
}

// A host on a machine with no files at all.
inline std::unique_ptr<LinuxHost> fixtureHost(std::string hostName,
                                              std::vector<NetInterface> interfaces = {}) {
    return fixtureHostAt(TALLOWIN_FIXTURES "/none", std::move(hostName), std::move(interfaces));
}

inline constexpr std::string_view kLocalMoniker =
    R"(winmgmts:{impersonationLevel=impersonate}!\\pc7\root\cimv2)";

// The items a query answers, taken in walk order; fails the test on an error.
inline std::vector<std::unique_ptr<WmiItem>> itemsOf(Host& host, std::string_view wql,
                                                     std::string_view moniker = kLocalMoniker) {
    std::vector<std::unique_ptr<WmiItem>> items;
    auto service = host.bindWmi(moniker);
    if (!service) {
        ADD_FAILURE() << "bind failed: " << service.error().description;
        return items;
    }
    auto collection = (*service)->execQuery(wql);
    if (!collection) {
        ADD_FAILURE() << "query failed: " << collection.error().description;
        return items;
    }
    auto walk = (*collection)->walk();
    if (!walk) {
        ADD_FAILURE() << "walk failed: " << walk.error().description;
        return items;
    }
    for (auto item = (*walk)->next(); item && *item; item = (*walk)->next()) {
        items.push_back(std::move(*item));
    }
    return items;
}

// The one item a query answers; fails the test when it answers another count.
inline std::unique_ptr<WmiItem> onlyItemOf(Host& host, std::string_view wql) {
    auto items = itemsOf(host, wql);
    if (items.size() != 1) {
        ADD_FAILURE() << wql << " answered " << items.size() << " items";
        return nullptr;
    }
    return std::move(items.front());
}

}  // namespace tallowin::linux_backend::testing
