#include "input/PollPad.h"

#include <string>

#include "Vantrix.h"
#include "input/PadConvert.h"
#include "input/RawInputSink.h"
#include "platform/Platform.h"

namespace vtx {
namespace {

bool queryXInput(int padSetting, platform::XInputGamepad& gamepad) {
    // Compared as unsigned, so -1 and every other value outside 0-3 scan all four.
    const auto fixed = static_cast<unsigned>(padSetting);
    if (fixed <= 3) {
        gamepad = {};
        return platform::xinputGetState(fixed, gamepad);
    }
    for (unsigned index = 0; index <= 3; ++index) {
        gamepad = {};
        if (platform::xinputGetState(index, gamepad))
            return true;
    }
    return false;
}

} // namespace

void pollPadState(PadState& pad, int padSetting, float smoothingSetting) {
    // Reports that arrived since the last frame are decoded before they are read.
    if (platform::rawInputSinkExists())
        platform::pumpRawInputSink();

    platform::XInputGamepad gamepad;
    if (queryXInput(padSetting, gamepad)) {
        padFromXInput(gamepad, pad);
    } else if (sonySnapshotFresh(latestSonySnapshot, platform::tickCount64())) {
        padFromSony(latestSonySnapshot, pad);
    } else {
        // No source: the drawn sticks snap to centre, without easing.
        pad = PadState{};
        return;
    }
    smoothSticks(pad, effectiveSmoothing(smoothingSetting));
}

} // namespace vtx

void Vantrix::pollPad() {
    // Read afresh every frame, so a change applies on the next one; a missing
    // variable reads as its catalogue default.
    const vtx::CvarHandles& cvars = settings();
    vtx::pollPadState(pad, cvars.pad.asInt(), cvars.stickSmooth.asFloat());
}
