#pragma once
// The unified controller state the overlay draws: one per plugin object,
// filled once per frame by pollPad from XInput or the Sony snapshot.

namespace vtx {

struct PadState {
    bool a = false; // bottom face button (XInput A, Sony Cross)
    bool b = false; // right (B, Circle)
    bool x = false; // left (X, Square)
    bool y = false; // top (Y, Triangle)
    bool dpadUp = false;
    bool dpadDown = false;
    bool dpadLeft = false;
    bool dpadRight = false;
    bool lb = false;
    bool rb = false;
    bool l3 = false;
    bool r3 = false;
    float lt = 0; // 0 released .. 1 fully pressed
    float rt = 0;
    float lx = 0; // -1 left .. +1 right
    float ly = 0; // -1 up .. +1 down (screen orientation)
    float rx = 0;
    float ry = 0;
    // The smoothing filter's memory, carried from frame to frame.
    float lxSmooth = 0;
    float lySmooth = 0;
    float rxSmooth = 0;
    float rySmooth = 0;
};

} // namespace vtx
