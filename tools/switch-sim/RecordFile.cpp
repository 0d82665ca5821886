// SPDX-License-Identifier: MIT
#include "RecordFile.h"

#include <cerrno>
#include <system_error>

namespace vindel {

RecordFile::RecordFile(const std::string& path) : out_(path, std::ios::out | std::ios::trunc) {
    if (!out_)
        throw std::system_error(errno, std::generic_category(), "cannot create " + path);
}

void RecordFile::Write(const ReceivedChunk& chunk) {
    if (chunk.connection != connection_) {
        connection_ = chunk.connection;
        out_ << "# connection " << connection_ << '\n';
    }
    out_ << Line(chunk) << std::flush;
}

std::string RecordFile::Line(const ReceivedChunk& chunk) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string line = std::to_string(chunk.SinceConnect().count());
    for (const char ch : chunk.bytes) {
        const auto b = static_cast<unsigned char>(ch);
        line += ' ';
        line += kHex[b >> 4];
        line += kHex[b & 15];
    }
    line += '\n';
    return line;
}

}  // namespace vindel
