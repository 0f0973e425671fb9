#include "TempFolder.h"

#include <cstdlib>
#include <stdexcept>
#include <string>

namespace vtxpreview {

TempFolder::TempFolder(const char* purpose) {
    std::string pattern = (std::filesystem::temp_directory_path() / "vtx-preview-").string() + purpose + "-XXXXXX";
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary folder for " + std::string(purpose));
    path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored; // a folder that cannot be removed must not turn a run into a crash
    std::filesystem::remove_all(path_, ignored);
}

} // namespace vtxpreview
