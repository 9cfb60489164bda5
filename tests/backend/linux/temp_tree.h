// A folder tree made for one test below the temporary folder and removed
// with everything in it when the test is over.
#pragma once

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace tallowin::linux_backend::testing {

class TempTree {
  public:
    TempTree() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tallowin-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            ADD_FAILURE() << "no temporary folder could be made";
        }
        root_ = pattern;
    }
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;
    ~TempTree() {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }

    [[nodiscard]] const std::filesystem::path& root() const { return root_; }

    // Writes the file at that path below the root, making its folders.
    void write(std::string_view relativePath, std::string_view bytes,
               std::filesystem::perms permissions = std::filesystem::perms::owner_read |
                                                    std::filesystem::perms::owner_write) const {
        const auto path = root_ / relativePath;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        std::filesystem::permissions(path, permissions);
    }

  private:
    std::filesystem::path root_;
};

}  // namespace tallowin::linux_backend::testing
