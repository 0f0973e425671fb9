#include "core/CvarHandles.h"

#include <charconv>
#include <string>
#include <string_view>

#include "bakkesmod/wrappers/cvarmanagerwrapper.h"

namespace vtx {
namespace {

struct Named {
    Setting CvarHandles::*member;
    std::string_view name;
};

constexpr Named kNamed[] = {
    {&CvarHandles::enabled, "vtx_enabled"},
    {&CvarHandles::onlineOnly, "vtx_online_only"},
    {&CvarHandles::showFreeplayWorkshop, "vtx_show_freeplay_workshop"},
    {&CvarHandles::hideInMenus, "vtx_hide_in_menus"},
    {&CvarHandles::hideReplays, "vtx_hide_replays"},
    {&CvarHandles::hidePostgame, "vtx_hide_postgame"},
    {&CvarHandles::requireLocalCar, "vtx_require_local_car"},
    {&CvarHandles::fadeEnable, "vtx_fade_enable"},
    {&CvarHandles::fadeMs, "vtx_fade_ms"},
    {&CvarHandles::replayFailsafeMs, "vtx_replay_failsafe_ms"},
    {&CvarHandles::replayHideMs, "vtx_replay_hide_ms"},
    {&CvarHandles::replayHideS, "vtx_replay_hide_s"},
    {&CvarHandles::debugState, "vtx_debug_state"},
    {&CvarHandles::triggerAlphaOffPct, "vtx_trigger_alpha_off_pct"},
    {&CvarHandles::triggerAlphaOnPct, "vtx_trigger_alpha_on_pct"},
    {&CvarHandles::x, "vtx_x"},
    {&CvarHandles::y, "vtx_y"},
    {&CvarHandles::scale, "vtx_scale"},
    {&CvarHandles::layerShiftX, "vtx_layer_shift_x"},
    {&CvarHandles::layerShiftY, "vtx_layer_shift_y"},
    {&CvarHandles::sticksAlways, "vtx_sticks_always"},
    {&CvarHandles::stickRange, "vtx_stick_range"},
    {&CvarHandles::deadzone, "vtx_deadzone"},
    {&CvarHandles::stickSmooth, "vtx_stick_smooth"},
    {&CvarHandles::triggerThresh, "vtx_trigger_thresh"},
    {&CvarHandles::pad, "vtx_pad"},
    {&CvarHandles::hotkeyVk, "vtx_hotkey_vk"},
    {&CvarHandles::hotkeyMod1, "vtx_hotkey_mod1"},
    {&CvarHandles::hotkeyMod2, "vtx_hotkey_mod2"},
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
        const CvarSpec* spec = findCvarSpec(named.name);
        out.*named.member = lookUp(cvars, std::string(named.name), spec ? spec->defaultValue : "0");
    }
    for (std::size_t layer = 0; layer < kLayerCodes.size(); ++layer) {
        out.offsets[layer][0] = lookUp(cvars, layerOffsetName(kLayerCodes[layer], Axis::X), "0");
        out.offsets[layer][1] = lookUp(cvars, layerOffsetName(kLayerCodes[layer], Axis::Y), "0");
    }
}

} // namespace vtx
