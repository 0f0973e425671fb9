// The overlay hotkey's assignment at the end of the General tab: a button
// that waits for the next key, and the binding in force as key chips.
#include <imgui.h>

#include "bakkesmod/wrappers/cvarmanagerwrapper.h"
#include "core/Catalogue.h"
#include "menu/KeyNames.h"
#include "menu/MenuContext.h"
#include "menu/Tabs.h"
#include "menu/Widgets.h"
#include "platform/Platform.h"

namespace vtx {

namespace {
// The wait runs on the tick count, in whole milliseconds.
std::int64_t nowNs() { return static_cast<std::int64_t>(platform::tickCount64()) * 1'000'000; }

void writeBinding(CVarManagerWrapper& cvars, const KeyCombo& binding) {
    getCvar(cvars, cvar::kHotkeyVk).setValue(binding.key);
    getCvar(cvars, cvar::kHotkeyMod1).setValue(binding.mod1);
    getCvar(cvars, cvar::kHotkeyMod2).setValue(binding.mod2);
}

// The binding read at the start of the frame, so a new one shows from the next frame.
void drawBindingChips(CVarManagerWrapper& cvars, const KeyCombo& shown) {
    ImGui::SameLine();
    if (shown.mod1 >= kModCtrl && shown.mod1 <= kModAlt)
        keyChip(modifierName(shown.mod1));
    if (shown.mod2 != kModNone) {
        if (shown.mod1 != kModNone)
            ImGui::SameLine(0.0f, 6.0f);
        keyChip(modifierName(shown.mod2));
    }
    if (shown.mod1 != kModNone || shown.mod2 != kModNone)
        ImGui::SameLine(0.0f, 6.0f);
    keyChip(keyName(shown.key).c_str());
    ImGui::SameLine();
    if (ImGui::Button("Clear##overlaybind"))
        writeBinding(cvars, KeyCombo{});
}

// True when the section goes on to the chips this frame.
bool drawWait(CVarManagerWrapper& cvars, KeyCapture& wait, const Keyboard& keys) {
    ImGui::TextUnformatted("Press a key... (Esc to cancel)");
    const CaptureStep step = wait.step(nowNs(), ImGui::IsMouseDown(ImGuiMouseButton_Left), keys);
    if (step.state == CaptureState::Arming)
        return false;
    if (step.state == CaptureState::Captured)
        writeBinding(cvars, step.combo);
    return true;
}
} // namespace

void drawKeybindSection(const MenuContext& menu) {
    if (!menu.console)
        return;
    CVarManagerWrapper& cvars = menu.cvars();
    KeyCapture& keyAssign = menu.state.keyAssign;
    const Keyboard keys;
    ImGui::Spacing();
    ImGui::Separator();
    ImGui::TextUnformatted("Overlay Visibility Toggle Keybind");
    ImGui::TextUnformatted("Set a hotkey to show/hide the overlay. (Menu is always F9)");
    const KeyCombo shown{getCvar(cvars, cvar::kHotkeyVk).getIntValue(), getCvar(cvars, cvar::kHotkeyMod1).getIntValue(),
                         getCvar(cvars, cvar::kHotkeyMod2).getIntValue()};

    ImGui::PushStyleVar(ImGuiStyleVar_FrameRounding, 6.0f);
    if (!keyAssign.active()) {
        if (ImGui::Button("Assign Key##overlaybind"))
            keyAssign.start(nowNs(), keys);
    } else if (!drawWait(cvars, keyAssign, keys)) {
        ImGui::PopStyleVar();
        return;
    }
    ImGui::PopStyleVar();
    drawBindingChips(cvars, shown);
}

} // namespace vtx
