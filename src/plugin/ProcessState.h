#pragma once
// The plugin's state that belongs to the process rather than to one plugin
// object. The host may unload the plugin and load it again in the same
// process, building a new object each time; what must carry over lives here,
// and only here, and is handed to the new object's subsystems.
#include "menu/GoldEgg.h"
#include "overlay/Visibility.h"
#include "plugin/PositionAutosave.h"

namespace vtx {

struct ProcessState {
    // A fade in progress resumes where the previous object left it, so a
    // reload never makes a hidden overlay flash up.
    Fade fade;
    // Once hatched the egg stays hatched, and the shake stays off, for as long
    // as the module is loaded.
    EggState egg;
    // The position last written and when: a reload does not write the file
    // again for a position it already holds, nor log a known failure twice.
    PositionAutosaveMemory positionAutosave;
};

// The one instance, made on first use and kept until the module unloads.
// (The Raw Input sink's owner is the other process-wide item: the window
// procedure reaches the input through it; see input/PadInput.cpp.)
ProcessState& processState();

} // namespace vtx
