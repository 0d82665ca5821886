// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// How the client turns its Host setting into an IPv4 address.
namespace vindel {

// The address a Host stands for without a lookup, in host byte order: four
// integers from 0 to 255 separated by dots, or "LOCALHOST" in any letter case
// for 127.0.0.1. Anything else gives nothing and must be looked up.
std::optional<std::uint32_t> LiteralIPv4(std::u16string_view host);

// LiteralIPv4, else the first IPv4 stream address of a name lookup. Raises
// EIdSocketError (11001 "Host not found." for an unknown name).
std::uint32_t ResolveIPv4(std::u16string_view host);

}  // namespace vindel
