// SPDX-License-Identifier: MIT
// Start-up of the real program, timed from outside: from the start of its
// process to its main window being mapped on the X server, and the peak
// memory of the process by then. Nothing in the program knows it is timed.
//
// Run it on an X display of its own, with no window manager, naming the
// programs to compare; without any, it compares the Vindel of its own build
// with a bare Qt window of the same size (BareQtWindow.cpp), the yardstick
// of the goal: each ratio at most 1.1; and with that window showing one
// line of text, which sets up Qt's font system as any window with text does:
// Vindel's ratios to it are what Vindel adds to that.
//
//   xvfb-run -a -s "-screen 0 1280x800x24" build/ci/bench/startup_bench
//     --benchmark_repetitions=9 --benchmark_enable_random_interleaving=true
//     [build/ci/Vindel OTHER/Vindel]
//
// (one command line). At the end it prints the medians of all runs of each
// program, and the ratios of the first program's to every other's.
//
// Each run starts in an empty working directory, so no settings file is read.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ScratchDirectory.h"

namespace {

using Clock = std::chrono::steady_clock;

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename Reply>
using ReplyPtr = std::unique_ptr<Reply, FreeReply>;

// The X server, watching for windows mapped on its root window.
class Display final {
  public:
    Display() : connection_(xcb_connect(nullptr, nullptr)) {
        if (xcb_connection_has_error(connection_) != 0)
            return;
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, root, XCB_CW_EVENT_MASK, &mask);
        const char name[] = "_NET_WM_PID";
        const ReplyPtr<xcb_intern_atom_reply_t> atom(xcb_intern_atom_reply(
            connection_, xcb_intern_atom(connection_, 0, sizeof name - 1, name), nullptr));
        pid_atom_ = atom != nullptr ? atom->atom : xcb_atom_t{XCB_ATOM_NONE};
        xcb_flush(connection_);
    }
    ~Display() { xcb_disconnect(connection_); }
    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;

    bool Connected() const { return xcb_connection_has_error(connection_) == 0; }

    // Waits until a window of the process is mapped; false after the limit.
    bool WaitForWindowOf(pid_t process, std::chrono::milliseconds limit) {
        const Clock::time_point end = Clock::now() + limit;
        while (Clock::now() < end) {
            while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
                const bool mapped = (event->response_type & 0x7F) == XCB_MAP_NOTIFY;
                const xcb_window_t window =
                    mapped ? reinterpret_cast<xcb_map_notify_event_t*>(event)->window : 0;
                std::free(event);
                if (mapped && PidOf(window) == process)
                    return true;
            }
            pollfd fd{xcb_get_file_descriptor(connection_), POLLIN, 0};
            (void)poll(&fd, 1, 10);
        }
        return false;
    }

  private:
    pid_t PidOf(xcb_window_t window) {
        const ReplyPtr<xcb_get_property_reply_t> reply(xcb_get_property_reply(
            connection_,
            xcb_get_property(connection_, 0, window, pid_atom_, XCB_ATOM_CARDINAL, 0, 1), nullptr));
        if (reply == nullptr || reply->format != 32 ||
            xcb_get_property_value_length(reply.get()) != 4)
            return 0;
        return static_cast<pid_t>(
            *static_cast<std::uint32_t*>(xcb_get_property_value(reply.get())));
    }

    xcb_connection_t* connection_;
    xcb_atom_t pid_atom_ = XCB_ATOM_NONE;
};

// Every run of each program, for the medians at the end.
struct Runs {
    std::vector<double> seconds;
    std::vector<double> peak_kib;
};
std::map<std::string, Runs>& AllRuns() {
    static std::map<std::string, Runs> runs;
    return runs;
}

double Median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// The peak resident memory of a running process so far, in KiB.
double PeakKiB(pid_t process) {
    std::ifstream status("/proc/" + std::to_string(process) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("VmHWM:"))
            return std::strtod(line.c_str() + 6, nullptr);
    }
    return 0;
}

void Startup(benchmark::State& state, const std::string& program) {
    static Display display;
    if (!display.Connected()) {
        state.SkipWithError("no X display: run under xvfb-run");
        return;
    }
    const vindel::testing::ScratchDirectory scratch("startup-bench");
    Runs& runs = AllRuns()[program];
    double peak = 0;
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        const pid_t child = fork();
        if (child == 0) {
            // Quiet, on the benchmark's display.
            const int quiet = open("/dev/null", O_WRONLY);
            dup2(quiet, STDOUT_FILENO);
            dup2(quiet, STDERR_FILENO);
            ::setenv("QT_QPA_PLATFORM", "xcb", 1);
            execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        const bool shown = child > 0 && display.WaitForWindowOf(child, std::chrono::seconds(20));
        const std::chrono::duration<double> elapsed = Clock::now() - start;
        double childPeak = 0;
        if (child > 0) {
            childPeak = PeakKiB(child);
            peak += childPeak;
            kill(child, SIGKILL);
            waitpid(child, nullptr, 0);
        }
        if (!shown) {
            state.SkipWithError(("no main window from " + program).c_str());
            return;
        }
        state.SetIterationTime(elapsed.count());
        runs.seconds.push_back(elapsed.count());
        runs.peak_kib.push_back(childPeak);
    }
    state.counters["peak_KiB"] = benchmark::Counter(peak / static_cast<double>(state.iterations()));
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    std::vector<std::string> programs;
    for (int i = 1; i < argc; ++i)
        programs.push_back(std::filesystem::absolute(argv[i]).string());
    if (programs.empty()) {
        programs.emplace_back(VINDEL_PROGRAM);
        programs.emplace_back(VINDEL_BARE_WINDOW);
        programs.emplace_back(VINDEL_TEXT_WINDOW);
    }
    for (const std::string& program : programs) {
        benchmark::RegisterBenchmark(("Startup/" + program).c_str(), Startup, program)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond)
            ->Iterations(5);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    // Side by side: the medians of every run, and the first program's ratios.
    const Runs& first = AllRuns()[programs.front()];
    std::printf("\n%-60s %12s %12s\n", "median of all runs", "shown (ms)", "peak (KiB)");
    for (const std::string& program : programs) {
        const Runs& runs = AllRuns()[program];
        std::printf("%-60s %12.1f %12.0f\n", program.c_str(), Median(runs.seconds) * 1000,
                    Median(runs.peak_kib));
    }
    for (std::size_t i = 1; i < programs.size(); ++i) {
        const Runs& other = AllRuns()[programs[i]];
        if (Median(other.seconds) <= 0 || Median(other.peak_kib) <= 0)
            continue;
        std::printf("ratio %s / %s: time %.2f, memory %.2f\n",
                    std::filesystem::path(programs.front()).filename().c_str(),
                    std::filesystem::path(programs[i]).filename().c_str(),
                    Median(first.seconds) / Median(other.seconds),
                    Median(first.peak_kib) / Median(other.peak_kib));
    }
    if (programs.size() > 1)
        std::printf("goal: each ratio of Vindel to the bare window at most 1.1\n");
    return 0;
}
