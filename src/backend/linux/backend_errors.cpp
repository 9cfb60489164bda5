#include "backend_errors.h"

#include <utility>

namespace tallowin::linux_backend::errors {

HostError invalidArgument(std::string detail) {
    return {5, "Invalid procedure call or argument: " + std::move(detail)};
}
HostError noSuchMember() { return {438, "Object doesn't support this property or method"}; }
HostError noSuchComputer() {
    return {462, "The remote server machine does not exist or is unavailable"};
}
HostError unspecified(std::string detail) {
    return {-2147467259, "Unspecified error: " + std::move(detail)};
}
HostError invalidSyntax() { return {-2147221020, "Invalid syntax"}; }
HostError genericFailure(std::string detail) {
    return {-2147217407, "Generic failure: " + std::move(detail)};
}
HostError invalidNamespace() { return {-2147217394, "Invalid namespace"}; }
HostError invalidClass() { return {-2147217392, "Invalid class"}; }
HostError invalidQuery() { return {-2147217385, "Invalid query"}; }

}  // namespace tallowin::linux_backend::errors
