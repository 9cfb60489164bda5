// Reads the machine's files below a root folder: with the root "/" the file
// "proc/uptime" is /proc/uptime; tests point the root at a fixture tree.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tallowin::linux_backend {

// The file's bytes, at most `limit` of them, or nothing when it cannot be
// opened or read.
[[nodiscard]] std::optional<std::string> readRootFile(const std::filesystem::path& root,
                                                      std::string_view relativePath,
                                                      std::size_t limit = 64 * 1024);

}  // namespace tallowin::linux_backend
