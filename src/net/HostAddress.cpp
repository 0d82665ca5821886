#include "net/HostAddress.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <string>

#include "common/Text.h"
#include "net/SocketErrors.h"

namespace vindel {
namespace {

std::optional<std::uint32_t> DottedQuad(std::u16string_view host) {
    std::uint32_t address = 0;
    int parts = 0;
    std::size_t i = 0;
    for (;;) {
        std::uint32_t value = 0;
        std::size_t digits = 0;
        while (i < host.size() && host[i] >= u'0' && host[i] <= u'9') {
            value = value * 10 + std::uint32_t(host[i] - u'0');
            if (value > 255)
                return std::nullopt;
            ++digits;
            ++i;
        }
        if (digits == 0)
            return std::nullopt;
        address = (address << 8) | value;
        if (++parts == 4)
            return i == host.size() ? std::optional(address) : std::nullopt;
        if (i == host.size() || host[i] != u'.')
            return std::nullopt;
        ++i;
    }
}

bool IsLocalhost(std::u16string_view host) {
    constexpr std::u16string_view kName = u"localhost";
    if (host.size() != kName.size())
        return false;
    for (std::size_t i = 0; i < host.size(); ++i) {
        const char16_t ch = host[i] >= u'A' && host[i] <= u'Z' ? char16_t(host[i] + 32) : host[i];
        if (ch != kName[i])
            return false;
    }
    return true;
}

}  // namespace

std::optional<std::uint32_t> LiteralIPv4(std::u16string_view host) {
    if (auto quad = DottedQuad(host))
        return quad;
    if (IsLocalhost(host))
        return INADDR_LOOPBACK;
    return std::nullopt;
}

std::uint32_t ResolveIPv4(std::u16string_view host) {
    if (auto literal = LiteralIPv4(host))
        return *literal;
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    const std::string name = ToUtf8(host);
    const int result = getaddrinfo(name.c_str(), nullptr, &hints, &found);
    if (result != 0)
        RaiseSocketError(WinsockCodeForLookup(result, errno));
    const std::unique_ptr<addrinfo, decltype(&freeaddrinfo)> owner(found, &freeaddrinfo);
    for (const addrinfo* a = found; a != nullptr; a = a->ai_next) {
        if (a->ai_family == AF_INET && a->ai_addr != nullptr) {
            sockaddr_in in{};
            std::memcpy(&in, a->ai_addr, sizeof in);
            return ntohl(in.sin_addr.s_addr);
        }
    }
    RaiseSocketError(WinsockCodeForLookup(EAI_NONAME, 0));
}

}  // namespace vindel
