// SPDX-License-Identifier: MIT
#include "RawClient.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>

#include <cerrno>
#include <system_error>

#include "Waiting.h"

namespace vindel::testing {

using Clock = std::chrono::steady_clock;

RawClient::RawClient(std::uint16_t port) : fd_(socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(port);
    if (!fd_.Valid() || connect(fd_.get(), reinterpret_cast<const sockaddr*>(&a), sizeof a) != 0)
        throw std::system_error(errno, std::generic_category(), "connect");
}

void RawClient::Send(std::string_view bytes) const {
    while (!bytes.empty()) {
        const ssize_t sent = send(fd_.get(), bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (sent < 0)
            throw std::system_error(errno, std::generic_category(), "send");
        bytes.remove_prefix(std::size_t(sent));
    }
}

bool RawClient::ReadOnce(int ms, bool& ended) {
    pollfd fd{fd_.get(), POLLIN, 0};
    if (poll(&fd, 1, ms) <= 0)
        return false;
    char buffer[4096];
    const ssize_t got = recv(fd_.get(), buffer, sizeof buffer, 0);
    ended = got <= 0;
    if (ended)
        return false;
    received_.append(buffer, std::size_t(got));
    return true;
}

const std::string& RawClient::ReadUntil(std::string_view needle, Ms limit) {
    const auto deadline = Clock::now() + limit;
    bool ended = false;
    while (received_.find(needle) == std::string::npos && !ended && Clock::now() < deadline)
        ReadOnce(MsLeft(deadline), ended);
    return received_;
}

bool RawClient::ReadToEnd(Ms limit) {
    const auto deadline = Clock::now() + limit;
    bool ended = false;
    while (!ended && Clock::now() < deadline)
        ReadOnce(MsLeft(deadline), ended);
    return ended;
}

}  // namespace vindel::testing
