#pragma once
// Turns one Sony HID report into a RawPadSnapshot, either through a
// calibration or by searching for the DualShock 4 report layout.
#include <cstddef>
#include <cstdint>

#include "input/RawPadSnapshot.h"
#include "input/SonyCalibration.h"

namespace vtx {

// Shorter reports carry too little to be a pad's state and are never decoded.
inline constexpr std::size_t minSonyReportLength = 10;

// Reads every control from the bytes the calibration names; a binding outside
// the report leaves its control released. Always succeeds.
void decodeCalibrated(const SonyCalibration& calibration, const std::uint8_t* report, std::size_t length,
                      std::uint64_t nowMs, RawPadSnapshot& out);

// Looks for the DualShock 4 state block at offsets 0-6 and decodes the
// best-scoring one. False, with `out` untouched, when no offset fits.
bool decodeHeuristic(const std::uint8_t* report, std::size_t length, std::uint64_t nowMs, RawPadSnapshot& out);

// The decoder the sink runs on every Sony report: the process-wide
// calibration when it is enabled and valid, else the search; stamps the
// snapshot with the tick count. False for a null or short report.
bool decodeSonyReport(const std::uint8_t* report, std::size_t length, RawPadSnapshot& out);

} // namespace vtx
