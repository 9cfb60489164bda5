// The moniker check on any moniker and any computer name. It accepts
// exactly the local namespace moniker of that computer, the name in any
// letter case and whatever characters it holds, and every refusal carries an
// error number and a description.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "fuzz_input.h"
#include "moniker.h"
#include "text.h"

namespace {

using tallowin::fuzz::FuzzInput;
using tallowin::fuzz::require;
using tallowin::linux_backend::checkMoniker;
using tallowin::linux_backend::equalsIgnoringCase;

constexpr std::string_view kPrefix = R"(winmgmts:{impersonationLevel=impersonate}!\\)";
constexpr std::string_view kNamespace = R"(\root\cimv2)";

std::string swapCase(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        } else if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const std::string computer = input.text(64);
    const std::string moniker = input.rest();

    const auto checked = checkMoniker(moniker, computer);
    if (checked) {
        std::string_view middle = moniker;
        require(middle.starts_with(kPrefix) && middle.ends_with(kNamespace),
                "an accepted moniker has the local namespace shape");
        middle.remove_prefix(kPrefix.size());
        middle.remove_suffix(kNamespace.size());
        require(equalsIgnoringCase(middle, computer), "an accepted moniker names this computer");
    } else {
        require(checked.error().number != 0 && !checked.error().description.empty(),
                "a refusal says why");
    }

    if (!computer.empty()) {
        const std::string own = std::string(kPrefix) + computer + std::string(kNamespace);
        require(checkMoniker(own, computer).has_value(), "this computer's moniker binds");
        const std::string other =
            std::string(kPrefix) + swapCase(computer) + std::string(kNamespace);
        require(checkMoniker(other, computer).has_value(), "in any letter case");
    }
    return 0;
}
