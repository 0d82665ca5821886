// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <functional>
#include <string_view>

#include "provisioning/ProvisioningHost.h"

namespace vindel {

// Blocks the calling thread; the script's pauses go through it.
using Sleeper = std::function<void(std::chrono::milliseconds)>;
void SleepFor(std::chrono::milliseconds pause);

// Types one line: the text in the 8-bit code page, each byte handed over as a
// 16-bit character (sign-extended, so 0xE9 goes as U+FFE9), then a carriage
// return. Raises "Connection Closed Gracefully." when the connection is no
// longer open, rather than typing into nothing.
void TypeLine(ProvisioningHost& host, std::u16string_view text);

// Provisions the switch from the settings file: re-reads it into
// MatrixSetup, connects to port 23, logs in and types the VLAN and port
// lines with fixed pauses, saves the configuration, reports "Setup
// Complete!", marks the settings file and shows the diagram window. Returns
// at once while a connection is open. Counts that the switch's tables can't
// cover are refused before connecting. The connection stays open afterwards.
//
// The typing is blind: nothing the switch sends changes what is typed or
// when. Only after the last line are its answers read (ReadAnswers); where
// they show a refused login or a rejected command (AnswerJudge), that is
// raised as ESwitchRefusal instead of "Setup Complete!". So is a refused
// login that made the switch close the connection amid the script.
void RunProvisioningScript(ProvisioningHost& host, const Sleeper& sleep = SleepFor);

}  // namespace vindel
