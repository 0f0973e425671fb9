#pragma once
// Turns one Sony HID report into a RawPadSnapshot: through the user's own
// calibration, the known layout of the pad, or, for reports no layout
// covers, the built-in calibration or a search for the DualShock 4 layout.
#include <cstddef>
#include <cstdint>

#include "input/RawPadSnapshot.h"
#include "input/SonyCalibration.h"
#include "input/SonyDevice.h"
#include "input/SonyLayouts.h"

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

// A known layout's reading as the overlay takes it: Y turned positive up,
// the hat into directions (a diagonal lights both), triggers 0..1.
RawPadSnapshot snapshotFromLayout(const SonyPadState& pad, std::uint64_t nowMs);

// A calibration the user made that can read a report of `length` bytes:
// enabled, valid, with every binding inside the report, and not the built-in one.
bool isOwnCalibration(const SonyCalibration& calibration, std::size_t length);

// The decoder the sink runs on every report of a Sony device of `product`:
// `calibration` when it is the user's own; else the product's known layout
// for this report; else `calibration` when it is enabled and valid, else the
// search. Stamps the snapshot with `nowMs`. False for a null or short report,
// one that fails to decode, and a known report that carries no pad.
bool decodeSonyReport(const std::uint8_t* report, std::size_t length, const SonyCalibration& calibration,
                      std::uint16_t product, std::uint64_t nowMs, RawPadSnapshot& out);

} // namespace vtx
