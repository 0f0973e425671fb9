#include "SkinWatch.h"

namespace vtxpreview {

namespace fs = std::filesystem;

SkinWatch::SkinWatch(std::vector<fs::path> folders) : folders_(std::move(folders)), last_(look()) {}

bool SkinWatch::changed() {
    auto now = look();
    if (now == last_)
        return false;
    last_ = std::move(now);
    return true;
}

// A file that goes away between the listing and its size reads as size 0:
// the next look sees it gone.
std::map<std::string, SkinWatch::Stamp> SkinWatch::look() const {
    std::map<std::string, Stamp> files;
    for (const fs::path& folder : folders_) {
        std::error_code error;
        for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
            std::error_code ignored;
            const std::uintmax_t size = entry->file_size(ignored);
            files[entry->path().string()] = {ignored ? 0 : size, entry->last_write_time(ignored)};
        }
    }
    return files;
}

} // namespace vtxpreview
