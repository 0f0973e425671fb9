#include "core/DataFolder.h"

#include <system_error>

#include "bakkesmod/wrappers/GameWrapper.h"
#include "core/Paths.h"

namespace vtx {

std::filesystem::path vantrixDataFile(GameWrapper& game, std::string_view fileName, std::string& error) {
    try {
        const std::filesystem::path data = game.GetDataFolder();
        if (data.empty()) {
            // A relative "Vantrix" would land in whatever folder the game runs in.
            error = "the host names no data folder";
            return {};
        }
        const std::filesystem::path folder = createFolder(data / "Vantrix", error);
        return folder.empty() ? folder : folder / pathFromUtf8(fileName);
    } catch (...) {
        error = "out of memory while building a path";
        return {};
    }
}

std::filesystem::path roamingVantrixFolder(const std::filesystem::path& roaming) {
    return roaming / "bakkesmod" / "bakkesmod" / "data" / "Vantrix";
}

std::filesystem::path createFolder(const std::filesystem::path& folder, std::string& error) {
    try {
        std::error_code ec;
        std::filesystem::create_directories(folder, ec);
        if (!ec && !std::filesystem::is_directory(folder, ec) && !ec)
            ec = std::make_error_code(std::errc::not_a_directory);
        if (ec) {
            error = "cannot create the folder " + utf8FromPath(folder) + ": " + ec.message();
            return {};
        }
        return folder;
    } catch (...) {
        error = "out of memory while building a path";
        return {};
    }
}

} // namespace vtx
