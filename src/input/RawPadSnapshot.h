#pragma once
// The decoded state of one Sony HID report. Y axes are positive up here (the
// report's own sense after inversion); pollPad turns them to screen sense.
#include <cstdint>

namespace vtx {

struct RawPadSnapshot {
    bool a = false; // Cross
    bool b = false; // Circle
    bool x = false; // Square
    bool y = false; // Triangle
    bool dpadUp = false;
    bool dpadDown = false;
    bool dpadLeft = false;
    bool dpadRight = false;
    bool lb = false;
    bool rb = false;
    bool l3 = false;
    bool r3 = false;
    float lt = 0; // 0..1
    float rt = 0;
    float lx = 0; // -1..1
    float ly = 0; // -1..1, positive up
    float rx = 0;
    float ry = 0;
    std::uint64_t timestampMs = 0; // tick count of the decode
    bool valid = false;            // set by every successful decode
};

} // namespace vtx
