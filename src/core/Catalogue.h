#pragma once
// Every console variable of the plugin, declared once as a row below. The
// registration order, the settings file's keys, the reset of all settings,
// the cached handles, the menu's clamps and the README's table are all read
// from these rows; code elsewhere names a variable through its row
// (cvar::kX.name), never by typing the name again.
#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

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

// Position in vtx_saved_settings.ini, counted from 1; 0: not in the file.
struct FileLine {
    int line = 0;
};

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

struct CvarSpec {
    std::string_view name;
    std::string_view defaultValue;
    std::string_view description;
    CvarRange range;
    Reader reader = Reader::Stored;
    Registered registered = Registered::Early;
    FileLine file;
    ResetRule reset;
    MenuClamp menu;
};

namespace cvar {

inline constexpr CvarRange kNoRange{};
constexpr CvarRange between(float min, float max) { return CvarRange{true, min, true, max}; }
constexpr CvarRange minOnly(float min) { return CvarRange{true, min, false, 0}; }

inline constexpr FileLine kNotInFile{};
constexpr FileLine fileLine(int line) { return FileLine{line}; }

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

inline constexpr Registered E = Registered::Early;
inline constexpr Registered L = Registered::Late;

// Left alone by the reset: the menu's look, the replay timers, the local-car
// rule, the debug switch, the start-up switches and the stored-only values.
// The reset writes vtx_hotkey_vk as F9, which the registered default leaves
// unset, and vtx_skin as "xbox": its start-up default is whatever skin was found.
// clang-format off
// Columns: name, default, description, registered range, read as, registered
// early (E) or late (L), line in the settings file, reset, menu clamp.
inline constexpr CvarSpec kPluginVersion{"vtx_version",                      kVersion, "Vantrix version (read-only)",                               kNoRange,          Reader::Stored, E, kNotInFile,    kKept,           kNoMenu};
inline constexpr CvarSpec kUiAccentR{"vtx_ui_accent_r",                      "0.616", "UI accent color R (0..1)",                                  between(0, 1),     Reader::Float,  E, fileLine(31),  kKept,           menu(0, 1)};
inline constexpr CvarSpec kUiAccentG{"vtx_ui_accent_g",                      "0.000", "UI accent color G (0..1)",                                  between(0, 1),     Reader::Float,  E, fileLine(32),  kKept,           menu(0, 1)};
inline constexpr CvarSpec kUiAccentB{"vtx_ui_accent_b",                      "1.000", "UI accent color B (0..1)",                                  between(0, 1),     Reader::Float,  E, fileLine(33),  kKept,           menu(0, 1)};
inline constexpr CvarSpec kUiAccentA{"vtx_ui_accent_a",                      "1.000", "UI accent alpha A (0..1)",                                  between(0, 1),     Reader::Float,  E, fileLine(34),  kKept,           menu(0, 1)};
inline constexpr CvarSpec kUiMenuAlpha{"vtx_ui_menu_alpha",                  "0.98",  "Menu transparency (0.30..1.00)",                            between(0.3f, 1),  Reader::Float,  E, fileLine(35),  kKept,           menu(0.30f, 1.00f)};
inline constexpr CvarSpec kUiFontScale{"vtx_ui_font_scale",                  "1.25",  "Menu font scale (0.80..1.50)",                              between(0.8f, 1.5f), Reader::Stored, E, fileLine(36), kKept,          kNoMenu};
inline constexpr CvarSpec kPatreonBulletR{"vtx_patreon_bullet_r",            "0.616", "Patreon bullet color R (0..1)",                             between(0, 1),     Reader::Stored, E, kNotInFile,    kKept,           kNoMenu};
inline constexpr CvarSpec kPatreonBulletG{"vtx_patreon_bullet_g",            "0.000", "Patreon bullet color G (0..1)",                             between(0, 1),     Reader::Stored, E, kNotInFile,    kKept,           kNoMenu};
inline constexpr CvarSpec kPatreonBulletB{"vtx_patreon_bullet_b",            "1.000", "Patreon bullet color B (0..1)",                             between(0, 1),     Reader::Stored, E, kNotInFile,    kKept,           kNoMenu};
inline constexpr CvarSpec kPatreonBulletA{"vtx_patreon_bullet_a",            "1.000", "Patreon bullet alpha A (0..1)",                             between(0, 1),     Reader::Stored, E, kNotInFile,    kKept,           kNoMenu};
inline constexpr CvarSpec kPatreonFontScale{"vtx_patreon_font_scale",        "1.00",  "Patreon font scale (0.80..1.50)",                           between(0.8f, 1.5f), Reader::Stored, E, kNotInFile,  kKept,           kNoMenu};
inline constexpr CvarSpec kPatreonBulletInitialized{"vtx_patreon_bullet_initialized", "0", "Internal: Patreon bullet color initialized",           minOnly(0),        Reader::Stored, E, kNotInFile,    kKept,           kNoMenu};
inline constexpr CvarSpec kPatreonBulletUserOverride{"vtx_patreon_bullet_user_override", "0", "Internal: Patreon bullet color overridden by user", minOnly(0),        Reader::Stored, E, kNotInFile,    kKept,           kNoMenu};
inline constexpr CvarSpec kEnabled{"vtx_enabled",                            "1",     "Enable overlay (0/1)",                                      kNoRange,          Reader::Int,    E, fileLine(1),   kResetInt,       kNoMenu};
inline constexpr CvarSpec kOnlineOnly{"vtx_online_only",                     "1",     "Require allowed mode (0/1).",                               kNoRange,          Reader::Int,    E, fileLine(2),   kResetInt,       kNoMenu};
inline constexpr CvarSpec kShowFreeplayWorkshop{"vtx_show_freeplay_workshop", "1",    "Also allow Freeplay + Workshop (0/1)",                      kNoRange,          Reader::Int,    E, fileLine(3),   kResetInt,       kNoMenu};
inline constexpr CvarSpec kHideInMenus{"vtx_hide_in_menus",                  "1",     "Hide overlay when paused / controller-menu latch (0/1)",    kNoRange,          Reader::Int,    E, fileLine(4),   kResetInt,       kNoMenu};
inline constexpr CvarSpec kHideControllerMenu{"vtx_hide_controller_menu",    "1",     "Hide when controller pause/menu is opened (0/1)",           kNoRange,          Reader::Stored, E, fileLine(5),   kResetInt,       kNoMenu};
inline constexpr CvarSpec kHideReplays{"vtx_hide_replays",                   "1",     "Hide overlay during goal replays/replays (0/1)",            kNoRange,          Reader::Int,    E, fileLine(6),   kResetInt,       kNoMenu};
inline constexpr CvarSpec kHidePostgame{"vtx_hide_postgame",                 "1",     "Hide overlay during postgame/podium/end scene (0/1)",       kNoRange,          Reader::Int,    E, fileLine(7),   kResetInt,       kNoMenu};
inline constexpr CvarSpec kRequireLocalCar{"vtx_require_local_car",          "1",     "Hide overlay when no local car exists (menus/spectating) (0/1)", kNoRange,     Reader::Int,    E, fileLine(30),  kKept,           kNoMenu};
inline constexpr CvarSpec kFadeEnable{"vtx_fade_enable",                     "1",     "Fade instead of hard hide (0/1)",                           kNoRange,          Reader::Int,    E, fileLine(8),   kResetInt,       kNoMenu};
inline constexpr CvarSpec kFadeMs{"vtx_fade_ms",                             "180",   "Fade time in ms (50..1000)",                                kNoRange,          Reader::Float,  E, fileLine(9),   kResetInt,       kNoMenu};
inline constexpr CvarSpec kReplayFailsafeMs{"vtx_replay_failsafe_ms",        "2500",  "Replay auto-clear failsafe in ms (0 disables)",             kNoRange,          Reader::Int,    E, fileLine(10),  kResetInt,       kNoMenu};
inline constexpr CvarSpec kReplayHideMs{"vtx_replay_hide_ms",                "12000", "How long to hide after a goal/replay starts (ms, 0 disables timer)", kNoRange, Reader::Int,    E, fileLine(12),  kKept,           kNoMenu};
inline constexpr CvarSpec kReplayHideS{"vtx_replay_hide_s",                  "12.0",  "How long to hide after a goal replay starts (seconds)",     kNoRange,          Reader::Float,  E, fileLine(11),  kKept,           kNoMenu};
inline constexpr CvarSpec kTriggerAlphaOffPct{"vtx_trigger_alpha_off_pct",   "0",     "Trigger alpha at 0% press (0..100)",                        kNoRange,          Reader::Float,  E, fileLine(23),  kResetFloat,     kNoMenu};
inline constexpr CvarSpec kTriggerAlphaOnPct{"vtx_trigger_alpha_on_pct",     "100",   "Trigger alpha at 100% press (0..100)",                      kNoRange,          Reader::Float,  E, fileLine(24),  kResetFloat,     kNoMenu};
inline constexpr CvarSpec kDebugState{"vtx_debug_state",                     "0",     "Log replay/postgame flags periodically (0/1)",              kNoRange,          Reader::Int,    E, fileLine(37),  kKept,           kNoMenu};
inline constexpr CvarSpec kX{"vtx_x",                                        "20",    "Overlay X",                                                 between(0, 4000),  Reader::Float,  E, fileLine(13),  kResetFloat,     menu(0, 4000)};
inline constexpr CvarSpec kY{"vtx_y",                                        "980",   "Overlay Y (1440p start)",                                   between(0, 2000),  Reader::Float,  E, fileLine(14),  kResetFloat,     menu(0, 2000)};
// The menu's scale field accepts values down to 0.05, below the slider's lower end.
inline constexpr CvarSpec kScale{"vtx_scale",                                "1.0",   "Overlay scale (700px pack => 1.0)",                         kNoRange,          Reader::Float,  E, fileLine(15),  kResetFloat,     menu(0.1f, 5, 0.05f, 5)};
inline constexpr CvarSpec kLayerShiftX{"vtx_layer_shift_x",                  "0",     "Global shift X for layers",                                 kNoRange,          Reader::Float,  E, fileLine(16),  kResetFloat,     kNoMenu};
inline constexpr CvarSpec kLayerShiftY{"vtx_layer_shift_y",                  "0",     "Global shift Y for layers",                                 kNoRange,          Reader::Float,  E, fileLine(17),  kResetFloat,     kNoMenu};
inline constexpr CvarSpec kSticksAlways{"vtx_sticks_always",                 "1",     "Always draw sticks (0/1)",                                  kNoRange,          Reader::Int,    E, fileLine(18),  kResetInt,       kNoMenu};
inline constexpr CvarSpec kStickRange{"vtx_stick_range",                     "18",    "Stick movement range (pixels)",                             kNoRange,          Reader::Float,  E, fileLine(19),  kResetFloat,     menu(0, 100)};
inline constexpr CvarSpec kDeadzone{"vtx_deadzone",                          "0.12",  "Stick deadzone",                                            kNoRange,          Reader::Float,  E, fileLine(20),  kResetFloat,     menu(0, 0.95f)};
inline constexpr CvarSpec kStickSmooth{"vtx_stick_smooth",                   "0.90",  "Stick smoothing (0..0.98)",                                 kNoRange,          Reader::Float,  E, fileLine(21),  kResetFloat,     menu(0, 1)};
inline constexpr CvarSpec kTriggerThresh{"vtx_trigger_thresh",               "0.10",  "Trigger threshold",                                         kNoRange,          Reader::Float,  E, fileLine(22),  kResetFloat,     kNoMenu};
inline constexpr CvarSpec kPad{"vtx_pad",                                    "-1",    "XInput pad: -1 auto, 0-3 fixed",                            kNoRange,          Reader::Int,    E, fileLine(25),  kResetInt,       kNoMenu};
inline constexpr CvarSpec kHotkeyVk{"vtx_hotkey_vk",                         "0",     "Hotkey virtual-key code (default F9=120)",                  kNoRange,          Reader::Int,    E, fileLine(26),  resetInt("120"), kNoMenu};
inline constexpr CvarSpec kHotkeyMod1{"vtx_hotkey_mod1",                     "0",     "Hotkey modifier 1: 0=None 1=CTRL 2=SHIFT 3=ALT",            kNoRange,          Reader::Int,    E, fileLine(27),  kResetInt,       kNoMenu};
inline constexpr CvarSpec kHotkeyMod2{"vtx_hotkey_mod2",                     "0",     "Hotkey modifier 2: 0=None 1=CTRL 2=SHIFT 3=ALT",            kNoRange,          Reader::Int,    E, fileLine(28),  kResetInt,       kNoMenu};
inline constexpr CvarSpec kTimingEnable{"vtx_timing_enable",                 "0",     "Show the time between two presses under the pad (0/1)",     kNoRange,          Reader::Int,    E, fileLine(38),  kResetInt,       kNoMenu};
inline constexpr CvarSpec kTimingButton{"vtx_timing_button",                 "A",     "Button whose presses are timed (a skin layer name: A, LT, Start, PaddleL...)", kNoRange, Reader::String, E, fileLine(39), resetText("A"), kNoMenu};
inline constexpr CvarSpec kTimingWindowMs{"vtx_timing_window_ms",            "1000",  "Longest gap between two timed presses, in ms (50..2000)",   between(50, 2000), Reader::Int,    E, fileLine(40),  kResetInt,       menu(50, 2000)};
inline constexpr CvarSpec kHistoryEnable{"vtx_history_enable",               "0",     "Show the input history beside the pad (0/1)",               kNoRange,          Reader::Int,    E, fileLine(41),  kResetInt,       kNoMenu};
inline constexpr CvarSpec kHistoryCount{"vtx_history_count",                 "6",     "Entries in the input history (1..12)",                      between(1, 12),    Reader::Int,    E, fileLine(42),  kResetInt,       menu(1, 12)};
inline constexpr CvarSpec kTraceEnable{"vtx_trace_enable",                   "0",     "Show the steering/throttle trace beside the pad (0/1)",     kNoRange,          Reader::Int,    E, fileLine(43),  kResetInt,       kNoMenu};
inline constexpr CvarSpec kTraceMs{"vtx_trace_ms",                           "2000",  "Time the trace shows, in ms (500..5000)",                   between(500, 5000), Reader::Int,   E, fileLine(44),  kResetInt,       menu(500, 5000)};
// Its default is the start-up skin, given at registration.
inline constexpr CvarSpec kSkin{"vtx_skin",                                  "",      "Skin folder name (subfolder of .../Vantrix/skins)",         kNoRange,          Reader::String, L, fileLine(29),  resetText("xbox"), kNoMenu};
inline constexpr CvarSpec kAutosave{"vtx_autosave",                          "0",     "Autosave last pos while moving (0/1).",                     kNoRange,          Reader::Int,    L, kNotInFile,    kKept,           kNoMenu};
inline constexpr CvarSpec kLoadSaved{"vtx_load_saved",                       "0",     "Load saved pos at startup (0/1).",                          kNoRange,          Reader::Int,    L, kNotInFile,    kKept,           kNoMenu};
inline constexpr CvarSpec kLoadSavedSettings{"vtx_load_saved_settings",      "1",     "Load settings from vtx_saved_settings.ini on startup (0/1).", kNoRange,        Reader::Int,    L, kNotInFile,    kKept,           kNoMenu};
// clang-format on

} // namespace cvar

// Every row, in registration order: the early ones, then the late ones.
inline constexpr std::array<const CvarSpec*, 55> kAll = {
    &cvar::kPluginVersion,
    &cvar::kUiAccentR,
    &cvar::kUiAccentG,
    &cvar::kUiAccentB,
    &cvar::kUiAccentA,
    &cvar::kUiMenuAlpha,
    &cvar::kUiFontScale,
    &cvar::kPatreonBulletR,
    &cvar::kPatreonBulletG,
    &cvar::kPatreonBulletB,
    &cvar::kPatreonBulletA,
    &cvar::kPatreonFontScale,
    &cvar::kPatreonBulletInitialized,
    &cvar::kPatreonBulletUserOverride,
    &cvar::kEnabled,
    &cvar::kOnlineOnly,
    &cvar::kShowFreeplayWorkshop,
    &cvar::kHideInMenus,
    &cvar::kHideControllerMenu,
    &cvar::kHideReplays,
    &cvar::kHidePostgame,
    &cvar::kRequireLocalCar,
    &cvar::kFadeEnable,
    &cvar::kFadeMs,
    &cvar::kReplayFailsafeMs,
    &cvar::kReplayHideMs,
    &cvar::kReplayHideS,
    &cvar::kTriggerAlphaOffPct,
    &cvar::kTriggerAlphaOnPct,
    &cvar::kDebugState,
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
    &cvar::kPad,
    &cvar::kHotkeyVk,
    &cvar::kHotkeyMod1,
    &cvar::kHotkeyMod2,
    &cvar::kTimingEnable,
    &cvar::kTimingButton,
    &cvar::kTimingWindowMs,
    &cvar::kHistoryEnable,
    &cvar::kHistoryCount,
    &cvar::kTraceEnable,
    &cvar::kTraceMs,
    &cvar::kSkin,
    &cvar::kAutosave,
    &cvar::kLoadSaved,
    &cvar::kLoadSavedSettings,
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
        count += spec->file.line > 0 ? 1 : 0;
    }
    return count;
}

// The lines run 1..N, each held by exactly one variable.
constexpr bool fileLinesAreDense() {
    for (std::size_t line = 1; line <= countInFile(); ++line) {
        std::size_t holders = 0;
        for (const CvarSpec* spec : kAll) {
            holders += spec->file.line == static_cast<int>(line) ? 1 : 0;
        }
        if (holders != 1) {
            return false;
        }
    }
    return true;
}

constexpr auto settingsFileOrder() {
    std::array<const CvarSpec*, countInFile()> out{};
    for (const CvarSpec* spec : kAll) {
        if (spec->file.line > 0) {
            out[static_cast<std::size_t>(spec->file.line - 1)] = spec;
        }
    }
    return out;
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
        if (spec->reset.as != ResetAs::None && spec->file.line == 0) {
            return false;
        }
    }
    return true;
}

} // namespace catalogue_detail

static_assert(catalogue_detail::earlyBeforeLate(), "kAll lists the early variables first");
static_assert(catalogue_detail::fileLinesAreDense(), "each settings-file line belongs to one variable");
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
