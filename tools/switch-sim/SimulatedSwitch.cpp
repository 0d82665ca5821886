// SPDX-License-Identifier: MIT
#include "SimulatedSwitch.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <linux/sockios.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/socket.h>

#include <cerrno>
#include <deque>
#include <optional>
#include <stdexcept>
#include <system_error>

#include "OptionNegotiator.h"
#include "SwitchCli.h"
#include "TelnetCommandFilter.h"

namespace vindel {
namespace {

using Ms = std::chrono::milliseconds;

// After logging out, how long the switch still takes what the client sends
// before it closes: long enough for a client to see the end of the stream,
// so that it stops writing instead of running into a reset.
constexpr Ms kLogoutLinger{1000};

[[noreturn]] void Fail(const std::string& what) {
    throw std::system_error(errno, std::generic_category(), what);
}

void SetFlags(int fd, bool non_blocking) {
    if (fcntl(fd, F_SETFD, FD_CLOEXEC) != 0)
        Fail("fcntl");
    const int flags = fcntl(fd, F_GETFL);
    if (non_blocking && (flags < 0 || fcntl(fd, F_SETFL, flags | O_NONBLOCK) != 0))
        Fail("fcntl");
}

int MsUntil(ReceivedChunk::Clock::time_point t) {
    const auto left = std::chrono::ceil<Ms>(t - ReceivedChunk::Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

bool Retry(int error) {
    return error == EINTR || error == EAGAIN || error == EWOULDBLOCK;
}

// Whether everything sent has reached the client: a reset throws away what
// is still on its way.
bool AllSentArrived(int fd) {
    int waiting = 0;
    return ioctl(fd, SIOCOUTQ, &waiting) != 0 || waiting == 0;
}

}  // namespace

SimulatedSwitch::SimulatedSwitch(Options options) : options_(std::move(options)) {
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(options_.port);
    if (inet_pton(AF_INET, options_.address.c_str(), &a.sin_addr) != 1)
        throw std::invalid_argument("not an IPv4 address: " + options_.address);

    listener_ = UniqueFd(socket(AF_INET, SOCK_STREAM, 0));
    if (!listener_.Valid())
        Fail("socket");
    // A test that runs again at once must not find port 23 in TIME_WAIT.
    const int one = 1;
    setsockopt(listener_.get(), SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    const std::string where = options_.address + ":" + std::to_string(options_.port);
    if (bind(listener_.get(), reinterpret_cast<const sockaddr*>(&a), sizeof a) != 0)
        Fail("cannot bind " + where);
    if (listen(listener_.get(), 4) != 0)
        Fail("cannot listen on " + where);
    socklen_t length = sizeof a;
    if (getsockname(listener_.get(), reinterpret_cast<sockaddr*>(&a), &length) != 0)
        Fail("getsockname");
    port_ = ntohs(a.sin_port);
    // Non-blocking: a connection that goes between poll and accept must not
    // hold the thread in accept, where Stop can't reach it.
    SetFlags(listener_.get(), true);

    int pipe_ends[2];
    if (pipe(pipe_ends) != 0)
        Fail("pipe");
    stop_read_ = UniqueFd(pipe_ends[0]);
    stop_write_ = UniqueFd(pipe_ends[1]);
    SetFlags(stop_read_.get(), false);
    SetFlags(stop_write_.get(), false);
    if (pipe(pipe_ends) != 0)
        Fail("pipe");
    wake_read_ = UniqueFd(pipe_ends[0]);
    wake_write_ = UniqueFd(pipe_ends[1]);
    // Neither end may block: the thread drains what is there, and a full
    // pipe already wakes it.
    SetFlags(wake_read_.get(), true);
    SetFlags(wake_write_.get(), true);

    thread_ = std::thread([this] { Run(); });
}

SimulatedSwitch::~SimulatedSwitch() {
    Stop();
}

void SimulatedSwitch::Stop() {
    const std::lock_guard lock(stop_mutex_);
    if (!thread_.joinable())
        return;
    const char byte = 's';
    while (write(stop_write_.get(), &byte, 1) < 0 && errno == EINTR) {
    }
    thread_.join();
    listener_.reset();
}

void SimulatedSwitch::ResetConnection() {
    reset_requested_ = true;
    const char byte = 'r';
    while (write(wake_write_.get(), &byte, 1) < 0 && errno == EINTR) {
    }
}

std::vector<ReceivedChunk> SimulatedSwitch::Record() const {
    const std::lock_guard lock(mutex_);
    return record_;
}

std::string SimulatedSwitch::ReceivedBytes() const {
    const std::lock_guard lock(mutex_);
    std::string bytes;
    for (const ReceivedChunk& chunk : record_)
        bytes += chunk.bytes;
    return bytes;
}

std::vector<std::string> SimulatedSwitch::Lines() const {
    const std::lock_guard lock(mutex_);
    return lines_;
}

unsigned SimulatedSwitch::Connections() const {
    const std::lock_guard lock(mutex_);
    return connections_;
}

unsigned SimulatedSwitch::Resets() const {
    const std::lock_guard lock(mutex_);
    return resets_;
}

std::string SimulatedSwitch::TerminalType() const {
    const std::lock_guard lock(mutex_);
    return terminal_type_;
}

std::string SimulatedSwitch::Error() const {
    const std::lock_guard lock(mutex_);
    return error_;
}

bool SimulatedSwitch::Wait(int fd, bool out, int timeout_ms, bool& ready) const {
    pollfd fds[3] = {{fd, short(POLLIN | (out ? POLLOUT : 0)), 0},
                     {stop_read_.get(), POLLIN, 0},
                     {wake_read_.get(), POLLIN, 0}};
    const int n = poll(fds, 3, timeout_ms);
    if (n < 0 && errno != EINTR)
        Fail("poll");
    if (n > 0 && fds[2].revents != 0) {
        char drained[64];
        while (read(wake_read_.get(), drained, sizeof drained) > 0) {
        }
    }
    ready = n > 0 && fds[0].revents != 0;
    return !(n > 0 && fds[1].revents != 0);
}

void SimulatedSwitch::Run() {
    try {
        for (;;) {
            bool ready = false;
            if (!Wait(listener_.get(), false, -1, ready))
                return;
            // A reset asked for while no connection was open is dropped.
            reset_requested_ = false;
            if (!ready)
                continue;
            UniqueFd client(accept(listener_.get(), nullptr, nullptr));
            if (!client.Valid()) {
                if (Retry(errno) || errno == ECONNABORTED)
                    continue;
                Fail("accept");
            }
            SetFlags(client.get(), true);
            if (!Serve(std::move(client)))
                return;
        }
    } catch (const std::exception& e) {
        const std::lock_guard lock(mutex_);
        error_ = e.what();
    }
}

bool SimulatedSwitch::Serve(UniqueFd client) {
    const int fd = client.get();
    const Clock::time_point connected_at = Clock::now();
    unsigned number = 0;
    {
        const std::lock_guard lock(mutex_);
        number = ++connections_;
        terminal_type_.clear();
    }
    const Ms delay = options_.profile == SwitchProfile::Slow ? options_.slow_delay : Ms(0);
    TelnetCommandFilter filter;
    OptionNegotiator negotiator;
    SwitchCli cli(options_.cli);

    // What is to be sent and from when on: the slow profile's delay is kept
    // for each answer on its own, and reading goes on meanwhile, so the
    // record's times stay those of the arrival.
    struct Due {
        Clock::time_point at;
        std::string bytes;
    };
    std::deque<Due> scheduled;
    std::string unsent;
    const auto schedule = [&](Clock::time_point from, std::string bytes) {
        if (!bytes.empty())
            scheduled.push_back({from + delay, std::move(bytes)});
    };
    schedule(connected_at, negotiator.Opening(options_.profile != SwitchProfile::Silent));
    schedule(connected_at, cli.Start());

    std::optional<Clock::time_point> close_at;  // set once logged out and all is sent
    // When the command line's save is over; the far future while it saves nothing.
    constexpr Clock::time_point kNotSaving = Clock::time_point::max();
    Clock::time_point saved_at = kNotSaving;
    const auto take_lines = [this](const std::vector<std::string>& lines) {
        const std::lock_guard lock(mutex_);
        lines_.insert(lines_.end(), lines.begin(), lines.end());
    };
    const auto reset = [&] {
        // Closed with a zero linger time: the client gets a RST.
        const linger abortive{1, 0};
        setsockopt(fd, SOL_SOCKET, SO_LINGER, &abortive, sizeof abortive);
        client.reset();  // sent before it is counted
        const std::lock_guard lock(mutex_);
        ++resets_;
    };
    for (;;) {
        if (reset_requested_.exchange(false)) {
            reset();
            return true;
        }
        if (saved_at != kNotSaving && Clock::now() >= saved_at) {
            SwitchCli::Output out = cli.FinishSave(negotiator.Echoes());
            schedule(saved_at, std::move(out.reply));
            take_lines(out.lines);
            saved_at = cli.CurrentMode() == SwitchCli::Mode::Saving
                           ? Clock::now() + SwitchCli::SaveTime
                           : kNotSaving;
        }
        while (!scheduled.empty() && scheduled.front().at <= Clock::now()) {
            unsent += scheduled.front().bytes;
            scheduled.pop_front();
        }
        if (!unsent.empty()) {
            const ssize_t sent = send(fd, unsent.data(), unsent.size(), MSG_NOSIGNAL);
            if (sent < 0 && !Retry(errno))
                return true;  // the client has gone
            if (sent > 0)
                unsent.erase(0, std::size_t(sent));
        }
        const bool done = cli.Closed() && unsent.empty() && scheduled.empty();
        if (done && options_.close_with_reset && AllSentArrived(fd)) {
            reset();
            return true;
        }
        if (done && !options_.close_with_reset && !close_at) {
            shutdown(fd, SHUT_WR);
            close_at = Clock::now() + kLogoutLinger;
        }
        if (close_at && Clock::now() >= *close_at)
            return true;

        int timeout = -1;
        if (done && options_.close_with_reset)
            timeout = 1;  // until the last answer has arrived
        else if (close_at)
            timeout = MsUntil(*close_at);
        else if (!scheduled.empty())
            timeout = MsUntil(scheduled.front().at);
        if (saved_at != kNotSaving && (timeout < 0 || MsUntil(saved_at) < timeout))
            timeout = MsUntil(saved_at);
        bool ready = false;
        if (!Wait(fd, !unsent.empty(), timeout, ready))
            return false;
        if (!ready)
            continue;

        char buffer[4096];
        const ssize_t got = recv(fd, buffer, sizeof buffer, 0);
        if (got < 0 && Retry(errno))
            continue;  // only writable
        if (got <= 0)
            return true;  // closed by the client
        ReceivedChunk chunk{number, connected_at, Clock::now(),
                            std::string(buffer, std::size_t(got))};
        std::vector<std::string> lines;
        if (!cli.Closed()) {
            TelnetCommandFilter::Result filtered = filter.Feed(chunk.bytes);
            for (const TelnetCommand& command : filtered.commands)
                schedule(chunk.at, negotiator.Handle(command));
            SwitchCli::Output out = cli.Feed(filtered.text, negotiator.Echoes());
            schedule(chunk.at, std::move(out.reply));
            lines = std::move(out.lines);
            if (cli.CurrentMode() == SwitchCli::Mode::Saving && saved_at == kNotSaving)
                saved_at = chunk.at + SwitchCli::SaveTime;
        }
        {
            const std::lock_guard lock(mutex_);
            record_.push_back(chunk);
            terminal_type_ = negotiator.TerminalType();
        }
        take_lines(lines);
        if (options_.on_received)
            options_.on_received(chunk);
    }
}

}  // namespace vindel
