#pragma once
// Every console variable of the plugin, declared once as a row of the table
// below. The registration order, the settings file's keys, the reset of all
// settings, the settings snapshot's slots, the menu's clamps, the limits a
// value is used within and the README's table are all read from these rows;
// code elsewhere names a variable through its row (cvar::kX), never by typing
// the name again. A new setting is one more row.
#include <algorithm>
#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "core/Clamp.h"
#include "core/Controls.h"
#include "core/Version.h"

class CVarManagerWrapper;
class CVarWrapper;

namespace vtx {

// How the plugin's consumers read a variable; Stored means nothing reads it
// beyond registration and the settings files.
enum class Reader { Int, Float, String, Stored };

// The range the host is given at registration.
struct CvarRange {
    bool hasMin = false;
    float min = 0;
    bool hasMax = false;
    float max = 0;
};

// Registered before the start-up skin is chosen, or after it.
enum class Registered { Early, Late };

// How "Reset all" sets the variable: not at all, or through the given form
// of setValue to `value` (empty: the registered default).
enum class ResetAs { None, Int, Float, Text };
struct ResetRule {
    ResetAs as = ResetAs::None;
    std::string_view value;
};

// What the menu lets a user pick (the slider's ends) and what it stores (the
// clamp); none when the menu does not edit the variable as a number.
struct MenuClamp {
    bool has = false;
    float sliderMin = 0;
    float sliderMax = 0;
    float clampMin = 0;
    float clampMax = 0;
};

// The limits the plugin keeps a value within wherever it uses it, whatever
// the host holds; none: the value is used as it is.
struct UseLimits {
    bool has = false;
    float min = 0;
    float max = 0;
};

struct CvarSpec {
    std::size_t index = 0; // the row's place in kAll, and its slot in the settings snapshot
    std::string_view name;
    std::string_view defaultValue;
    std::string_view description;
    CvarRange range;
    Reader reader = Reader::Stored;
    Registered registered = Registered::Early;
    bool inFile = false; // kept in vtx_saved_settings.ini
    ResetRule reset;
    MenuClamp menu;
    UseLimits use;
};

// `value` within the row's limits of use (one that is not a number counts as
// the lower limit); as it is when the row has none.
inline float withinUseLimits(const CvarSpec& row, float value) {
    return row.use.has ? clampSetting(value, row.use.min, row.use.max) : value;
}
inline int withinUseLimits(const CvarSpec& row, int value) {
    return row.use.has ? std::clamp(value, static_cast<int>(row.use.min), static_cast<int>(row.use.max)) : value;
}

namespace cvar {

inline constexpr CvarRange kNoRange{};
constexpr CvarRange between(float min, float max) { return CvarRange{true, min, true, max}; }
constexpr CvarRange minOnly(float min) { return CvarRange{true, min, false, 0}; }

inline constexpr bool kInFile = true;
inline constexpr bool kNotInFile = false;

inline constexpr ResetRule kKept{};
inline constexpr ResetRule kResetInt{ResetAs::Int, {}};
inline constexpr ResetRule kResetFloat{ResetAs::Float, {}};
constexpr ResetRule resetInt(std::string_view value) { return ResetRule{ResetAs::Int, value}; }
constexpr ResetRule resetText(std::string_view value) { return ResetRule{ResetAs::Text, value}; }

inline constexpr MenuClamp kNoMenu{};
constexpr MenuClamp menu(float min, float max) { return MenuClamp{true, min, max, min, max}; }
constexpr MenuClamp menu(float sliderMin, float sliderMax, float clampMin, float clampMax) {
    return MenuClamp{true, sliderMin, sliderMax, clampMin, clampMax};
}

inline constexpr UseLimits kAsIs{};
constexpr UseLimits usedWithin(float min, float max) { return UseLimits{true, min, max}; }

inline constexpr Registered E = Registered::Early;
inline constexpr Registered L = Registered::Late;

} // namespace cvar

// The rows, in registration order. Columns: the row's name in code, the
// variable's name, default, registered range, read as, registered early (E)
// or late (L), kept in the settings file, reset, menu clamp, limits of use,
// description.
//
// Left alone by the reset: the menu's look, the replay timers, the local-car
// rule, the debug switch, the start-up switches and the stored-only values.
// The reset writes vtx_hotkey_vk as F9, which the registered default leaves
// unset, and vtx_skin as "xbox": its registered default is the start-up skin,
// given at registration. The menu's scale field accepts values down to 0.05,
// below the slider's lower end.
// clang-format off
#define VTX_CATALOGUE_ROWS(ROW) \
    ROW(kPluginVersion,             "vtx_version",                      kVersion, kNoRange,            Reader::Stored, E, kNotInFile, kKept,             kNoMenu,                 kAsIs,                 "Vantrix version (read-only)") \
    ROW(kUiAccentR,                 "vtx_ui_accent_r",                  "0.616",  between(0, 1),       Reader::Float,  E, kInFile,    kKept,             menu(0, 1),              kAsIs,                 "UI accent color R (0..1)") \
    ROW(kUiAccentG,                 "vtx_ui_accent_g",                  "0.000",  between(0, 1),       Reader::Float,  E, kInFile,    kKept,             menu(0, 1),              kAsIs,                 "UI accent color G (0..1)") \
    ROW(kUiAccentB,                 "vtx_ui_accent_b",                  "1.000",  between(0, 1),       Reader::Float,  E, kInFile,    kKept,             menu(0, 1),              kAsIs,                 "UI accent color B (0..1)") \
    ROW(kUiAccentA,                 "vtx_ui_accent_a",                  "1.000",  between(0, 1),       Reader::Float,  E, kInFile,    kKept,             menu(0, 1),              kAsIs,                 "UI accent alpha A (0..1)") \
    ROW(kUiMenuAlpha,               "vtx_ui_menu_alpha",                "0.98",   between(0.3f, 1),    Reader::Float,  E, kInFile,    kKept,             menu(0.30f, 1.00f),      kAsIs,                 "Menu transparency (0.30..1.00)") \
    ROW(kUiFontScale,               "vtx_ui_font_scale",                "1.25",   between(0.8f, 1.5f), Reader::Stored, E, kInFile,    kKept,             kNoMenu,                 kAsIs,                 "Menu font scale (0.80..1.50)") \
    ROW(kPatreonBulletR,            "vtx_patreon_bullet_r",             "0.616",  between(0, 1),       Reader::Stored, E, kNotInFile, kKept,             kNoMenu,                 kAsIs,                 "Patreon bullet color R (0..1)") \
    ROW(kPatreonBulletG,            "vtx_patreon_bullet_g",             "0.000",  between(0, 1),       Reader::Stored, E, kNotInFile, kKept,             kNoMenu,                 kAsIs,                 "Patreon bullet color G (0..1)") \
    ROW(kPatreonBulletB,            "vtx_patreon_bullet_b",             "1.000",  between(0, 1),       Reader::Stored, E, kNotInFile, kKept,             kNoMenu,                 kAsIs,                 "Patreon bullet color B (0..1)") \
    ROW(kPatreonBulletA,            "vtx_patreon_bullet_a",             "1.000",  between(0, 1),       Reader::Stored, E, kNotInFile, kKept,             kNoMenu,                 kAsIs,                 "Patreon bullet alpha A (0..1)") \
    ROW(kPatreonFontScale,          "vtx_patreon_font_scale",           "1.00",   between(0.8f, 1.5f), Reader::Stored, E, kNotInFile, kKept,             kNoMenu,                 kAsIs,                 "Patreon font scale (0.80..1.50)") \
    ROW(kPatreonBulletInitialized,  "vtx_patreon_bullet_initialized",   "0",      minOnly(0),          Reader::Stored, E, kNotInFile, kKept,             kNoMenu,                 kAsIs,                 "Internal: Patreon bullet color initialized") \
    ROW(kPatreonBulletUserOverride, "vtx_patreon_bullet_user_override", "0",      minOnly(0),          Reader::Stored, E, kNotInFile, kKept,             kNoMenu,                 kAsIs,                 "Internal: Patreon bullet color overridden by user") \
    ROW(kEnabled,                   "vtx_enabled",                      "1",      kNoRange,            Reader::Int,    E, kInFile,    kResetInt,         kNoMenu,                 kAsIs,                 "Enable overlay (0/1)") \
    ROW(kOnlineOnly,                "vtx_online_only",                  "1",      kNoRange,            Reader::Int,    E, kInFile,    kResetInt,         kNoMenu,                 kAsIs,                 "Require allowed mode (0/1).") \
    ROW(kShowFreeplayWorkshop,      "vtx_show_freeplay_workshop",       "1",      kNoRange,            Reader::Int,    E, kInFile,    kResetInt,         kNoMenu,                 kAsIs,                 "Also allow Freeplay + Workshop (0/1)") \
    ROW(kHideInMenus,               "vtx_hide_in_menus",                "1",      kNoRange,            Reader::Int,    E, kInFile,    kResetInt,         kNoMenu,                 kAsIs,                 "Hide overlay when paused / controller-menu latch (0/1)") \
    ROW(kHideControllerMenu,        "vtx_hide_controller_menu",         "1",      kNoRange,            Reader::Stored, E, kInFile,    kResetInt,         kNoMenu,                 kAsIs,                 "Hide when controller pause/menu is opened (0/1)") \
    ROW(kHideReplays,               "vtx_hide_replays",                 "1",      kNoRange,            Reader::Int,    E, kInFile,    kResetInt,         kNoMenu,                 kAsIs,                 "Hide overlay during goal replays/replays (0/1)") \
    ROW(kHidePostgame,              "vtx_hide_postgame",                "1",      kNoRange,            Reader::Int,    E, kInFile,    kResetInt,         kNoMenu,                 kAsIs,                 "Hide overlay during postgame/podium/end scene (0/1)") \
    ROW(kRequireLocalCar,           "vtx_require_local_car",            "1",      kNoRange,            Reader::Int,    E, kInFile,    kKept,             kNoMenu,                 kAsIs,                 "Hide overlay when no local car exists (menus/spectating) (0/1)") \
    ROW(kFadeEnable,                "vtx_fade_enable",                  "1",      kNoRange,            Reader::Int,    E, kInFile,    kResetInt,         kNoMenu,                 kAsIs,                 "Fade instead of hard hide (0/1)") \
    ROW(kFadeMs,                    "vtx_fade_ms",                      "180",    kNoRange,            Reader::Float,  E, kInFile,    kResetInt,         kNoMenu,                 usedWithin(50, 1000),  "Fade time in ms (50..1000)") \
    ROW(kReplayFailsafeMs,          "vtx_replay_failsafe_ms",           "2500",   kNoRange,            Reader::Int,    E, kInFile,    kResetInt,         kNoMenu,                 kAsIs,                 "Replay auto-clear failsafe in ms (0 disables)") \
    ROW(kReplayHideMs,              "vtx_replay_hide_ms",               "12000",  kNoRange,            Reader::Int,    E, kInFile,    kKept,             kNoMenu,                 kAsIs,                 "How long to hide after a goal/replay starts (ms, 0 disables timer)") \
    ROW(kReplayHideS,               "vtx_replay_hide_s",                "12.0",   kNoRange,            Reader::Float,  E, kInFile,    kKept,             kNoMenu,                 usedWithin(0, 30),     "How long to hide after a goal replay starts (seconds)") \
    ROW(kTriggerAlphaOffPct,        "vtx_trigger_alpha_off_pct",        "0",      kNoRange,            Reader::Float,  E, kInFile,    kResetFloat,       kNoMenu,                 usedWithin(0, 100),    "Trigger alpha at 0% press (0..100)") \
    ROW(kTriggerAlphaOnPct,         "vtx_trigger_alpha_on_pct",         "100",    kNoRange,            Reader::Float,  E, kInFile,    kResetFloat,       kNoMenu,                 usedWithin(0, 100),    "Trigger alpha at 100% press (0..100)") \
    ROW(kDebugState,                "vtx_debug_state",                  "0",      kNoRange,            Reader::Int,    E, kInFile,    kKept,             kNoMenu,                 kAsIs,                 "Log replay/postgame flags periodically (0/1)") \
    ROW(kX,                         "vtx_x",                            "20",     between(0, 4000),    Reader::Float,  E, kInFile,    kResetFloat,       menu(0, 4000),           kAsIs,                 "Overlay X") \
    ROW(kY,                         "vtx_y",                            "980",    between(0, 2000),    Reader::Float,  E, kInFile,    kResetFloat,       menu(0, 2000),           kAsIs,                 "Overlay Y (1440p start)") \
    ROW(kScale,                     "vtx_scale",                        "1.0",    kNoRange,            Reader::Float,  E, kInFile,    kResetFloat,       menu(0.1f, 5, 0.05f, 5), usedWithin(0.05f, 5),  "Overlay scale (700px pack => 1.0)") \
    ROW(kLayerShiftX,               "vtx_layer_shift_x",                "0",      kNoRange,            Reader::Float,  E, kInFile,    kResetFloat,       kNoMenu,                 kAsIs,                 "Global shift X for layers") \
    ROW(kLayerShiftY,               "vtx_layer_shift_y",                "0",      kNoRange,            Reader::Float,  E, kInFile,    kResetFloat,       kNoMenu,                 kAsIs,                 "Global shift Y for layers") \
    ROW(kSticksAlways,              "vtx_sticks_always",                "1",      kNoRange,            Reader::Int,    E, kInFile,    kResetInt,         kNoMenu,                 kAsIs,                 "Always draw sticks (0/1)") \
    ROW(kStickRange,                "vtx_stick_range",                  "18",     kNoRange,            Reader::Float,  E, kInFile,    kResetFloat,       menu(0, 100),            kAsIs,                 "Stick movement range (pixels)") \
    ROW(kDeadzone,                  "vtx_deadzone",                     "0.12",   kNoRange,            Reader::Float,  E, kInFile,    kResetFloat,       menu(0, 0.95f),          usedWithin(0, 0.95f),  "Stick deadzone") \
    ROW(kStickSmooth,               "vtx_stick_smooth",                 "0.90",   kNoRange,            Reader::Float,  E, kInFile,    kResetFloat,       menu(0, 1),              usedWithin(0, 0.98f),  "Stick smoothing (0..0.98)") \
    ROW(kTriggerThresh,             "vtx_trigger_thresh",               "0.10",   kNoRange,            Reader::Float,  E, kInFile,    kResetFloat,       kNoMenu,                 usedWithin(0, 1),      "Trigger threshold") \
    ROW(kPad,                       "vtx_pad",                          "-1",     kNoRange,            Reader::Int,    E, kInFile,    kResetInt,         kNoMenu,                 kAsIs,                 "XInput pad: -1 auto, 0-3 fixed") \
    ROW(kHotkeyVk,                  "vtx_hotkey_vk",                    "0",      kNoRange,            Reader::Int,    E, kInFile,    resetInt("120"),   kNoMenu,                 kAsIs,                 "Hotkey virtual-key code (default F9=120)") \
    ROW(kHotkeyMod1,                "vtx_hotkey_mod1",                  "0",      kNoRange,            Reader::Int,    E, kInFile,    kResetInt,         kNoMenu,                 kAsIs,                 "Hotkey modifier 1: 0=None 1=CTRL 2=SHIFT 3=ALT") \
    ROW(kHotkeyMod2,                "vtx_hotkey_mod2",                  "0",      kNoRange,            Reader::Int,    E, kInFile,    kResetInt,         kNoMenu,                 kAsIs,                 "Hotkey modifier 2: 0=None 1=CTRL 2=SHIFT 3=ALT") \
    ROW(kTimingEnable,              "vtx_timing_enable",                "0",      kNoRange,            Reader::Int,    E, kInFile,    kResetInt,         kNoMenu,                 kAsIs,                 "Show the time between two presses under the pad (0/1)") \
    ROW(kTimingButton,              "vtx_timing_button",                "A",      kNoRange,            Reader::String, E, kInFile,    resetText("A"),    kNoMenu,                 kAsIs,                 "Button whose presses are timed (a skin layer name: A, LT, Start, PaddleL...)") \
    ROW(kTimingWindowMs,            "vtx_timing_window_ms",             "1000",   between(50, 2000),   Reader::Int,    E, kInFile,    kResetInt,         menu(50, 2000),          usedWithin(50, 2000),  "Longest gap between two timed presses, in ms (50..2000)") \
    ROW(kHistoryEnable,             "vtx_history_enable",               "0",      kNoRange,            Reader::Int,    E, kInFile,    kResetInt,         kNoMenu,                 kAsIs,                 "Show the input history beside the pad (0/1)") \
    ROW(kHistoryCount,              "vtx_history_count",                "6",      between(1, 12),      Reader::Int,    E, kInFile,    kResetInt,         menu(1, 12),             usedWithin(1, 12),     "Entries in the input history (1..12)") \
    ROW(kTraceEnable,               "vtx_trace_enable",                 "0",      kNoRange,            Reader::Int,    E, kInFile,    kResetInt,         kNoMenu,                 kAsIs,                 "Show the steering/throttle trace beside the pad (0/1)") \
    ROW(kTraceMs,                   "vtx_trace_ms",                     "2000",   between(500, 5000),  Reader::Int,    E, kInFile,    kResetInt,         menu(500, 5000),         usedWithin(500, 5000), "Time the trace shows, in ms (500..5000)") \
    ROW(kSkin,                      "vtx_skin",                         "",       kNoRange,            Reader::String, L, kInFile,    resetText("xbox"), kNoMenu,                 kAsIs,                 "Skin folder name (subfolder of .../Vantrix/skins)") \
    ROW(kAutosave,                  "vtx_autosave",                     "0",      kNoRange,            Reader::Int,    L, kNotInFile, kKept,             kNoMenu,                 kAsIs,                 "Autosave last pos while moving (0/1).") \
    ROW(kLoadSaved,                 "vtx_load_saved",                   "0",      kNoRange,            Reader::Int,    L, kNotInFile, kKept,             kNoMenu,                 kAsIs,                 "Load saved pos at startup (0/1).") \
    ROW(kLoadSavedSettings,         "vtx_load_saved_settings",          "1",      kNoRange,            Reader::Int,    L, kNotInFile, kKept,             kNoMenu,                 kAsIs,                 "Load settings from vtx_saved_settings.ini on startup (0/1).")
// clang-format on

namespace cvar {

// Each row's place in kAll.
enum class RowIndex : std::size_t {
#define VTX_ROW_INDEX(id, name, value, range, reader, when, file, reset, menu, use, description) id,
    VTX_CATALOGUE_ROWS(VTX_ROW_INDEX)
#undef VTX_ROW_INDEX
};

// clang-format off
#define VTX_ROW_SPEC(id, name, value, range, reader, when, file, reset, menu, use, description) \
    inline constexpr CvarSpec id{static_cast<std::size_t>(RowIndex::id), name, value, description, range, reader, when, file, reset, menu, use};
// clang-format on
VTX_CATALOGUE_ROWS(VTX_ROW_SPEC)
#undef VTX_ROW_SPEC

} // namespace cvar

// Every row, in registration order: the early ones, then the late ones.
inline constexpr std::array kAll = {
#define VTX_ROW_POINTER(id, name, value, range, reader, when, file, reset, menu, use, description) &cvar::id,
    VTX_CATALOGUE_ROWS(VTX_ROW_POINTER)
#undef VTX_ROW_POINTER
};
inline constexpr std::size_t kCvarCount = kAll.size();

// The settings file's first lines, in the order earlier versions wrote them,
// which files already on players' disks keep. Every other row kept in the file
// follows them in registration order, so a new one is appended: older versions
// skip keys they do not know.
inline constexpr std::array kEarlierFileOrder = {
    &cvar::kEnabled,
    &cvar::kOnlineOnly,
    &cvar::kShowFreeplayWorkshop,
    &cvar::kHideInMenus,
    &cvar::kHideControllerMenu,
    &cvar::kHideReplays,
    &cvar::kHidePostgame,
    &cvar::kFadeEnable,
    &cvar::kFadeMs,
    &cvar::kReplayFailsafeMs,
    &cvar::kReplayHideS,
    &cvar::kReplayHideMs,
    &cvar::kX,
    &cvar::kY,
    &cvar::kScale,
    &cvar::kLayerShiftX,
    &cvar::kLayerShiftY,
    &cvar::kSticksAlways,
    &cvar::kStickRange,
    &cvar::kDeadzone,
    &cvar::kStickSmooth,
    &cvar::kTriggerThresh,
    &cvar::kTriggerAlphaOffPct,
    &cvar::kTriggerAlphaOnPct,
    &cvar::kPad,
    &cvar::kHotkeyVk,
    &cvar::kHotkeyMod1,
    &cvar::kHotkeyMod2,
    &cvar::kSkin,
    &cvar::kRequireLocalCar,
    &cvar::kUiAccentR,
    &cvar::kUiAccentG,
    &cvar::kUiAccentB,
    &cvar::kUiAccentA,
    &cvar::kUiMenuAlpha,
    &cvar::kUiFontScale,
    &cvar::kDebugState,
};

namespace catalogue_detail {

constexpr std::size_t countRegistered(Registered when) {
    std::size_t count = 0;
    for (const CvarSpec* spec : kAll) {
        count += spec->registered == when ? 1 : 0;
    }
    return count;
}

template <Registered When> constexpr auto registeredIn() {
    std::array<CvarSpec, countRegistered(When)> out{};
    std::size_t next = 0;
    for (const CvarSpec* spec : kAll) {
        if (spec->registered == When) {
            out[next++] = *spec;
        }
    }
    return out;
}

constexpr std::size_t countInFile() {
    std::size_t count = 0;
    for (const CvarSpec* spec : kAll) {
        count += spec->inFile ? 1 : 0;
    }
    return count;
}

constexpr bool inEarlierOrder(const CvarSpec* spec) {
    return std::find(kEarlierFileOrder.begin(), kEarlierFileOrder.end(), spec) != kEarlierFileOrder.end();
}

// The earlier order names rows kept in the file, each once.
constexpr bool earlierOrderIsSound() {
    for (std::size_t i = 0; i < kEarlierFileOrder.size(); ++i) {
        if (!kEarlierFileOrder[i]->inFile ||
            std::count(kEarlierFileOrder.begin(), kEarlierFileOrder.end(), kEarlierFileOrder[i]) != 1) {
            return false;
        }
    }
    return true;
}

constexpr auto settingsFileOrder() {
    std::array<const CvarSpec*, countInFile()> out{};
    std::size_t next = 0;
    for (const CvarSpec* spec : kEarlierFileOrder) {
        out[next++] = spec;
    }
    for (const CvarSpec* spec : kAll) {
        if (spec->inFile && !inEarlierOrder(spec)) {
            out[next++] = spec;
        }
    }
    return out;
}

constexpr bool rowsKnowTheirPlace() {
    for (std::size_t i = 0; i < kAll.size(); ++i) {
        if (kAll[i]->index != i) {
            return false;
        }
    }
    return true;
}

constexpr bool earlyBeforeLate() {
    bool late = false;
    for (const CvarSpec* spec : kAll) {
        if (late && spec->registered == Registered::Early) {
            return false;
        }
        late = late || spec->registered == Registered::Late;
    }
    return true;
}

// The reset walks the settings file's order, so a variable it sets must be in the file.
constexpr bool resetOnlyFileKeys() {
    for (const CvarSpec* spec : kAll) {
        if (spec->reset.as != ResetAs::None && !spec->inFile) {
            return false;
        }
    }
    return true;
}

} // namespace catalogue_detail

static_assert(catalogue_detail::rowsKnowTheirPlace(), "each row's index is its place in kAll");
static_assert(catalogue_detail::earlyBeforeLate(), "kAll lists the early variables first");
static_assert(catalogue_detail::earlierOrderIsSound(), "the earlier file order names file rows, each once");
static_assert(catalogue_detail::resetOnlyFileKeys(), "the reset sets only variables of the settings file");

// Registered before the start-up skin is chosen, in this order.
inline constexpr auto kEarlyCvars = catalogue_detail::registeredIn<Registered::Early>();
// Registered after it; vtx_skin, first, gets the start-up skin as its default.
inline constexpr auto kLateCvars = catalogue_detail::registeredIn<Registered::Late>();
static_assert(kLateCvars[0].name == cvar::kSkin.name, "vtx_skin heads the late variables");

// The variables that vtx_saved_settings.ini holds, in file order; each one
// also carries the autosave handler.
inline constexpr auto kSettingsFile = catalogue_detail::settingsFileOrder();

// The reset of all settings: the variables of the settings file that it sets,
// in file order, each with the form and the value it is set with (the
// per-layer offsets follow, all set to 0 as floats).
struct ResetEntry {
    const CvarSpec* spec;
    ResetAs as;
    std::string_view value;
};
namespace catalogue_detail {
constexpr std::size_t countReset() {
    std::size_t count = 0;
    for (const CvarSpec* spec : kAll) {
        count += spec->reset.as != ResetAs::None ? 1 : 0;
    }
    return count;
}
constexpr auto resetEntries() {
    std::array<ResetEntry, countReset()> out{};
    std::size_t next = 0;
    for (const CvarSpec* spec : kSettingsFile) {
        if (spec->reset.as != ResetAs::None) {
            out[next++] = {spec, spec->reset.as, spec->reset.value.empty() ? spec->defaultValue : spec->reset.value};
        }
    }
    return out;
}
} // namespace catalogue_detail
inline constexpr auto kResetEntries = catalogue_detail::resetEntries();

// Each control's picture has two offset variables, registered in the
// controls' order: vtx_off_<code>_x, then vtx_off_<code>_y.
enum class Axis { X, Y };
std::string layerOffsetName(std::string_view code, Axis axis);
std::string layerOffsetDescription(std::string_view code, Axis axis);

// Registers each variable of `specs` (searchable, saved in the host's configuration).
void registerCvars(CVarManagerWrapper& cvars, std::span<const CvarSpec> specs);
// Registers one variable with the given default instead of the table's.
CVarWrapper registerCvar(CVarManagerWrapper& cvars, const CvarSpec& spec, std::string_view defaultValue);
// The per-layer offsets: for each control its X offset, then its Y offset.
void registerLayerOffsets(CVarManagerWrapper& cvars);

const CvarSpec* findCvarSpec(std::string_view name);

// The host's variable for a row (null when the host does not have it).
CVarWrapper getCvar(CVarManagerWrapper& cvars, const CvarSpec& spec);

// The registered default read as a number (0 when it is not one).
int defaultInt(const CvarSpec& spec);
float defaultFloat(const CvarSpec& spec);

// The Markdown table of every variable, as the README shows it.
std::string catalogueMarkdown();

} // namespace vtx
