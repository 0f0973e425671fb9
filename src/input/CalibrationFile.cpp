#include "input/CalibrationFile.h"

#include <string>

#include "core/DataFolder.h"
#include "core/TextFile.h"
#include "input/CalibrationText.h"
#include "input/SonyCalibration.h"
#include "platform/Platform.h"

namespace vtx {

std::filesystem::path calibrationPath() {
    try {
        const std::filesystem::path roaming = platform::roamingAppDataFolder();
        if (roaming.empty())
            return {};
        // A file in the way, no permission: behave as without a Roaming folder.
        std::string error;
        const std::filesystem::path folder = createFolder(roamingVantrixFolder(roaming), error);
        return folder.empty() ? folder : folder / "sony_calibration.ini";
    } catch (...) {
        return {};
    }
}

bool saveCalibration(const SonyCalibration& calibration) {
    try {
        const std::filesystem::path path = calibrationPath();
        if (path.empty())
            return false;
        // The previous file stays whole when the write fails.
        return writeTextFile(path, formatCalibration(calibration)).ok();
    } catch (...) {
        // Nothing written is the whole failure; the record in memory stays.
        return false;
    }
}

void loadCalibration(SonyCalibration& calibration) {
    try {
        const std::filesystem::path path = calibrationPath();
        if (path.empty())
            return;
        // A file that is missing or cannot be read gives the built-in default.
        std::string text;
        calibration = readTextFile(path, text).ok() ? parseCalibration(text) : defaultCalibration();
    } catch (...) {
        // Out of memory while reading: the record in force stays.
    }
}

} // namespace vtx
