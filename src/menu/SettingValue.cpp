#include "menu/SettingValue.h"

#include <cmath>

#include "bakkesmod/wrappers/cvarmanagerwrapper.h"

namespace vtx {

std::optional<float> settingToStore(float edited, float lo, float hi) {
    if (std::isnan(edited))
        return std::nullopt;
    return clampSetting(edited, lo, hi);
}

float readClamped(CVarManagerWrapper& cvars, const std::string& name, float lo, float hi) {
    return clampSetting(cvars.getCvar(name).getFloatValue(), lo, hi);
}

void storeClamped(CVarManagerWrapper& cvars, const std::string& name, float edited, float lo, float hi) {
    if (const std::optional<float> value = settingToStore(edited, lo, hi))
        cvars.getCvar(name).setValue(*value);
}

} // namespace vtx
