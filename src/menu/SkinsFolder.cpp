#include "menu/SkinsFolder.h"

#include <string>

#include "core/DataFolder.h"

namespace vtx {

std::filesystem::path prepareSkinsFolder(const std::filesystem::path& roaming) {
    try {
        std::string error;
        return createFolder(roamingVantrixFolder(roaming) / "skins", error);
    } catch (...) {
        return {}; // the path itself could not be built
    }
}

} // namespace vtx
