#include "root_files.h"

#include <fstream>

namespace tallowin::linux_backend {

std::optional<std::string> readRootFile(const std::filesystem::path& root,
                                        std::string_view relativePath, std::size_t limit) {
    std::ifstream file(root / relativePath, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    // Files under /proc and /sys report no size, so read until the end.
    std::string bytes(limit, '\0');
    file.read(bytes.data(), static_cast<std::streamsize>(limit));
    if (file.bad()) {
        return std::nullopt;
    }
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    return bytes;
}

}  // namespace tallowin::linux_backend
