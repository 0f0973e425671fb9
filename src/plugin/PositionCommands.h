#pragma once
// The actions of the position commands and the saved-position load at
// start-up, between the console variables vtx_x, vtx_y, vtx_scale and
// vtx_saved_pos.ini.
#include "core/HostView.h"

namespace vtx {

// "vtx_pos_save": writes the console's position; an x of 0 or less is
// written as -200.
void savePosition(HostView host);
// "vtx_pos_load": sets the console's position from the file.
void loadPosition(HostView host);
// Start-up, when vtx_load_saved is on: as loadPosition, but silent when
// there is no file.
void loadSavedPositionAtStart(HostView host);
// "vtx_pos": logs the console's position with six decimals.
void printPosition(HostView host);

} // namespace vtx
