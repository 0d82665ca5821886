// SPDX-License-Identifier: MIT
#include "Transcript.h"

#include <gtest/gtest.h>

namespace vindel {
namespace {

using namespace std::chrono_literals;

ReceivedChunk Chunk(unsigned connection, std::chrono::milliseconds after, std::string bytes) {
    ReceivedChunk chunk;
    chunk.connection = connection;
    chunk.at = chunk.connected_at + after;
    chunk.bytes = std::move(bytes);
    return chunk;
}

TEST(Transcript, ReadableLinesWithThePasswordMasked) {
    const std::vector<ReceivedChunk> record = {
        Chunk(1, 1003ms, "admin\r\nsec"),  // a line split over two reads
        Chunk(1, 1004ms, "ret\r\nconfig\r\n"),
        Chunk(1, 8600ms,
              std::string("\xFF\xFD\x01\xFF\xFA\x18\x00"
                          "dumb\xFF\xF0",
                          13)),
        Chunk(1, 9000ms, "exit\r"),
        Chunk(2, 1000ms, "root\rpw\r"),
    };
    EXPECT_EQ(Transcript(record),
              "Connection 1\n"
              "   1.003 s  > admin\n"
              "   1.004 s  > ******   (password, masked)\n"
              "   1.004 s  > config\n"
              "   8.600 s  [telnet] DO ECHO\n"
              "   8.600 s  [telnet] SB TERMINAL-TYPE IS \"dumb\"\n"
              "   9.000 s  > exit\n"
              "Connection 2\n"
              "   1.000 s  > root\n"
              "   1.000 s  > **   (password, masked)\n");
}

}  // namespace
}  // namespace vindel
