// SPDX-License-Identifier: MIT
// Wall time of a whole provisioning run against the simulated switch, over
// the sum of the waits the script prescribes: its pauses (6500 ms + 500 ms per
// output) and, after the last line, the quiet time that ends the reading of
// the switch's answers (kAnswersQuiet). The script types blind and waits only
// where it must, so the ratio shows what connecting, typing and the rest add
// to the waits: about 1 is the goal.
//
// Then the part of it from the last typed line to the "Setup Complete!" box,
// while the answers are read, over its goal of 0.5 s, against a switch that
// answers at once: at most 1 is the goal.
//
// Vindel dials port 23, so the benchmark first moves into a private network
// namespace of its own (root, or user namespaces).
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <map>
#include <string>

#include "FakeTextField.h"
#include "PrivateNetwork.h"
#include "ScratchDirectory.h"
#include "SimulatedSwitch.h"
#include "common/MainThreadQueue.h"
#include "common/MatrixSetup.h"
#include "net/TIdTelnet.h"
#include "provisioning/HeldDeliveries.h"
#include "provisioning/Provisioning.h"
#include "provisioning/SwitchAnswers.h"
#include "settings/SettingsFile.h"

namespace {

using namespace vindel;
using Clock = std::chrono::steady_clock;

// The main window without its window: the real Telnet client, the answers
// kept and read as the window does, and notices that are closed at once.
// Deliveries run while a notice is open, as they would in the notice box's
// loop.
class HeadlessHost final : public ProvisioningHost {
  public:
    HeadlessHost() {
        client_.OnDataAvailable = [this](TIdTelnet&, const std::u16string& text) {
            answers_.Append(text);
        };
    }
    bool Connected() override { return client_.Connected(); }
    void Connect(const std::u16string& host, std::uint16_t port) override {
        client_.Host = host;
        client_.Port = port;
        client_.Connect();
    }
    void SendCh(char16_t ch) override {
        client_.SendCh(ch);
        last_typed_ = Clock::now();
    }
    std::u16string_view ReadAnswers() override {
        RunHeldDeliveries();
        return answers_.Text();
    }
    void ShowControllerView() override {}
    void ShowNotice(const std::u16string& text) override {
        if (text == u"Setup Complete!")
            complete_shown_ = Clock::now();
        MainThread().CheckSynchronize();
    }
    void ShowDiagram() override {}

    // From the last character typed to the "Setup Complete!" box.
    std::chrono::duration<double> LastLineToBox() const { return complete_shown_ - last_typed_; }

  private:
    TIdTelnet client_;
    SwitchAnswers answers_;
    Clock::time_point last_typed_;
    Clock::time_point complete_shown_;
};

std::map<std::string, double> ratios;
std::map<std::string, double> answer_ratios;
constexpr double kAnswerGoalMs = 500.0;

void Provision(benchmark::State& state, const char* name, const char16_t* model, int inputs,
               int outputs) {
    const double pauses_ms = 6500.0 + 500.0 * outputs + static_cast<double>(kAnswersQuiet.count());
    for (auto _ : state) {
        testing::ScratchDirectory scratch("bench");
        SimulatedSwitch sim({});
        MatrixSetup = {};
        MatrixSetup.ModelName = model;
        MatrixSetup.InputCount = inputs;
        MatrixSetup.OutputCount = outputs;
        testing::FakeTextField address(u"127.0.0.1"), login(u"admin"), password(u"secret");
        WriteNewSettingsFile(address, login, password);

        HeadlessHost host;
        const auto start = Clock::now();
        RunProvisioningScript(host);
        const std::chrono::duration<double> took = Clock::now() - start;
        state.SetIterationTime(took.count());
        ratios[name] = took.count() * 1000.0 / pauses_ms;
        answer_ratios[name] = host.LastLineToBox().count() * 1000.0 / kAnswerGoalMs;
        state.counters["last_line_to_box_ms"] = host.LastLineToBox().count() * 1000.0;
    }
    state.counters["waits_ms"] = pauses_ms;
}

}  // namespace

BENCHMARK_CAPTURE(Provision, sg300_52_50x1, "SG300-52, 50 inputs, 1 output", u"SG300-52", 50, 1)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Provision, sg300_10_4x4, "SG300-10, 4 inputs, 4 outputs", u"SG300-10", 4, 4)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    // Before any thread starts: the namespace is taken by threads made later.
    if (const std::string failure = testing::EnterPrivateNetwork(); !failure.empty()) {
        std::fprintf(stderr, "no private network, so no port 23 of our own: %s\n", failure.c_str());
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::printf("\nwall time / prescribed waits (goal: at most 1.01)\n");
    for (const auto& [name, ratio] : ratios)
        std::printf("  %-40s %.4f\n", name.c_str(), ratio);
    std::printf("\nlast typed line to \"Setup Complete!\" / 0.5 s (goal: at most 1)\n");
    for (const auto& [name, ratio] : answer_ratios)
        std::printf("  %-40s %.4f\n", name.c_str(), ratio);
    return 0;
}
