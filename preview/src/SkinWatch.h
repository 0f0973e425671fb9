#pragma once
// Notices when the files of skin folders change on disk (written, added,
// removed, renamed), by comparing each file's size and modification time
// with the previous look.
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace vtxpreview {

class SkinWatch {
public:
    explicit SkinWatch(std::vector<std::filesystem::path> folders);
    // True when anything differs from the previous call (or from construction).
    bool changed();

private:
    using Stamp = std::tuple<std::uintmax_t, std::filesystem::file_time_type>;
    std::map<std::string, Stamp> look() const;

    std::vector<std::filesystem::path> folders_;
    std::map<std::string, Stamp> last_;
};

} // namespace vtxpreview
