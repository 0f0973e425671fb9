#pragma once
// Which byte, bit, nibble or axis direction of a Sony report is which
// control. Filled by the calibration wizard, loaded from the calibration
// file, and read by the calibrated decoder.
#include <cstddef>
#include <cstdint>

namespace vtx {

// Field names are the calibration file's keys, in the file's order.
struct SonyCalibration {
    bool enabled = false;
    bool valid = false; // complete; decoding uses the record only when both flags are set
    std::int32_t square_byte = -1;
    std::uint8_t square_mask = 0;
    std::int32_t cross_byte = -1;
    std::uint8_t cross_mask = 0;
    std::int32_t circle_byte = -1;
    std::uint8_t circle_mask = 0;
    std::int32_t triangle_byte = -1;
    std::uint8_t triangle_mask = 0;
    std::int32_t l1_byte = -1;
    std::uint8_t l1_mask = 0;
    std::int32_t r1_byte = -1;
    std::uint8_t r1_mask = 0;
    // Kept in the record and the file only; nothing decodes Options.
    std::int32_t options_byte = -1;
    std::uint8_t options_mask = 0;
    std::int32_t dpad_byte = -1;
    std::int32_t dpad_shift = 0; // 0 low nibble, 4 high nibble; anything else turns the D-pad off
    std::uint8_t dpad_neutral = 8;
    std::uint8_t dpad_up = 0;
    std::uint8_t dpad_right = 2;
    std::uint8_t dpad_down = 4;
    std::uint8_t dpad_left = 6;
    std::int32_t lx_byte = -1;
    bool lx_invert = false;
    std::int32_t ly_byte = -1;
    bool ly_invert = false;
    std::int32_t rx_byte = -1;
    bool rx_invert = false;
    std::int32_t ry_byte = -1;
    bool ry_invert = false;
    std::int32_t lt_byte = -1;
    std::int32_t rt_byte = -1;

    bool operator==(const SonyCalibration&) const = default;
};

// Process start and "Clear / Disable": every binding unset, switched off.
SonyCalibration clearedCalibration();
// No file yet, and "Reset to Default": the DualSense USB report.
SonyCalibration defaultCalibration();
// What a key absent from an existing file (or with an unreadable value) gives.
SonyCalibration missingKeyCalibration();

// True when `index` addresses a byte of a report of `length` bytes.
inline bool byteUsable(std::int32_t index, std::size_t length) {
    return index >= 0 && static_cast<std::size_t>(index) < length;
}
inline bool buttonUsable(std::int32_t index, std::uint8_t mask, std::size_t length) {
    return mask != 0 && byteUsable(index, length);
}

// Every binding the decoder needs lies within a report of `length` bytes
// (Options is not needed).
bool calibrationComplete(const SonyCalibration& calibration, std::size_t length);
// Switches the record on when it is complete for reports of `length` bytes
// and off when it is not.
void revalidateCalibration(SonyCalibration& calibration, std::size_t length);

} // namespace vtx
