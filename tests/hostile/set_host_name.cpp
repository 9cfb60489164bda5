// Sets the host name of the caller's UTS namespace to the bytes of its one
// argument, exactly as given: unlike hostname(1), it lets a test give the
// machine a name that is not valid UTF-8. Meant to run inside a private UTS
// namespace only.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: set_host_name NAME\n");
        return 2;
    }
    if (sethostname(argv[1], std::strlen(argv[1])) != 0) {
        std::fprintf(stderr, "set_host_name: %s\n", std::strerror(errno));
        return 1;
    }
    return 0;
}
