// SPDX-License-Identifier: MIT
#include "net/HostAddress.h"

#include "net/Socket.h"

namespace vindel {
namespace {

constexpr std::uint32_t kLoopback = 0x7F000001;  // 127.0.0.1

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
        return kLoopback;
    return std::nullopt;
}

std::uint32_t ResolveIPv4(std::u16string_view host) {
    if (auto literal = LiteralIPv4(host))
        return *literal;
    return Socket::LookupIPv4(host);
}

}  // namespace vindel
