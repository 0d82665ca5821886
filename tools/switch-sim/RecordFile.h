// SPDX-License-Identifier: MIT
#pragma once

#include <fstream>
#include <string>

#include "ReceivedChunk.h"

namespace vindel {

// The received bytes as a text file, written as they come, so that a run cut
// short still leaves its record. Each connection starts with a line
// "# connection N"; then one line per chunk: the milliseconds since the
// connect, and the bytes in hex, e.g. "1003 61 64 6d 69 6e 0d 0a".
class RecordFile final {
  public:
    // Fails with std::system_error when the file can't be created.
    explicit RecordFile(const std::string& path);

    void Write(const ReceivedChunk& chunk);

    static std::string Line(const ReceivedChunk& chunk);

  private:
    std::ofstream out_;
    unsigned connection_ = 0;
};

}  // namespace vindel
