#include "plugin/ResetAll.h"

#include <string>

#include "core/Catalogue.h"
#include "core/Log.h"
#include "core/NumberText.h"

namespace vtx {

namespace {

void reset(CVarManagerWrapper& cvars, const ResetEntry& entry) {
    CVarWrapper cvar = getCvar(cvars, *entry.spec);
    const std::string_view value = entry.value;
    switch (entry.as) {
    case ResetAs::Int:
        cvar.setValue(numberFromText<int>(value));
        break;
    case ResetAs::Float:
        cvar.setValue(numberFromText<float>(value));
        break;
    case ResetAs::Text:
        cvar.setValue(std::string(value));
        break;
    case ResetAs::None:
        break;
    }
}

} // namespace

void resetAllSettings(HostView host, MatchPhase& phase, SkinLibrary& skins) {
    CVarManagerWrapper& cvars = *host.cvars;
    for (const ResetEntry& entry : kResetEntries) {
        reset(cvars, entry);
    }
    for (const ControlSpec& control : kControls) {
        for (Axis axis : {Axis::X, Axis::Y}) {
            cvars.getCvar(layerOffsetName(control.code, axis)).setValue(0.0f);
        }
    }
    phase.clear();
    skins.reloadPictures();
    logLine(host.cvars, "Reset ALL settings to defaults.");
}

} // namespace vtx
