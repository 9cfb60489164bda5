// A scriptable host for tests: it answers whatever facts a test fills in,
// fails any operation the test names with the number and description the
// test chooses, and records every call, including the release of each object.
//
// Operations are logged as text, one entry per call:
//   "CreateObject WScript.NetWork", "Network.<Name>", "GetObject <moniker>",
//   "ExecQuery <wql>", "Walk", "Next", "Item.<Name>", "Item.<Name>(<index>)",
//   "GetTickCount", "MsgBox", "ShortDate"
// and releases as "Release Network", "Release Service", "Release Collection",
// "Release Walk", "Release Item". Releases cannot fail.
#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host_printing.h"
#include "sysinfo/host.h"

namespace tallowin::fake {

// One item of a query result: its properties by name. A property that is not
// listed fails to read like a missing member.
using Item = std::map<std::string, HostValue, std::less<>>;

struct MessageBoxCall {
    std::string prompt;
    std::int32_t style = 0;
    std::optional<std::string> title;

    friend bool operator==(const MessageBoxCall&, const MessageBoxCall&) = default;
};

class FakeHost final : public Host {
  public:
    FakeHost();
    ~FakeHost() override;
    FakeHost(const FakeHost&) = delete;
    FakeHost& operator=(const FakeHost&) = delete;

    // ---- The facts the host answers.
    // Properties of every network identity object.
    Item& identity();
    // Items answered to one WQL text; a query text with no entry answers an
    // empty collection.
    std::vector<Item>& query(const std::string& wql);
    // When set, only this moniker binds; any other fails with 462 ("The
    // remote server machine does not exist or is unavailable").
    void acceptOnlyMoniker(std::string moniker);
    void setTickCount(std::uint64_t milliseconds);
    void setMessageBoxAnswer(int button);
    // Replaces the default M/D/YYYY short date with a fixed text.
    void setShortDate(std::string text);

    // ---- Failures.
    // Fails the operation with this 0-based position in the log (releases are
    // not counted).
    void failNth(std::size_t position, HostError error);
    // Fails every operation whose log entry equals `operation`.
    void failEvery(const std::string& operation, HostError error);

    // ---- What happened.
    // Operations and releases in order.
    [[nodiscard]] const std::vector<std::string>& log() const;
    // Operations only (what failNth counts).
    [[nodiscard]] std::vector<std::string> operations() const;
    [[nodiscard]] std::size_t objectsAlive() const;
    [[nodiscard]] std::size_t objectsCreated() const;
    [[nodiscard]] const std::vector<MessageBoxCall>& messageBoxes() const;
    void clearLog();

    // ---- Host.
    HostResult<std::unique_ptr<NetworkIdentity>> createNetworkIdentity() override;
    HostResult<std::unique_ptr<WmiService>> bindWmi(std::string_view moniker) override;
    HostResult<std::uint64_t> tickCount() override;
    HostResult<int> messageBox(std::string_view prompt, std::int32_t style,
                               std::optional<std::string_view> title) override;
    HostResult<std::string> shortDate(std::chrono::year_month_day date) override;

    struct State;

  private:
    std::shared_ptr<State> state_;
};

}  // namespace tallowin::fake
