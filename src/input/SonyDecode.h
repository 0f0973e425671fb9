#pragma once
// Turns one Sony-protocol HID report into the pad state: through the user's
// own calibration, the known layout of the pad's protocol, or, for reports no
// layout covers, the built-in calibration or a search for the DualShock 4
// layout.
#include <cstddef>
#include <cstdint>

#include "input/PadState.h"
#include "input/SonyCalibration.h"
#include "input/SonyLayouts.h"

namespace vtx {

// Shorter reports carry too little to be a pad's state and are never decoded.
inline constexpr std::size_t minSonyReportLength = 10;

// Reads every control the calibration binds from its bytes; a binding
// outside the report leaves its control released, and a control it does not
// bind (the clicks, PS, ...) is never held. Always succeeds.
PadState decodeCalibrated(const SonyCalibration& calibration, const std::uint8_t* report, std::size_t length);

// Looks for the DualShock 4 state block at offsets 0-6 and decodes the
// best-scoring one. False, with `out` untouched, when no offset fits.
bool decodeHeuristic(const std::uint8_t* report, std::size_t length, PadState& out);

// A calibration the user made that can read a report of `length` bytes:
// enabled, valid, with every binding inside the report, and not the built-in one.
bool isOwnCalibration(const SonyCalibration& calibration, std::size_t length);

// The decoder the source runs on every report of a pad of `protocol`:
// the calibration when it is the user's own; else the protocol's known
// layout for this report; else the calibration when it is enabled and valid,
// else the search. What depends on the calibration alone is worked out once,
// when it is set, not for every report.
class SonyDecoding {
public:
    explicit SonyDecoding(const SonyCalibration& calibration = clearedCalibration());
    // False for a null or short report, one that fails to decode, and a
    // known report that carries no pad.
    bool decode(const std::uint8_t* report, std::size_t length, SonyProtocol protocol, PadState& out) const;

private:
    SonyCalibration calibration_;
    // The shortest report the user's own calibration reads; none when it is
    // not the user's own.
    std::size_t ownFrom_;
    bool calibrationOn_;
};

// One report through a decoding made for it (tests, tools).
bool decodeSonyReport(const std::uint8_t* report, std::size_t length, const SonyCalibration& calibration,
                      SonyProtocol protocol, PadState& out);

} // namespace vtx
