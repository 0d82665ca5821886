// SPDX-License-Identifier: MIT
// Throughput of Vindel's option parser against libtelnet's on the same byte
// streams, cut into the same 32 KiB deliveries, each parser collecting data
// and replies into strings. Prints the ratio per stream at the end of the run:
// above 1 means Vindel's parser is the faster.
#include <benchmark/benchmark.h>

#include <cstddef>
// libtelnet.h needs size_t declared first.
#include <libtelnet.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "net/TelnetConnection.h"
#include "net/TelnetOptionParser.h"

namespace {

using vindel::TelnetOptionParser;
using vindel::TIdTelnetState;

constexpr std::size_t kStreamSize = 1u << 20;
constexpr std::size_t kDelivery = vindel::TelnetConnection::RecvBufferSize;

std::string PlainStream() {
    std::mt19937 random(1);
    std::string s;
    while (s.size() < kStreamSize) {
        const std::size_t line = 20 + random() % 60;
        for (std::size_t i = 0; i < line; ++i)
            s.push_back(static_cast<char>(' ' + random() % 95));
        s += "\r\n";
    }
    return s;
}

// Binary-looking data where about one byte in four is 255, sent as IAC IAC.
std::string IacDenseStream() {
    std::mt19937 random(2);
    std::string s;
    while (s.size() < kStreamSize) {
        if (random() % 4 == 0)
            s += "\xff\xff";
        else
            s.push_back(static_cast<char>(random() % 255));
    }
    return s;
}

// What a chatty server sends while it negotiates: requests, terminal-type
// SENDs, go-aheads and little data.
std::string NegotiationStream() {
    const std::string round = std::string(
        "\xff\xfd\x18\xff\xfb\x01\xff\xfb\x03\xff\xfd\x1f\xff\xfd\x01\xff\xfe\x01\xff\xfc\x01"
        "\xff\xfa\x18\x01\xff\xf0\xff\xfb\x19\xff\xfd\x20\xff\xf9ok\r\n\xff\xfa\x1f\x00\x50"
        "\x00\x18\xff\xf0",
        49);
    std::string s;
    while (s.size() < kStreamSize)
        s += round;
    return s;
}

struct Sink final : TelnetOptionParser::Events {
    std::string replies;
    void Reply(std::string_view bytes) override { replies.append(bytes); }
    void TelnetCommand(vindel::TIdTelnetCommand) override {}
};

// One pass over the stream as the client makes it: a parser per delivery,
// the state carried over.
void ParseWithVindel(const std::string& stream, std::string& data, Sink& sink) {
    TIdTelnetState state = TIdTelnetState::tnsDATA;
    bool iam_telnet = false;
    std::u16string terminal = u"dumb";
    for (std::size_t at = 0; at < stream.size(); at += kDelivery) {
        TelnetOptionParser parser(state, iam_telnet, terminal, sink);
        parser.Parse(std::string_view(stream).substr(at, kDelivery), data);
    }
}

struct LibtelnetSink {
    std::string* data;
    std::string* replies;
};

void LibtelnetEvent(telnet_t* telnet, telnet_event_t* event, void* user) {
    auto* sink = static_cast<LibtelnetSink*>(user);
    switch (event->type) {
        case TELNET_EV_DATA:
            sink->data->append(event->data.buffer, event->data.size);
            break;
        case TELNET_EV_SEND:
            sink->replies->append(event->data.buffer, event->data.size);
            break;
        case TELNET_EV_TTYPE:
            if (event->ttype.cmd == TELNET_TTYPE_SEND)
                telnet_ttype_is(telnet, "dumb");
            break;
        default:
            break;
    }
}

// The same options as Vindel's reply table accepts.
const telnet_telopt_t kOptions[] = {
    {TELNET_TELOPT_ECHO, TELNET_WILL, TELNET_DO},
    {TELNET_TELOPT_TTYPE, TELNET_WILL, TELNET_DONT},
    {TELNET_TELOPT_EOR, TELNET_WONT, TELNET_DO},
    {-1, 0, 0},
};

void ParseWithLibtelnet(const std::string& stream, std::string& data, std::string& replies) {
    LibtelnetSink sink{&data, &replies};
    telnet_t* telnet = telnet_init(kOptions, LibtelnetEvent, 0, &sink);
    for (std::size_t at = 0; at < stream.size(); at += kDelivery)
        telnet_recv(telnet, stream.data() + at, std::min(kDelivery, stream.size() - at));
    telnet_free(telnet);
}

void BM_Vindel(benchmark::State& state, const std::string* stream) {
    std::string data;
    Sink sink;
    for (auto _ : state) {
        data.clear();
        sink.replies.clear();
        ParseWithVindel(*stream, data, sink);
        benchmark::DoNotOptimize(data.data());
        benchmark::DoNotOptimize(sink.replies.data());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations() * stream->size()));
}

void BM_Libtelnet(benchmark::State& state, const std::string* stream) {
    std::string data;
    std::string replies;
    for (auto _ : state) {
        data.clear();
        replies.clear();
        ParseWithLibtelnet(*stream, data, replies);
        benchmark::DoNotOptimize(data.data());
        benchmark::DoNotOptimize(replies.data());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations() * stream->size()));
}

// Keeps each benchmark's time per pass (the median when repeated) for the
// ratio table.
class RatioReporter final : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred)
                continue;
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.run_type == Run::RT_Iteration && !seconds_.count(run.run_name.str()))
                seconds_[run.run_name.str()] = run.real_accumulated_time / double(run.iterations);
            else if (median)
                seconds_[run.run_name.str()] = run.real_accumulated_time / double(run.iterations);
        }
    }

    double Seconds(const std::string& name) const {
        const auto found = seconds_.find(name);
        return found == seconds_.end() ? 0 : found->second;
    }

  private:
    std::map<std::string, double> seconds_;
};

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::pair<std::string, std::string>> streams = {
        {"plain", PlainStream()},
        {"iac_dense", IacDenseStream()},
        {"negotiation", NegotiationStream()},
    };
    // Both parsers must do the same work: the same data out of each stream.
    for (const auto& [name, stream] : streams) {
        std::string ours, theirs, replies;
        Sink sink;
        ParseWithVindel(stream, ours, sink);
        ParseWithLibtelnet(stream, theirs, replies);
        if (ours != theirs) {
            std::fprintf(stderr, "the parsers disagree on the data of stream %s\n", name.c_str());
            return 1;
        }
    }
    for (const auto& [name, stream] : streams) {
        benchmark::RegisterBenchmark(("parse/" + name + "/vindel").c_str(), BM_Vindel, &stream);
        benchmark::RegisterBenchmark(("parse/" + name + "/libtelnet").c_str(), BM_Libtelnet,
                                     &stream);
    }
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    std::printf("\nthroughput ratio, vindel / libtelnet (above 1: vindel faster)\n");
    for (const auto& [name, stream] : streams) {
        const double ours = reporter.Seconds("parse/" + name + "/vindel");
        const double theirs = reporter.Seconds("parse/" + name + "/libtelnet");
        if (ours > 0 && theirs > 0)
            std::printf("  %-12s %6.2f\n", name.c_str(), theirs / ours);
    }
    return 0;
}
