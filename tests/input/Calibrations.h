#pragma once
// A calibration unlike the built-in one in every kind of field, for round trips.
#include "input/SonyCalibration.h"

namespace vtxtest {

inline vtx::SonyCalibration unusualCalibration() {
    vtx::SonyCalibration c = vtx::defaultCalibration();
    c.enabled = false;
    c.options_byte = 9;
    c.options_mask = 0xFF;
    c.dpad_shift = 4;
    c.dpad_left = 15;
    c.lx_invert = true;
    c.rt_byte = -2147483647 - 1;
    return c;
}

} // namespace vtxtest
