// A program started for one measured run. The object owns the process: it is
// killed and reaped when the object goes, so no run leaves a program behind.
#pragma once

#include <sys/types.h>

#include <expected>
#include <optional>
#include <string>
#include <vector>

namespace tallowin::bench {

class ChildProcess {
  public:
    // Starts argv[0] (searched on PATH) with argv and the watcher's own
    // environment. The program's output goes to /dev/null unless showOutput.
    [[nodiscard]] static std::expected<ChildProcess, std::string> spawn(
        const std::vector<std::string>& argv, bool showOutput);

    ChildProcess(ChildProcess&& other) noexcept;
    ChildProcess& operator=(ChildProcess&& other) noexcept;
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    ~ChildProcess();

    [[nodiscard]] pid_t pid() const { return pid_; }

    // The process's wait status once it has ended on its own; nothing while
    // it still runs. Reaps the process when it has ended.
    [[nodiscard]] std::optional<int> endedStatus();

    // Kills the process (SIGKILL) and waits for it to end.
    void stop();

  private:
    explicit ChildProcess(pid_t pid) : pid_(pid) {}

    pid_t pid_ = -1;
    std::optional<int> status_;
};

// "exit status N" or "killed by signal N" for a wait status.
[[nodiscard]] std::string describeWaitStatus(int status);

}  // namespace tallowin::bench
