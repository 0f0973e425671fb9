#include "input/CalibrationFile.h"

#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <system_error>

#include "input/CalibrationText.h"
#include "input/SonyCalibration.h"
#include "platform/Platform.h"

namespace vtx {
namespace {

// The whole file, or nothing when it cannot be opened or read. Bytes are
// read as they are; a CR before each line end is trimmed by the parser.
std::optional<std::string> readFile(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad())
        return std::nullopt;
    return text;
}

} // namespace

std::filesystem::path calibrationPath() {
    try {
        const std::filesystem::path roaming = platform::roamingAppDataFolder();
        if (roaming.empty())
            return {};
        const std::filesystem::path folder = roaming / "bakkesmod" / "bakkesmod" / "data" / "Vantrix";
        std::error_code ec;
        std::filesystem::create_directories(folder, ec);
        if (ec)
            return {}; // a file in the way, no permission: behave as without a Roaming folder
        return folder / "sony_calibration.ini";
    } catch (...) {
        return {};
    }
}

void saveCalibration() {
    try {
        const std::filesystem::path path = calibrationPath();
        if (path.empty())
            return;
        // Text mode: CR LF line ends on Windows, as every file of the host.
        std::ofstream out(path, std::ios::out | std::ios::trunc);
        if (!out)
            return;
        out << formatCalibration(sonyCalibration);
    } catch (...) {
        // Nothing written is the whole failure; the record in memory stays.
    }
}

void loadCalibration() {
    try {
        const std::filesystem::path path = calibrationPath();
        if (path.empty())
            return;
        const std::optional<std::string> text = readFile(path);
        sonyCalibration = text ? parseCalibration(*text) : defaultCalibration();
    } catch (...) {
        // Out of memory while reading: the record in force stays.
    }
}

} // namespace vtx
