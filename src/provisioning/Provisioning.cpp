// SPDX-License-Identifier: MIT
#include "provisioning/Provisioning.h"

#include <thread>
#include <vector>

#include "catalogue/CommandTables.h"
#include "common/CodePage.h"
#include "common/Exception.h"
#include "common/MatrixSetup.h"
#include "common/Text.h"
#include "net/EIdException.h"
#include "provisioning/AnswerJudge.h"
#include "settings/SettingsFile.h"

namespace vindel {
namespace {

using std::chrono::milliseconds;

constexpr std::uint16_t kTelnetPort = 23;
constexpr std::int64_t kMostInputs = kVlanSlots;
constexpr std::int64_t kMostPorts = kInterfaceSlots;

// Counts beyond the command tables (a hand-edited settings file can hold
// them) are refused in plain words before anything is typed.
void CheckCounts(const TMatrixSetup& setup) {
    const std::int64_t inputs = setup.InputCount;
    const std::int64_t outputs = setup.OutputCount;
    if (inputs >= 0 && inputs <= kMostInputs && outputs >= 0 && inputs + outputs <= kMostPorts) {
        return;
    }
    throw Exception(u"The setup asks for " + DecimalText(inputs) + u" input ports and " +
                    DecimalText(outputs) + u" output ports, but the switch takes 0 to " +
                    DecimalText(kMostInputs) + u" input ports and at most " +
                    DecimalText(kMostPorts) + u" input and output ports together");
}

void ThrowIfRefused(const AnswerVerdict& verdict) {
    if (verdict.kind != AnswerVerdict::Kind::None)
        throw ESwitchRefusal(verdict.Text());
}

}  // namespace

void SleepFor(milliseconds pause) {
    std::this_thread::sleep_for(pause);
}

void TypeLine(ProvisioningHost& host, std::u16string_view text) {
    if (!host.Connected()) {
        throw EIdConnClosedGracefully(u"Connection Closed Gracefully.");
    }
    for (const char byte : ToAnsi(text)) {
        // Deliberate: each byte goes over as a signed char widened to 16 bits,
        // so 0x80 to 0xFF reach the client as 0xFF80 to 0xFFFF (and are sent
        // as "?"); switches have always received exactly that.
        host.SendCh(
            static_cast<char16_t>(static_cast<std::int16_t>(static_cast<signed char>(byte))));
    }
    host.SendCh(13);
}

void RunProvisioningScript(ProvisioningHost& host, const Sleeper& sleep) {
    if (host.Connected())
        return;
    host.ShowControllerView();
    host.ShowNotice(u"Please watting few minute!");
    LoadMatrixSetup();
    CheckCounts(MatrixSetup);
    host.Connect(MatrixSetup.HostAddress, kTelnetPort);

    // Every line typed, in order, so that the judge can name the one that
    // drew an error.
    std::vector<std::u16string> typed;
    const auto type = [&](std::u16string_view line) {
        typed.emplace_back(line);
        TypeLine(host, line);
    };
    try {
        sleep(milliseconds(1000));
        type(MatrixSetup.LoginName);
        type(MatrixSetup.LoginPassword);
        type(ConfigCommand);
        const auto inputs = static_cast<std::size_t>(MatrixSetup.InputCount);
        const auto outputs = static_cast<std::size_t>(MatrixSetup.OutputCount);
        for (std::size_t i = 0; i < inputs; ++i) {
            type(VlanCommands()[i]);
        }
        for (std::size_t i = 0; i < inputs; ++i) {
            type(InterfaceCommands()[i]);
            type(NativeVlanCommands()[i]);
        }
        // Every output takes the first input's VLAN.
        for (std::size_t p = inputs; p < inputs + outputs; ++p) {
            type(InterfaceCommands()[p]);
            type(NativeVlanCommands()[0]);
            sleep(milliseconds(500));
        }
        type(ExitCommand);
        type(ExitCommand);
        type(SaveConfigCommand);
        sleep(milliseconds(500));
        type(ConfirmAnswer);
        sleep(milliseconds(5000));
        type(ConfigCommand);
    } catch (const EIdException&) {
        // The connection ended or failed amid the script: where the answers
        // that came before already say why, that is what the operator reads.
        ThrowIfRefused(AnswerJudge(std::move(typed)).Judge(host.ReadAnswers()));
        throw;
    }
    ThrowIfRefused(AnswerJudge(std::move(typed)).Judge(host.ReadAnswers()));

    host.ShowNotice(u"Setup Complete!");
    MarkSetupComplete();
    host.ShowDiagram();
}

}  // namespace vindel
