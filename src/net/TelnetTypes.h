// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

// The Telnet codes (RFC 854) and option numbers the client handles by number,
// and the two enumerations of its interface.
namespace vindel {

namespace telnet {
inline constexpr std::uint8_t IAC = 255;
inline constexpr std::uint8_t DONT = 254;
inline constexpr std::uint8_t DO = 253;
inline constexpr std::uint8_t WONT = 252;
inline constexpr std::uint8_t WILL = 251;
inline constexpr std::uint8_t SB = 250;
inline constexpr std::uint8_t SE = 240;

inline constexpr std::uint8_t OptionEcho = 1;           // RFC 857
inline constexpr std::uint8_t OptionTerminalType = 24;  // RFC 1091
inline constexpr std::uint8_t OptionEndOfRecord = 25;   // RFC 885

inline constexpr std::uint8_t TerminalTypeIs = 0;
inline constexpr std::uint8_t TerminalTypeSend = 1;
}  // namespace telnet

// Where the option parser stands between two received bytes. One byte, and it
// carries over from one delivery to the next and across connections.
enum class TIdTelnetState : std::uint8_t {
    tnsDATA = 0,
    tnsIAC = 1,
    tnsIAC_SB = 2,
    tnsIAC_WILL = 3,
    tnsIAC_DO = 4,
    tnsIAC_WONT = 5,
    tnsIAC_DONT = 6,
    tnsIAC_SBIAC = 7,
    tnsIAC_SBDATA = 8,
    tnsSBDATA_IAC = 9,
};

// What OnTelnetCommand is told when the peer negotiates the echo option.
enum class TIdTelnetCommand : std::uint8_t {
    tncNoLocalEcho = 0,
    tncLocalEcho = 1,
    tncEcho = 2,
};

}  // namespace vindel
