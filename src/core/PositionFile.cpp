#include "core/PositionFile.h"

#include "core/DataFolder.h"

namespace vtx {

std::filesystem::path positionFilePath(GameWrapper& game, std::string& error) {
    return vantrixDataFile(game, "vtx_saved_pos.ini", error);
}

FileResult writePositionFile(GameWrapper& game, const OverlayPosition& position) {
    try {
        std::string error;
        const std::filesystem::path path = positionFilePath(game, error);
        if (path.empty()) {
            return FileResult{FileResult::Status::Failed, error};
        }
        return writeTextFile(path, formatPositionText(position));
    } catch (...) {
        return FileResult{FileResult::Status::Failed, "out of memory"};
    }
}

FileResult readPositionFile(GameWrapper& game, OverlayPosition& position) {
    try {
        std::string error;
        const std::filesystem::path path = positionFilePath(game, error);
        if (path.empty()) {
            return FileResult{FileResult::Status::Failed, error};
        }
        std::string text;
        FileResult read = readTextFile(path, text);
        if (read.ok()) {
            position = parsePositionText(text, position);
        }
        return read;
    } catch (...) {
        return FileResult{FileResult::Status::Failed, "out of memory"};
    }
}

} // namespace vtx
