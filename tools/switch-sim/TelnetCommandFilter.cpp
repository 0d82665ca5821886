// SPDX-License-Identifier: MIT
#include "TelnetCommandFilter.h"

namespace vindel {

TelnetCommandFilter::Result TelnetCommandFilter::Feed(std::string_view bytes) {
    Result result;
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        switch (state_) {
            case State::Data:
                if (b == IAC)
                    state_ = State::Iac;
                else
                    result.text.push_back(ch);
                break;
            case State::Iac:
                pending_ = TelnetCommand{};
                if (b == IAC) {
                    result.text.push_back(ch);
                    state_ = State::Data;
                } else if (b >= WILL) {
                    pending_.verb = b;
                    state_ = State::Option;
                } else if (b == SB) {
                    pending_.verb = b;
                    state_ = State::Sb;
                } else {
                    state_ = State::Data;
                }
                break;
            case State::Option:
                pending_.option = b;
                result.commands.push_back(std::move(pending_));
                state_ = State::Data;
                break;
            case State::Sb:
                pending_.option = b;
                state_ = State::SbData;
                break;
            case State::SbData:
                if (b == IAC)
                    state_ = State::SbIac;
                else
                    pending_.data.push_back(ch);
                break;
            case State::SbIac:
                if (b == IAC) {
                    pending_.data.push_back(ch);
                    state_ = State::SbData;
                } else {
                    // IAC SE ends it; any other command there is malformed,
                    // and a lenient peer takes it as the end as well.
                    result.commands.push_back(std::move(pending_));
                    state_ = State::Data;
                }
                break;
        }
    }
    return result;
}

}  // namespace vindel
