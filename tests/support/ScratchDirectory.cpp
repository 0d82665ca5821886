#include "ScratchDirectory.h"

#include <unistd.h>

namespace vindel::testing {

namespace fs = std::filesystem;

ScratchDirectory::ScratchDirectory(const std::string& purpose)
    : previous_(fs::current_path()),
      path_(fs::temp_directory_path() / ("vindel-" + purpose + "-" + std::to_string(::getpid()))) {
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
