#include "input/PadConvert.h"

#include <algorithm>
#include <cmath>

namespace vtx {

float xinputAxis(std::int16_t value) {
    if (value == -32768)
        return -1.0f;
    return static_cast<float>(value / 32767.0);
}

void padFromXInput(const platform::XInputGamepad& g, PadState& pad) {
    const auto held = [&](std::uint16_t bit) { return (g.buttons & bit) != 0; };
    pad.a = held(0x1000);
    pad.b = held(0x2000);
    pad.x = held(0x4000);
    pad.y = held(0x8000);
    pad.dpadUp = held(0x0001);
    pad.dpadDown = held(0x0002);
    pad.dpadLeft = held(0x0004);
    pad.dpadRight = held(0x0008);
    pad.lb = held(0x0100);
    pad.rb = held(0x0200);
    pad.l3 = held(0x0040);
    pad.r3 = held(0x0080);
    pad.lt = static_cast<float>(g.leftTrigger / 255.0);
    pad.rt = static_cast<float>(g.rightTrigger / 255.0);
    pad.lx = xinputAxis(g.thumbLX);
    pad.ly = -xinputAxis(g.thumbLY); // XInput's Y is positive up
    pad.rx = xinputAxis(g.thumbRX);
    pad.ry = -xinputAxis(g.thumbRY);
}

void padFromSony(const RawPadSnapshot& s, PadState& pad) {
    pad.a = s.a;
    pad.b = s.b;
    pad.x = s.x;
    pad.y = s.y;
    pad.dpadUp = s.dpadUp;
    pad.dpadDown = s.dpadDown;
    pad.dpadLeft = s.dpadLeft;
    pad.dpadRight = s.dpadRight;
    pad.lb = s.lb;
    pad.rb = s.rb;
    pad.l3 = s.l3;
    pad.r3 = s.r3;
    pad.lt = s.lt;
    pad.rt = s.rt;
    pad.lx = s.lx;
    pad.ly = -s.ly; // the snapshot's Y is positive up
    pad.rx = s.rx;
    pad.ry = -s.ry;
}

bool sonySnapshotFresh(const RawPadSnapshot& snapshot, std::uint64_t nowMs) {
    return snapshot.valid && nowMs - snapshot.timestampMs <= sonyFreshnessMs;
}

float effectiveSmoothing(float setting) {
    // A NaN would stick in every smoothed axis for good; treat it as "off".
    if (std::isnan(setting) || setting < 0)
        return 0;
    return std::min(setting, 0.98f);
}

void smoothSticks(PadState& pad, float s) {
    // smoothed + (raw - smoothed)(1 - s), written so that s = 0 gives the raw
    // value exactly.
    const auto ease = [s](float smoothed, float raw) { return smoothed * s + raw * (1 - s); };
    pad.lxSmooth = ease(pad.lxSmooth, pad.lx);
    pad.lySmooth = ease(pad.lySmooth, pad.ly);
    pad.rxSmooth = ease(pad.rxSmooth, pad.rx);
    pad.rySmooth = ease(pad.rySmooth, pad.ry);
}

} // namespace vtx
