#pragma once
// The frame's last step: while vtx_autosave is on, the position file follows
// the overlay as it is moved, at most about four times a second.
#include <cstdint>

#include "core/HostView.h"
#include "core/PositionText.h"
#include "core/SettingsSnapshot.h"

namespace vtx {

struct PositionAutosaveMemory {
    // The values last written; far away at first, so the first look counts as a move.
    OverlayPosition lastSaved{-99999.0f, -99999.0f, -99999.0f};
    std::int64_t lastSaveNs = 0; // steady clock
    bool started = false;        // lastSaveNs has been set
    bool failing = false;        // the last write failed and was logged
};

// Run at the end of every drawn frame. When vtx_autosave is on and x or y
// moved by more than 0.01 or the scale by more than 0.0005 since the last
// write, and 251 ms have passed since it (or since the first run), writes
// the position as the variables hold it (a scale beyond the drawing's
// limits too). A failed write is logged once until one succeeds.
void autosavePosition(HostView host, const SettingsSnapshot& settings, PositionAutosaveMemory& memory);

} // namespace vtx
