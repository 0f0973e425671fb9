#pragma once
// The console variables the overlay reads every frame, each looked up by name
// once per plugin object and then read afresh on every use, so a change from
// the console or the menu applies on the next frame without a name lookup
// (and its string copy) per variable per frame.
#include <array>
#include <optional>

#include "bakkesmod/wrappers/cvarwrapper.h"
#include "core/Catalogue.h"
#include "core/HostView.h"

class CVarManagerWrapper;

namespace vtx {

// A variable the host does not have reads as its catalogue default. The
// SDK's getters are not const, so the handle is mutable.
struct Setting {
    mutable std::optional<CVarWrapper> var;
    int fallbackInt = 0;
    float fallbackFloat = 0;

    bool missing() const { return !var || var->IsNull(); }
    int asInt() const { return missing() ? fallbackInt : var->getIntValue(); }
    float asFloat() const { return missing() ? fallbackFloat : var->getFloatValue(); }
    // Switches: 0 is off, anything else on.
    bool on() const { return asInt() != 0; }
    // Writes through to the host; nothing when the host does not have it.
    void set(int value) const {
        if (!missing()) {
            var->setValue(value);
        }
    }
};

struct CvarHandles {
    Setting enabled, onlineOnly, showFreeplayWorkshop, hideInMenus, hideReplays, hidePostgame, requireLocalCar;
    Setting fadeEnable, fadeMs, replayFailsafeMs, replayHideMs, replayHideS, debugState;
    Setting triggerAlphaOffPct, triggerAlphaOnPct, x, y, scale, layerShiftX, layerShiftY;
    Setting sticksAlways, stickRange, deadzone, stickSmooth, triggerThresh, pad;
    Setting hotkeyVk, hotkeyMod1, hotkeyMod2;
    Setting positionAutosave;
    Setting timingEnable, timingWindowMs;
    // Per control, in kControls order: its picture's X offset, then its Y offset.
    std::array<std::array<Setting, 2>, kControlCount> offsets;
};

// Looks every variable up in `cvars`; without a manager every setting reads
// its default.
void resolveCvarHandles(CVarManagerWrapper* cvars, CvarHandles& out);

// The handles of one plugin object, looked up on first use once the host's
// console exists. Start-up registers variables after some handles may have
// been read, so it asks for a fresh lookup once everything is registered.
class CvarCache {
public:
    explicit CvarCache(HostView host) : host_(host) {}
    // Every setting reads its catalogue default until the host gives a console.
    const CvarHandles& get();
    void lookUpAgain() { resolved_ = false; }

private:
    HostView host_;
    CvarHandles handles_;
    bool resolved_ = false;
};

} // namespace vtx
