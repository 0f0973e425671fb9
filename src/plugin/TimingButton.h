#pragma once
// vtx_timing_button: the control code it holds (a skin layer's name) chooses
// the control the overlay times; a name that is no control turns the timing
// off, with one log line.
#include "core/HostView.h"
#include "overlay/Overlay.h"

namespace vtx {

// Follows the variable's value now and on every change.
void attachTimingButton(HostView host, Overlay& overlay);

} // namespace vtx
