#include "menu/SkinsFolder.h"

#include <system_error>

namespace vtx {

std::filesystem::path prepareSkinsFolder(const std::filesystem::path& roaming) {
    try {
        std::filesystem::path folder = roaming / "bakkesmod" / "bakkesmod" / "data" / "Vantrix" / "skins";
        std::error_code ec;
        std::filesystem::create_directories(folder, ec);
        if (ec || !std::filesystem::is_directory(folder, ec))
            return {};
        return folder;
    } catch (...) {
        return {};
    }
}

} // namespace vtx
