#include "menu/MenuShell.h"

#include <cmath>

#include <imgui.h>

#include "bakkesmod/wrappers/cvarmanagerwrapper.h"
#include "core/Catalogue.h"
#include "menu/GoldEgg.h"
#include "menu/Menu.h"
#include "menu/MenuContext.h"
#include "menu/MenuState.h"
#include "menu/SettingValue.h"
#include "menu/Tabs.h"
#include "menu/Theme.h"
#include "menu/Widgets.h"
#include "platform/Platform.h"

namespace vtx {

namespace {
constexpr float kMenuFontScale = 1.25f;

struct MenuColours {
    ImVec4 accent;
    float menuAlpha;
};

MenuColours readColours(CVarManagerWrapper& cvars) {
    return MenuColours{ImVec4(readClamped(cvars, cvar::kUiAccentR), readClamped(cvars, cvar::kUiAccentG),
                              readClamped(cvars, cvar::kUiAccentB), readClamped(cvars, cvar::kUiAccentA)),
                       readClamped(cvars, cvar::kUiMenuAlpha)};
}

void askToClose(CVarManagerWrapper& cvars) { cvars.executeCommand("vtx_togglemenu", false); }

// Undoes what the frame set up around the main window: its end, the theme
// and the global font scale.
struct FrameSetup {
    float savedFontScale;
    void finish() const {
        ImGui::End();
        popMenuTheme();
        ImGui::GetIO().FontGlobalScale = savedFontScale;
    }
};

void beginChildScaled(const char* id, const ImVec2& size, bool border, ImGuiWindowFlags flags = 0) {
    ImGui::BeginChild(id, size, border, flags);
    ImGui::SetWindowFontScale(kMenuFontScale);
}

// The top bar: a drag handle over most of its width and the close button.
// False when the close button was clicked (the top bar child is then ended).
bool drawTopBar(EggState& egg, const char* mainWindowName, const ImVec2& mainPos) {
    beginChildScaled("vtx_topbar", ImVec2(0, 46), true,
                     ImGuiWindowFlags_NoScrollbar | ImGuiWindowFlags_NoScrollWithMouse);
    const ImVec2 barPos = ImGui::GetWindowPos();
    const ImVec2 barSize = ImGui::GetWindowSize();
    const ImGuiIO& io = ImGui::GetIO();
    const bool inside = io.MousePos.x >= barPos.x && io.MousePos.x < barPos.x + barSize.x &&
                        io.MousePos.y >= barPos.y && io.MousePos.y < barPos.y + barSize.y;
    trackShake(egg.shake, egg.egg, inside, io.MouseDown[0], io.MousePos.x, static_cast<float>(ImGui::GetTime()),
               platform::steadyNowNs(), platform::tickCount());

    ImGui::InvisibleButton("##vtx_drag", ImVec2(ImGui::GetContentRegionAvail().x - 34, 30));
    if (ImGui::IsItemActive() && ImGui::IsMouseDragging(ImGuiMouseButton_Left)) {
        ImGui::SetWindowPos(mainWindowName, ImVec2(mainPos.x + io.MouseDelta.x, mainPos.y + io.MouseDelta.y));
    }
    ImGui::SameLine();
    if (ImGui::Button("X", ImVec2(28, 28))) {
        ImGui::EndChild();
        return false;
    }
    ImGui::SetCursorPos(ImVec2(16, 12));
    ImGui::TextUnformatted("Vantrix");
    ImGui::EndChild();
    return true;
}

// The tab buttons, one a row of the table, then the egg at the bottom.
void drawSidebar(MenuState& state, EggState& egg, float menuAlpha) {
    ImGui::PushStyleColor(ImGuiCol_ChildBg, ImVec4(0.08f, 0.08f, 0.08f, menuAlpha));
    beginChildScaled("vtx_sidebar", ImVec2(220, 0), true);
    ImGui::PopStyleColor();
    // Wrapped: at the menu's font scale the line is wider than the side bar.
    ImGui::TextWrapped("%s", "Designed and created by");
    drawCreditName(std::sin(2.0f * static_cast<float>(ImGui::GetTime())) * 0.5f + 0.5f);
    ImGui::Separator();
    for (const TabRow& tab : kTabs) {
        if (sidebarTab(tab.label, state.selectedTab == tab.id))
            state.selectedTab = tab.id;
    }
    const ImVec2 pos = ImGui::GetWindowPos();
    const ImVec2 size = ImGui::GetWindowSize();
    drawGoldEgg(egg, pos.x, pos.y, size.x, size.y);
    ImGui::EndChild();
}

// The selected tab's row; an id that no row has selects the first tab.
const TabRow& selectedRow(MenuState& state) {
    if (const TabRow* row = findTab(state.selectedTab))
        return *row;
    state.selectedTab = kTabs[0].id;
    return kTabs[0];
}

void drawContent(const MenuContext& menu, const ImVec4& vivid) {
    beginChildScaled("vtx_content", ImVec2(0, 0), true);
    const TabRow& tab = selectedRow(menu.state);
    const bool accentText = tab.text == TabText::Accent;
    if (accentText)
        ImGui::PushStyleColor(ImGuiCol_Text, ImVec4(vivid.x, vivid.y, vivid.z, 1.0f));
    tab.draw(menu);
    if (accentText)
        ImGui::PopStyleColor();
    ImGui::EndChild();
}

void noteOpenState(MenuState& state, bool open) {
    if (open && !state.menuWasOpen)
        state.credits = CreditsWrap{};
    state.menuWasOpen = open;
}
} // namespace

void drawMenu(const MenuContext& menu) {
    if (!menu.console)
        return;
    CVarManagerWrapper& cvars = menu.cvars();
    MenuState& state = menu.state;
    EggState& egg = menu.egg;
    const MenuColours colours = readColours(cvars);
    const ImVec4 vivid = vividAccent(ImVec4(colours.accent.x, colours.accent.y, colours.accent.z, 1.0f));
    applyMenuTheme(colours.accent, colours.menuAlpha);

    const ImVec2 display = ImGui::GetIO().DisplaySize;
    ImGui::SetNextWindowSize(ImVec2(980, 620), ImGuiCond_FirstUseEver);
    ImGui::SetNextWindowSizeConstraints(ImVec2(display.x * 0.25f, display.y * 0.25f), display);
    bool open = true;
    if (state.focusOnNextRender) {
        ImGui::SetNextWindowFocus();
        state.focusOnNextRender = false;
    }
    const std::string title = kMenuTitle;
    const ImGuiWindowFlags flags = ImGuiWindowFlags_NoTitleBar | ImGuiWindowFlags_NoScrollbar |
                                   ImGuiWindowFlags_NoScrollWithMouse | ImGuiWindowFlags_NoCollapse;
    ImGuiIO& io = ImGui::GetIO();
    const FrameSetup setup{io.FontGlobalScale};
    if (!ImGui::Begin(title.c_str(), &open, flags)) {
        setup.finish();
        return;
    }
    if (!state.fontScaleForced) {
        getCvar(cvars, cvar::kUiFontScale).setValue(std::string(cvar::kUiFontScale.defaultValue));
        state.fontScaleForced = true;
    }
    io.FontGlobalScale = kMenuFontScale;
    ImGui::SetWindowFontScale(kMenuFontScale);
    state.menuDrawnOnce = true;
    state.initBadgePending = false;
    noteOpenState(state, open);
    if (!open) {
        setup.finish();
        askToClose(cvars);
        return;
    }
    if (!drawTopBar(egg, title.c_str(), ImGui::GetWindowPos())) {
        setup.finish();
        askToClose(cvars);
        return;
    }
    beginChildScaled("vtx_body", ImVec2(0, 0), false);
    drawSidebar(state, egg, colours.menuAlpha);
    ImGui::SameLine();
    drawContent(menu, vivid);
    ImGui::EndChild();
    setup.finish();
}

} // namespace vtx
