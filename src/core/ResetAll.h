#pragma once
// "vtx_reset_all": the overlay's settings back to their defaults.
class Vantrix;

namespace vtx {

// Sets each variable of the reset table in its order and type, then every
// per-layer offset to 0, then clears the match phase and reloads the skin
// pictures. Each change runs its handlers at once (the autosave among them);
// the reset writes no file itself.
void resetAllSettings(Vantrix& plugin);

} // namespace vtx
