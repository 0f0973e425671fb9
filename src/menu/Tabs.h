#pragma once
// The menu's tabs as one table: each row is a tab's sidebar label, the
// function that draws its contents and the colour of its text. The shell
// draws the sidebar and the selected tab from the table alone, so a new tab
// is a file with its draw function, its id, its declaration and one row.
#include <string_view>

namespace vtx {

struct MenuContext;

// What MenuState::selectedTab holds. A tab keeps its id wherever it sits in
// the sidebar, so the first eight keep the numbers they always had.
enum MenuTab {
    kTabGeneral = 0,
    kTabPosition = 1,
    kTabInput = 2,
    kTabCalibration = 3,
    kTabSkins = 4,
    kTabSettings = 5,
    kTabPatreon = 6,
    kTabDebug = 7,
    kTabCoaching = 8,
};

// Tabs speak in the accent colour; a tab drawn in the theme's own text
// colour says so.
enum class TabText { Accent, Theme };

using DrawTab = void (*)(const MenuContext& menu);

struct TabRow {
    MenuTab id;
    const char* label; // also the sidebar button's Dear ImGui id
    DrawTab draw;
    TabText text = TabText::Accent;
};

void drawGeneralTab(const MenuContext& menu);
void drawPositionTab(const MenuContext& menu);
void drawInputTab(const MenuContext& menu);
void drawCoachingTab(const MenuContext& menu);
void drawCalibrationTab(const MenuContext& menu);
void drawSkinsTab(const MenuContext& menu);
void drawSettingsTab(const MenuContext& menu);
void drawPatreonTab(const MenuContext& menu);
void drawDebugTab(const MenuContext& menu);

// In sidebar order. Coaching sits after Input: its trace shows the sticks as
// Input's dead zone and smoothing leave them, and both are tabs a player
// returns to, while Calibration and Skins are set up once.
inline constexpr TabRow kTabs[] = {
    {kTabGeneral, "General", drawGeneralTab},
    {kTabPosition, "Position / Scale", drawPositionTab},
    {kTabInput, "Input", drawInputTab},
    {kTabCoaching, "Coaching", drawCoachingTab},
    {kTabCalibration, "Calibration", drawCalibrationTab},
    {kTabSkins, "Skins", drawSkinsTab},
    {kTabSettings, "Settings", drawSettingsTab},
    // The credits keep the theme's text colour.
    {kTabPatreon, "Patreon", drawPatreonTab, TabText::Theme},
    {kTabDebug, "Debug", drawDebugTab},
};

// The row of a tab id; null when no row has it.
constexpr const TabRow* findTab(int id) {
    for (const TabRow& row : kTabs) {
        if (row.id == id)
            return &row;
    }
    return nullptr;
}

namespace tabs_detail {
// Two rows with one id would make one unreachable; two with one label would
// share a sidebar button's id.
constexpr bool rowsAreDistinct() {
    for (const TabRow& a : kTabs) {
        for (const TabRow& b : kTabs) {
            if (&a != &b && (a.id == b.id || std::string_view(a.label) == std::string_view(b.label)))
                return false;
        }
    }
    return true;
}
} // namespace tabs_detail
static_assert(tabs_detail::rowsAreDistinct(), "each tab has an id and a label of its own");
static_assert(findTab(kTabGeneral) == &kTabs[0], "the menu opens first on General, the sidebar's first tab");

// The overlay hotkey's assignment, at the end of the General tab. Does
// nothing without a console.
void drawKeybindSection(const MenuContext& menu);

} // namespace vtx
