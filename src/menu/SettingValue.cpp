#include "menu/SettingValue.h"

#include <cmath>

#include "bakkesmod/wrappers/cvarmanagerwrapper.h"
#include "core/Catalogue.h"

namespace vtx {

std::optional<float> settingToStore(float edited, float lo, float hi) {
    if (std::isnan(edited))
        return std::nullopt;
    return clampSetting(edited, lo, hi);
}

float readClamped(CVarManagerWrapper& cvars, const CvarSpec& var) {
    return clampSetting(getCvar(cvars, var).getFloatValue(), var.menu.clampMin, var.menu.clampMax);
}

void storeClamped(CVarManagerWrapper& cvars, const CvarSpec& var, float edited) {
    std::optional<float> value = settingToStore(edited, var.menu.clampMin, var.menu.clampMax);
    if (!value)
        return;
    // A whole-number setting is read by cutting the fraction off; it gets the
    // whole number its field shows instead, still inside its whole-numbered clamp.
    if (var.reader == Reader::Int)
        *value = std::round(*value);
    getCvar(cvars, var).setValue(*value);
}

} // namespace vtx
