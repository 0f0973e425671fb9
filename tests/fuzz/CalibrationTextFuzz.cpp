// Any text as sony_calibration.ini. Reading never fails, and whatever it
// reads is written back and read again unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "input/CalibrationText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const vtx::SonyCalibration read = vtx::parseCalibration(text);
    if (vtx::parseCalibration(vtx::formatCalibration(read)) != read)
        std::abort();
    // The number reader alone, on the same bytes.
    if (const auto n = vtx::parseLeadingInt32(text); n && vtx::parseLeadingInt32(std::to_string(*n)) != n)
        std::abort();
    return 0;
}
