#include "input/SonyCalibration.h"

namespace vtx {

SonyCalibration clearedCalibration() { return SonyCalibration{}; }

SonyCalibration defaultCalibration() {
    // DualSense over USB: id at 0, sticks 1-4, L2/R2 5/6, hat in the low
    // nibble of 8 with the face buttons above it, L1/R1 in bits 0/1 of 9.
    SonyCalibration c;
    c.enabled = c.valid = true;
    c.square_byte = 8;
    c.square_mask = 0x10;
    c.cross_byte = 8;
    c.cross_mask = 0x20;
    c.circle_byte = 8;
    c.circle_mask = 0x40;
    c.triangle_byte = 8;
    c.triangle_mask = 0x80;
    c.l1_byte = 9;
    c.l1_mask = 0x01;
    c.r1_byte = 9;
    c.r1_mask = 0x02;
    c.dpad_byte = 8;
    c.dpad_shift = 0;
    c.lx_byte = 1;
    c.ly_byte = 2;
    c.ly_invert = true;
    c.rx_byte = 3;
    c.ry_byte = 4;
    c.ry_invert = true;
    c.lt_byte = 5;
    c.rt_byte = 6;
    return c;
}

SonyCalibration missingKeyCalibration() {
    SonyCalibration c;
    c.enabled = c.valid = true;
    return c;
}

bool calibrationComplete(const SonyCalibration& c, std::size_t length) {
    const bool dpad = byteUsable(c.dpad_byte, length) && (c.dpad_shift == 0 || c.dpad_shift == 4);
    const bool analog = byteUsable(c.lt_byte, length) && byteUsable(c.rt_byte, length) &&
                        byteUsable(c.lx_byte, length) && byteUsable(c.ly_byte, length) &&
                        byteUsable(c.rx_byte, length) && byteUsable(c.ry_byte, length);
    const bool buttons =
        buttonUsable(c.square_byte, c.square_mask, length) && buttonUsable(c.cross_byte, c.cross_mask, length) &&
        buttonUsable(c.circle_byte, c.circle_mask, length) && buttonUsable(c.triangle_byte, c.triangle_mask, length) &&
        buttonUsable(c.l1_byte, c.l1_mask, length) && buttonUsable(c.r1_byte, c.r1_mask, length);
    return dpad && analog && buttons;
}

void revalidateCalibration(SonyCalibration& calibration, std::size_t length) {
    const bool complete = calibrationComplete(calibration, length);
    calibration.enabled = complete;
    calibration.valid = complete;
}

} // namespace vtx
