#include "Vantrix.h"

void Vantrix::pollPad() {
    // Read afresh every frame, so a change applies on the next one; a missing
    // variable reads as its catalogue default.
    const vtx::CvarHandles& cvars = settings();
    input.poll(pad, cvars.pad.asInt(), cvars.stickSmooth.asFloat());
}
