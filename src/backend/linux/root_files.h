// Reads the machine's files below a root folder: with the root "/" the file
// "proc/uptime" is /proc/uptime; tests point the root at a fixture tree.
#pragma once

#include <cstddef>
#include <expected>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tallowin::linux_backend {

// No file the back end reads is anywhere near this long; a longer one is
// read only this far.
inline constexpr std::size_t kRootFileLimit = std::size_t{64} * 1024;

// The file's bytes, at most `limit` of them, or the system's error number
// when it cannot be opened or read (ENOENT or ENOTDIR when it does not
// exist). Never waits on a pipe or device that has nothing to give.
[[nodiscard]] std::expected<std::string, int> readRootFileOrError(
    const std::filesystem::path& root, std::string_view relativePath,
    std::size_t limit = kRootFileLimit);

// As readRootFileOrError, without the reason of a failure.
[[nodiscard]] std::optional<std::string> readRootFile(const std::filesystem::path& root,
                                                      std::string_view relativePath,
                                                      std::size_t limit = kRootFileLimit);

// True for the error numbers that mean the file is not there at all.
[[nodiscard]] bool meansMissing(int error) noexcept;

// Reads one of the machine's files by its path relative to the root. The
// readers of firmware and release facts take one, so that tests can make a
// single file fail as a file readable by root alone does.
using FileReader = std::function<std::expected<std::string, int>(std::string_view relativePath)>;

// The reader of the files below that root.
[[nodiscard]] FileReader rootFileReader(std::filesystem::path root);

}  // namespace tallowin::linux_backend
