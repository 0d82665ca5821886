// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vindel {

// What the provisioning script needs of the main window and its Telnet
// client, so that the script runs and is tested without a window.
class ProvisioningHost {
  public:
    virtual ~ProvisioningHost() = default;

    // The Telnet client: open, or still holding received bytes to deliver.
    virtual bool Connected() = 0;
    // Sets host and port and opens the connection; raises on failure.
    virtual void Connect(const std::u16string& host, std::uint16_t port) = 0;
    // Sends one 16-bit character (a carriage return as the client decides).
    virtual void SendCh(char16_t ch) = 0;
    // Lets the deliveries that waited while the script typed run, with those
    // that follow until the switch falls quiet (RunHeldDeliveries), and gives
    // all the switch has said during this run.
    virtual std::u16string_view ReadAnswers() = 0;

    // The main window switches to its controller view.
    virtual void ShowControllerView() = 0;
    // The modal notice box; returns when the operator has closed it.
    virtual void ShowNotice(const std::u16string& text) = 0;
    // Shows the diagram window, without waiting for it.
    virtual void ShowDiagram() = 0;
};

}  // namespace vindel
