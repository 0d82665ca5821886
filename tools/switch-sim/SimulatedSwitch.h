// SPDX-License-Identifier: MIT
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "ReceivedChunk.h"
#include "SwitchCli.h"
#include "SwitchProfile.h"
#include "UniqueFd.h"

namespace vindel {

// A Telnet server that plays an SG300-series switch well enough for Vindel to
// provision it: the profile's negotiation, and the command line of SwitchCli
// (the account and its login, the prompts, the model's ports, the save). It serves one connection
// at a time on a thread of its own and records every byte it receives.
//
//   SimulatedSwitch sim({.port = 0});        // listening when this returns
//   client.Port = sim.Port();  ...
//   const auto record = sim.Record();        // any time, from any thread
//   sim.Stop();                              // or let the destructor do it
class SimulatedSwitch final {
  public:
    using Clock = ReceivedChunk::Clock;

    struct Options {
        std::string address = "127.0.0.1";  // IPv4, dotted
        std::uint16_t port = 23;            // 0: one the system picks
        SwitchProfile profile = SwitchProfile::Negotiating;
        // How long the slow profile holds back everything it sends.
        std::chrono::milliseconds slow_delay{300};
        // The account, the model, the host name and the firmware's ways.
        SwitchCli::Options cli;
        // How the switch ends a session (the last refused login, a logout):
        // by default it stops sending, still takes what the client types for
        // a moment, then closes; with this, it resets the connection once its
        // last answer has arrived, as a switch does that closes with typed
        // lines still unread.
        bool close_with_reset = false;
        // Called on the switch's thread with each chunk, once it is recorded.
        std::function<void(const ReceivedChunk&)> on_received;
    };

    // Binds and listens, then starts serving. Fails with std::system_error
    // (std::invalid_argument for an address that isn't IPv4 dotted).
    explicit SimulatedSwitch(Options options);
    // Stop().
    ~SimulatedSwitch();
    SimulatedSwitch(const SimulatedSwitch&) = delete;
    SimulatedSwitch& operator=(const SimulatedSwitch&) = delete;

    // Closes the open connection, if any, stops listening and waits for the
    // thread to end. Safe to call again.
    void Stop();
    // Resets the open connection (a RST, not a FIN: a switch that reboots or
    // drops the session) as soon as the switch's thread gets to it, then
    // waits for the next one. Nothing happens while no connection is open.
    // Returns at once; safe from any thread, on_received included.
    void ResetConnection();

    const std::string& Address() const { return options_.address; }
    std::uint16_t Port() const { return port_; }
    SwitchProfile Profile() const { return options_.profile; }

    // Every chunk received so far, over all connections, in order.
    std::vector<ReceivedChunk> Record() const;
    // The same bytes in one string.
    std::string ReceivedBytes() const;
    // The lines the command line has read, Telnet commands taken out, over
    // all connections.
    std::vector<std::string> Lines() const;
    // How many connections have been accepted.
    unsigned Connections() const;
    // How many of them were reset: by ResetConnection, or ended with
    // close_with_reset.
    unsigned Resets() const;
    // The terminal name the last client reported with TERMINAL-TYPE IS.
    std::string TerminalType() const;
    // Why the thread ended early, if it did; empty while all is well.
    std::string Error() const;

  private:
    void Run();
    // Serves one connection until the client closes it, the switch logs out
    // or Stop is called. Returns false on Stop.
    bool Serve(UniqueFd client);
    // Waits until `fd` is readable (or writable with `out`), the stop pipe
    // is or ResetConnection asks, for at most `timeout_ms` (-1: no limit).
    // False on stop.
    bool Wait(int fd, bool out, int timeout_ms, bool& ready) const;

    Options options_;
    UniqueFd listener_;
    std::uint16_t port_ = 0;
    // Stop() writes to it, so that a poll of the thread returns at once.
    UniqueFd stop_read_;
    UniqueFd stop_write_;
    // ResetConnection sets the flag, then wakes the thread through the pipe.
    std::atomic<bool> reset_requested_ = false;
    UniqueFd wake_read_;
    UniqueFd wake_write_;

    mutable std::mutex mutex_;
    std::vector<ReceivedChunk> record_;
    std::vector<std::string> lines_;
    unsigned connections_ = 0;
    unsigned resets_ = 0;
    std::string terminal_type_;
    std::string error_;

    std::mutex stop_mutex_;
    std::thread thread_;  // last: starts once the rest exists
};

}  // namespace vindel
