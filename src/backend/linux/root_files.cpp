#include "root_files.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace tallowin::linux_backend {
namespace {

// An open file descriptor, closed when it goes out of scope.
class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) noexcept : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    [[nodiscard]] int get() const noexcept { return fd_; }

  private:
    int fd_;
};

}  // namespace

std::expected<std::string, int> readRootFileOrError(const std::filesystem::path& root,
                                                    std::string_view relativePath,
                                                    std::size_t limit) {
    const std::filesystem::path path = root / relativePath;
    // Non-blocking, so that a pipe put where a file should be answers
    // nothing at once instead of waiting for a writer.
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (file.get() < 0) {
        return std::unexpected(errno);
    }
    // Files under /proc and /sys report no size, so read until the end.
    std::string bytes(limit, '\0');
    std::size_t filled = 0;
    while (filled < limit) {
        const ssize_t got = ::read(file.get(), bytes.data() + filled, limit - filled);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return std::unexpected(errno);
        }
        if (got == 0) {
            break;
        }
        filled += static_cast<std::size_t>(got);
    }
    bytes.resize(filled);
    return bytes;
}

std::optional<std::string> readRootFile(const std::filesystem::path& root,
                                        std::string_view relativePath, std::size_t limit) {
    auto bytes = readRootFileOrError(root, relativePath, limit);
    if (!bytes) {
        return std::nullopt;
    }
    return std::move(*bytes);
}

bool meansMissing(int error) noexcept { return error == ENOENT || error == ENOTDIR; }

FileReader rootFileReader(std::filesystem::path root) {
    return [root = std::move(root)](std::string_view relativePath) {
        return readRootFileOrError(root, relativePath);
    };
}

}  // namespace tallowin::linux_backend
