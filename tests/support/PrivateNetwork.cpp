// SPDX-License-Identifier: MIT
#include "PrivateNetwork.h"

#include <net/if.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>

namespace vindel::testing {
namespace {

bool WriteFile(const char* path, const std::string& text) {
    std::ofstream out(path);
    out << text;
    return bool(out.flush());
}

}  // namespace

std::string EnterPrivateNetwork() {
    if (unshare(CLONE_NEWNET) != 0) {
        const uid_t uid = getuid();
        const gid_t gid = getgid();
        if (unshare(CLONE_NEWUSER | CLONE_NEWNET) != 0)
            return std::string("unshare: ") + std::strerror(errno);
        if (!WriteFile("/proc/self/setgroups", "deny") ||
            !WriteFile("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1") ||
            !WriteFile("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1"))
            return "cannot map the user namespace";
    }
    const int s = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    ifreq lo{};
    std::strncpy(lo.ifr_name, "lo", IFNAMSIZ - 1);
    const bool up = s >= 0 && ioctl(s, SIOCGIFFLAGS, &lo) == 0 &&
                    (lo.ifr_flags = short(lo.ifr_flags | IFF_UP), ioctl(s, SIOCSIFFLAGS, &lo) == 0);
    if (s >= 0)
        close(s);
    return up ? "" : "cannot bring up the loopback";
}

bool RealPeersRequired() {
    const char* require = std::getenv("VINDEL_REQUIRE_REAL_PEERS");
    return require != nullptr && std::string(require) == "1";
}

}  // namespace vindel::testing
