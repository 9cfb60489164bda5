// The os-release reader on any file text, and the caption chosen from it
// whatever state the two os-release files are in. Names read are shell
// names, no value spans a line, and the caption is never empty, never ends
// in a blank, and comes from the first file that exists alone.
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <expected>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "fuzz_input.h"
#include "os_release.h"
#include "text.h"

namespace {

using tallowin::fuzz::FuzzInput;
using tallowin::fuzz::require;
using namespace tallowin::linux_backend;

bool isShellName(std::string_view name) {
    if (name.empty() || (name.front() >= '0' && name.front() <= '9')) return false;
    for (char c : name) {
        const bool ok =
            (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
        if (!ok) return false;
    }
    return true;
}

// What a state of one file reads as: its text, missing, or unreadable.
std::expected<std::string, int> fileIn(std::size_t state, const std::string& text) {
    switch (state) {
        case 0:
            return std::unexpected(ENOENT);
        case 1:
            return std::unexpected(EACCES);
        default:
            return text;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const std::size_t etcState = input.below(4);
    const std::size_t usrState = input.below(4);
    const std::string usrText = input.text(128);
    const std::string etcText = input.rest();

    const auto fields = parseOsRelease(etcText);
    for (const auto& [name, value] : fields) {
        require(isShellName(name), "every name read is a shell name");
        require(value.find('\n') == std::string::npos, "no value spans a line");
    }

    const auto etc = fileIn(etcState, etcText);
    const auto usr = fileIn(usrState, usrText);
    const FileReader read = [&](std::string_view path) {
        if (path == "etc/os-release") return etc;
        if (path == "usr/lib/os-release") return usr;
        require(false, "only the two os-release files are read");
        return std::expected<std::string, int>{std::unexpected(ENOENT)};
    };
    const std::string caption = operatingSystemCaption(read);
    require(!caption.empty(), "the caption is never empty");
    require(trimTrailingBlanks(caption) == caption, "the caption never ends in a blank");

    // The first file that exists is used alone.
    const auto& used = etcState == 0 ? usr : etc;
    const bool exists = etcState != 0 || usrState != 0;
    if (!exists || !used) {
        require(caption == "Linux", "no readable file gives \"Linux\"");
        return 0;
    }
    const auto usedFields = parseOsRelease(*used);
    bool named = false;
    for (const char* name : {"PRETTY_NAME", "NAME"}) {
        const auto found = usedFields.find(name);
        if (found == usedFields.end() || trimBlanks(found->second).empty()) continue;
        require(caption == trimTrailingBlanks(found->second), "PRETTY_NAME, else NAME");
        named = true;
        break;
    }
    if (!named) require(caption == "Linux", "a file naming nothing gives \"Linux\"");
    return 0;
}
