#pragma once
// "vtx_reset_all": the overlay's settings back to their defaults.
#include "core/HostView.h"
#include "overlay/MatchPhase.h"
#include "overlay/Skins.h"

namespace vtx {

// Sets each variable of the reset table in its order and type, then every
// per-layer offset to 0, then clears the match phase and reloads the skin
// pictures. Each change runs its handlers at once (the autosave among them);
// the reset writes no file itself.
void resetAllSettings(HostView host, MatchPhase& phase, SkinLibrary& skins);

} // namespace vtx
