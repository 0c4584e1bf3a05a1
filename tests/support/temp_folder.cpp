#include "temp_folder.h"

#include <stdexcept>
#include <filesystem>
#include <stdlib.h>

TempFolder::TempFolder(std::string_view prefix) {
    std::string pattern = "/tmp/" + std::string(prefix) + "-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make " + pattern);
    path_ = pattern + "/";
}

TempFolder::~TempFolder() {
    namespace fs = std::filesystem;
    std::error_code ignored;
    // A test may leave the folder or a file in it read-only.
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(path_, ignored);
}
