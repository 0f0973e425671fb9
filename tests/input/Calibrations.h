#pragma once
// Calibrations for the tests: one unlike the built-in one in every kind of
// field, for round trips, and the file that the built-in one makes.
#include <string>

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

// sony_calibration.ini as "Reset to Default" writes it (LF line ends; CR LF on Windows).
inline const std::string defaultCalibrationFile = "enabled=1\n"
                                                  "valid=1\n"
                                                  "square_byte=8\n"
                                                  "square_mask=16\n"
                                                  "cross_byte=8\n"
                                                  "cross_mask=32\n"
                                                  "circle_byte=8\n"
                                                  "circle_mask=64\n"
                                                  "triangle_byte=8\n"
                                                  "triangle_mask=128\n"
                                                  "l1_byte=9\n"
                                                  "l1_mask=1\n"
                                                  "r1_byte=9\n"
                                                  "r1_mask=2\n"
                                                  "options_byte=-1\n"
                                                  "options_mask=0\n"
                                                  "dpad_byte=8\n"
                                                  "dpad_shift=0\n"
                                                  "dpad_neutral=8\n"
                                                  "dpad_up=0\n"
                                                  "dpad_right=2\n"
                                                  "dpad_down=4\n"
                                                  "dpad_left=6\n"
                                                  "lx_byte=1\n"
                                                  "lx_invert=0\n"
                                                  "ly_byte=2\n"
                                                  "ly_invert=1\n"
                                                  "rx_byte=3\n"
                                                  "rx_invert=0\n"
                                                  "ry_byte=4\n"
                                                  "ry_invert=1\n"
                                                  "lt_byte=5\n"
                                                  "rt_byte=6\n";

} // namespace vtxtest
