// A file reader over a table of paths, for the readers of machine facts:
// a path that the table leaves out does not exist.
#pragma once

#include <cerrno>
#include <map>
#include <optional>
#include <string>
#include <utility>

#include "root_files.h"

namespace tallowin::linux_backend::testing {

// A file's bytes, or nothing for a file that exists but cannot be read, as
// one readable by root alone.
using FileBytes = std::optional<std::string>;
using FileTable = std::map<std::string, FileBytes, std::less<>>;

inline FileReader readerOf(FileTable files) {
    return [files = std::move(files)](std::string_view path) -> std::expected<std::string, int> {
        const auto found = files.find(path);
        if (found == files.end()) {
            return std::unexpected(ENOENT);
        }
        if (!found->second) {
            return std::unexpected(EACCES);
        }
        return *found->second;
    };
}

inline const FileBytes kUnreadable = std::nullopt;

}  // namespace tallowin::linux_backend::testing
