#include "core/CvarHandles.h"

#include <charconv>
#include <string>
#include <string_view>

#include "bakkesmod/wrappers/cvarmanagerwrapper.h"

namespace vtx {
namespace {

struct Named {
    Setting CvarHandles::*member;
    const CvarSpec* spec;
};

constexpr Named kNamed[] = {
    {&CvarHandles::enabled, &cvar::kEnabled},
    {&CvarHandles::onlineOnly, &cvar::kOnlineOnly},
    {&CvarHandles::showFreeplayWorkshop, &cvar::kShowFreeplayWorkshop},
    {&CvarHandles::hideInMenus, &cvar::kHideInMenus},
    {&CvarHandles::hideReplays, &cvar::kHideReplays},
    {&CvarHandles::hidePostgame, &cvar::kHidePostgame},
    {&CvarHandles::requireLocalCar, &cvar::kRequireLocalCar},
    {&CvarHandles::fadeEnable, &cvar::kFadeEnable},
    {&CvarHandles::fadeMs, &cvar::kFadeMs},
    {&CvarHandles::replayFailsafeMs, &cvar::kReplayFailsafeMs},
    {&CvarHandles::replayHideMs, &cvar::kReplayHideMs},
    {&CvarHandles::replayHideS, &cvar::kReplayHideS},
    {&CvarHandles::debugState, &cvar::kDebugState},
    {&CvarHandles::triggerAlphaOffPct, &cvar::kTriggerAlphaOffPct},
    {&CvarHandles::triggerAlphaOnPct, &cvar::kTriggerAlphaOnPct},
    {&CvarHandles::x, &cvar::kX},
    {&CvarHandles::y, &cvar::kY},
    {&CvarHandles::scale, &cvar::kScale},
    {&CvarHandles::layerShiftX, &cvar::kLayerShiftX},
    {&CvarHandles::layerShiftY, &cvar::kLayerShiftY},
    {&CvarHandles::sticksAlways, &cvar::kSticksAlways},
    {&CvarHandles::stickRange, &cvar::kStickRange},
    {&CvarHandles::deadzone, &cvar::kDeadzone},
    {&CvarHandles::stickSmooth, &cvar::kStickSmooth},
    {&CvarHandles::triggerThresh, &cvar::kTriggerThresh},
    {&CvarHandles::pad, &cvar::kPad},
    {&CvarHandles::hotkeyVk, &cvar::kHotkeyVk},
    {&CvarHandles::hotkeyMod1, &cvar::kHotkeyMod1},
    {&CvarHandles::hotkeyMod2, &cvar::kHotkeyMod2},
    {&CvarHandles::positionAutosave, &cvar::kAutosave},
    {&CvarHandles::timingEnable, &cvar::kTimingEnable},
    {&CvarHandles::timingWindowMs, &cvar::kTimingWindowMs},
};

Setting lookUp(CVarManagerWrapper* cvars, const std::string& name, std::string_view defaultText) {
    Setting setting;
    const char* first = defaultText.data();
    const char* last = first + defaultText.size();
    std::from_chars(first, last, setting.fallbackInt);
    std::from_chars(first, last, setting.fallbackFloat);
    if (cvars) {
        setting.var = cvars->getCvar(name);
    }
    return setting;
}

} // namespace

void resolveCvarHandles(CVarManagerWrapper* cvars, CvarHandles& out) {
    for (const Named& named : kNamed) {
        out.*named.member = lookUp(cvars, std::string(named.spec->name), named.spec->defaultValue);
    }
    for (std::size_t id = 0; id < kControlCount; ++id) {
        out.offsets[id][0] = lookUp(cvars, layerOffsetName(kControls[id].code, Axis::X), "0");
        out.offsets[id][1] = lookUp(cvars, layerOffsetName(kControls[id].code, Axis::Y), "0");
    }
}

const CvarHandles& CvarCache::get() {
    if (!resolved_) {
        resolveCvarHandles(host_.cvars.get(), handles_);
        resolved_ = host_.cvars != nullptr;
    }
    return handles_;
}

} // namespace vtx
