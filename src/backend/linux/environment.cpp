#include "environment.h"

namespace tallowin::linux_backend {

Environment completed(Environment environment) {
    if (environment.root.empty()) {
        environment.root = "/";
    }
    if (!environment.names) {
        environment.names = makeSystemNameSource();
    }
    if (!environment.interfaces) {
        environment.interfaces = makeSystemInterfaceSource();
    }
    if (!environment.bootClock) {
        environment.bootClock = bootClockMilliseconds;
        environment.procUptimeIsBootClock = procUptimeIsTheBootClock(environment.root);
    }
    return environment;
}

}  // namespace tallowin::linux_backend
