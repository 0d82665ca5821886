// SPDX-License-Identifier: MIT
#include "ScratchDirectory.h"

#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace vindel::testing {

namespace fs = std::filesystem;

namespace {

// Tests of one program may run in parallel, each in a process of its own.
std::string ProcessNumber() {
#ifdef _WIN32
    return std::to_string(::GetCurrentProcessId());
#else
    return std::to_string(::getpid());
#endif
}

fs::path Name(const fs::path& purpose) {
    fs::path name("vindel-");
    name += purpose;
    name += "-" + ProcessNumber();
    return name;
}

}  // namespace

ScratchDirectory::ScratchDirectory(const fs::path& purpose)
    : previous_(fs::current_path()), path_(fs::temp_directory_path() / Name(purpose)) {
    fs::remove_all(path_);
    fs::create_directories(path_);
    fs::current_path(path_);
}

ScratchDirectory::~ScratchDirectory() {
    std::error_code ignored;
    fs::current_path(previous_, ignored);
    fs::remove_all(path_, ignored);
}

}  // namespace vindel::testing
