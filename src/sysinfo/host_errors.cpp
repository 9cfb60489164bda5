#include "host_errors.h"

namespace tallowin::errors {

HostError overflow() { return {6, "Overflow"}; }
HostError outOfMemory() { return {7, "Out of memory"}; }
HostError subscriptOutOfRange() { return {9, "Subscript out of range"}; }
HostError typeMismatch() { return {13, "Type mismatch"}; }
HostError internalError() { return {51, "Internal error"}; }
HostError objectNotSet() { return {91, "Object variable or With block variable not set"}; }
HostError invalidUseOfNull() { return {94, "Invalid use of Null"}; }

}  // namespace tallowin::errors
