#include "core/Catalogue.h"

#include <charconv>

#include "bakkesmod/wrappers/cvarmanagerwrapper.h"
#include "core/Version.h"

namespace vtx {

namespace {
constexpr CvarRange kNoRange{};
constexpr CvarRange between(float min, float max) { return CvarRange{true, min, true, max}; }
constexpr CvarRange minOnly(float min) { return CvarRange{true, min, false, 0}; }
} // namespace

const std::array<CvarSpec, 44> kEarlyCvars = {{
    {"vtx_version", kVersion, "Vantrix version (read-only)", kNoRange, Reader::Stored},
    {"vtx_ui_accent_r", "0.616", "UI accent color R (0..1)", between(0, 1), Reader::Float},
    {"vtx_ui_accent_g", "0.000", "UI accent color G (0..1)", between(0, 1), Reader::Float},
    {"vtx_ui_accent_b", "1.000", "UI accent color B (0..1)", between(0, 1), Reader::Float},
    {"vtx_ui_accent_a", "1.000", "UI accent alpha A (0..1)", between(0, 1), Reader::Float},
    {"vtx_ui_menu_alpha", "0.98", "Menu transparency (0.30..1.00)", between(0.3f, 1), Reader::Float},
    {"vtx_ui_font_scale", "1.25", "Menu font scale (0.80..1.50)", between(0.8f, 1.5f), Reader::Stored},
    {"vtx_patreon_bullet_r", "0.616", "Patreon bullet color R (0..1)", between(0, 1), Reader::Stored},
    {"vtx_patreon_bullet_g", "0.000", "Patreon bullet color G (0..1)", between(0, 1), Reader::Stored},
    {"vtx_patreon_bullet_b", "1.000", "Patreon bullet color B (0..1)", between(0, 1), Reader::Stored},
    {"vtx_patreon_bullet_a", "1.000", "Patreon bullet alpha A (0..1)", between(0, 1), Reader::Stored},
    {"vtx_patreon_font_scale", "1.00", "Patreon font scale (0.80..1.50)", between(0.8f, 1.5f), Reader::Stored},
    {"vtx_patreon_bullet_initialized", "0", "Internal: Patreon bullet color initialized", minOnly(0), Reader::Stored},
    {"vtx_patreon_bullet_user_override", "0", "Internal: Patreon bullet color overridden by user", minOnly(0),
     Reader::Stored},
    {"vtx_enabled", "1", "Enable overlay (0/1)", kNoRange, Reader::Int},
    {"vtx_online_only", "1", "Require allowed mode (0/1).", kNoRange, Reader::Int},
    {"vtx_show_freeplay_workshop", "1", "Also allow Freeplay + Workshop (0/1)", kNoRange, Reader::Int},
    {"vtx_hide_in_menus", "1", "Hide overlay when paused / controller-menu latch (0/1)", kNoRange, Reader::Int},
    {"vtx_hide_controller_menu", "1", "Hide when controller pause/menu is opened (0/1)", kNoRange, Reader::Stored},
    {"vtx_hide_replays", "1", "Hide overlay during goal replays/replays (0/1)", kNoRange, Reader::Int},
    {"vtx_hide_postgame", "1", "Hide overlay during postgame/podium/end scene (0/1)", kNoRange, Reader::Int},
    {"vtx_require_local_car", "1", "Hide overlay when no local car exists (menus/spectating) (0/1)", kNoRange,
     Reader::Int},
    {"vtx_fade_enable", "1", "Fade instead of hard hide (0/1)", kNoRange, Reader::Int},
    {"vtx_fade_ms", "180", "Fade time in ms (50..1000)", kNoRange, Reader::Float},
    {"vtx_replay_failsafe_ms", "2500", "Replay auto-clear failsafe in ms (0 disables)", kNoRange, Reader::Int},
    {"vtx_replay_hide_ms", "12000", "How long to hide after a goal/replay starts (ms, 0 disables timer)", kNoRange,
     Reader::Int},
    {"vtx_replay_hide_s", "12.0", "How long to hide after a goal replay starts (seconds)", kNoRange, Reader::Float},
    {"vtx_trigger_alpha_off_pct", "0", "Trigger alpha at 0% press (0..100)", kNoRange, Reader::Float},
    {"vtx_trigger_alpha_on_pct", "100", "Trigger alpha at 100% press (0..100)", kNoRange, Reader::Float},
    {"vtx_debug_state", "0", "Log replay/postgame flags periodically (0/1)", kNoRange, Reader::Int},
    {"vtx_x", "20", "Overlay X", between(0, 4000), Reader::Float},
    {"vtx_y", "980", "Overlay Y (1440p start)", between(0, 2000), Reader::Float},
    {"vtx_scale", "1.0", "Overlay scale (700px pack => 1.0)", kNoRange, Reader::Float},
    {"vtx_layer_shift_x", "0", "Global shift X for layers", kNoRange, Reader::Float},
    {"vtx_layer_shift_y", "0", "Global shift Y for layers", kNoRange, Reader::Float},
    {"vtx_sticks_always", "1", "Always draw sticks (0/1)", kNoRange, Reader::Int},
    {"vtx_stick_range", "18", "Stick movement range (pixels)", kNoRange, Reader::Float},
    {"vtx_deadzone", "0.12", "Stick deadzone", kNoRange, Reader::Float},
    {"vtx_stick_smooth", "0.90", "Stick smoothing (0..0.98)", kNoRange, Reader::Float},
    {"vtx_trigger_thresh", "0.10", "Trigger threshold", kNoRange, Reader::Float},
    {"vtx_pad", "-1", "XInput pad: -1 auto, 0-3 fixed", kNoRange, Reader::Int},
    {"vtx_hotkey_vk", "0", "Hotkey virtual-key code (default F9=120)", kNoRange, Reader::Int},
    {"vtx_hotkey_mod1", "0", "Hotkey modifier 1: 0=None 1=CTRL 2=SHIFT 3=ALT", kNoRange, Reader::Int},
    {"vtx_hotkey_mod2", "0", "Hotkey modifier 2: 0=None 1=CTRL 2=SHIFT 3=ALT", kNoRange, Reader::Int},
}};

const std::array<CvarSpec, 4> kLateCvars = {{
    {kSkinCvar, "", "Skin folder name (subfolder of .../Vantrix/skins)", kNoRange, Reader::String},
    {"vtx_autosave", "0", "Autosave last pos while moving (0/1).", kNoRange, Reader::Int},
    {"vtx_load_saved", "0", "Load saved pos at startup (0/1).", kNoRange, Reader::Int},
    {"vtx_load_saved_settings", "1", "Load settings from vtx_saved_settings.ini on startup (0/1).", kNoRange,
     Reader::Int},
}};

const std::array<std::string_view, 37> kSettingsFileKeys = {
    "vtx_enabled",
    "vtx_online_only",
    "vtx_show_freeplay_workshop",
    "vtx_hide_in_menus",
    "vtx_hide_controller_menu",
    "vtx_hide_replays",
    "vtx_hide_postgame",
    "vtx_fade_enable",
    "vtx_fade_ms",
    "vtx_replay_failsafe_ms",
    "vtx_replay_hide_s",
    "vtx_replay_hide_ms",
    "vtx_x",
    "vtx_y",
    "vtx_scale",
    "vtx_layer_shift_x",
    "vtx_layer_shift_y",
    "vtx_sticks_always",
    "vtx_stick_range",
    "vtx_deadzone",
    "vtx_stick_smooth",
    "vtx_trigger_thresh",
    "vtx_trigger_alpha_off_pct",
    "vtx_trigger_alpha_on_pct",
    "vtx_pad",
    "vtx_hotkey_vk",
    "vtx_hotkey_mod1",
    "vtx_hotkey_mod2",
    kSkinCvar,
    "vtx_require_local_car",
    "vtx_ui_accent_r",
    "vtx_ui_accent_g",
    "vtx_ui_accent_b",
    "vtx_ui_accent_a",
    "vtx_ui_menu_alpha",
    "vtx_ui_font_scale",
    "vtx_debug_state",
};

// Left alone by the reset: the menu's look, the replay timers, the local-car
// rule, the debug switch, the start-up switches and the stored-only values.
const std::array<ResetEntry, 27> kResetEntries = {{
    {"vtx_enabled", ResetAs::Int, ""},
    {"vtx_online_only", ResetAs::Int, ""},
    {"vtx_show_freeplay_workshop", ResetAs::Int, ""},
    {"vtx_hide_in_menus", ResetAs::Int, ""},
    {"vtx_hide_controller_menu", ResetAs::Int, ""},
    {"vtx_hide_replays", ResetAs::Int, ""},
    {"vtx_hide_postgame", ResetAs::Int, ""},
    {"vtx_fade_enable", ResetAs::Int, ""},
    {"vtx_fade_ms", ResetAs::Int, ""},
    {"vtx_replay_failsafe_ms", ResetAs::Int, ""},
    {"vtx_x", ResetAs::Float, ""},
    {"vtx_y", ResetAs::Float, ""},
    {"vtx_scale", ResetAs::Float, ""},
    {"vtx_layer_shift_x", ResetAs::Float, ""},
    {"vtx_layer_shift_y", ResetAs::Float, ""},
    {"vtx_sticks_always", ResetAs::Int, ""},
    {"vtx_stick_range", ResetAs::Float, ""},
    {"vtx_deadzone", ResetAs::Float, ""},
    {"vtx_stick_smooth", ResetAs::Float, ""},
    {"vtx_trigger_thresh", ResetAs::Float, ""},
    {"vtx_trigger_alpha_off_pct", ResetAs::Float, ""},
    {"vtx_trigger_alpha_on_pct", ResetAs::Float, ""},
    {"vtx_pad", ResetAs::Int, ""},
    {"vtx_hotkey_vk", ResetAs::Int, "120"}, // F9, which the registered default leaves unset
    {"vtx_hotkey_mod1", ResetAs::Int, ""},
    {"vtx_hotkey_mod2", ResetAs::Int, ""},
    {kSkinCvar, ResetAs::Text, "xbox"}, // the start-up default is whatever skin was found
}};

std::string layerOffsetName(std::string_view code, Axis axis) {
    return "vtx_off_" + std::string(code) + (axis == Axis::X ? "_x" : "_y");
}

std::string layerOffsetDescription(std::string_view code, Axis axis) {
    return std::string(axis == Axis::X ? "Offset X for " : "Offset Y for ") + std::string(code);
}

CVarWrapper registerCvar(CVarManagerWrapper& cvars, const CvarSpec& spec, std::string_view defaultValue) {
    return cvars.registerCvar(std::string(spec.name), std::string(defaultValue), std::string(spec.description), true,
                              spec.range.hasMin, spec.range.min, spec.range.hasMax, spec.range.max, true);
}

void registerCvars(CVarManagerWrapper& cvars, std::span<const CvarSpec> specs) {
    for (const CvarSpec& spec : specs) {
        registerCvar(cvars, spec, spec.defaultValue);
    }
}

void registerLayerOffsets(CVarManagerWrapper& cvars) {
    for (std::string_view code : kLayerCodes) {
        for (Axis axis : {Axis::X, Axis::Y}) {
            cvars.registerCvar(layerOffsetName(code, axis), "0", layerOffsetDescription(code, axis), true, false, 0,
                               false, 0, true);
        }
    }
}

const CvarSpec* findCvarSpec(std::string_view name) {
    for (const auto& table : {std::span<const CvarSpec>(kEarlyCvars), std::span<const CvarSpec>(kLateCvars)}) {
        for (const CvarSpec& spec : table) {
            if (spec.name == name) {
                return &spec;
            }
        }
    }
    return nullptr;
}

namespace {
std::string number(float value) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

std::string rangeText(const CvarRange& range) {
    if (range.hasMin && range.hasMax) {
        return number(range.min) + " .. " + number(range.max);
    }
    if (range.hasMin) {
        return "min " + number(range.min);
    }
    return "";
}

std::string_view readerText(Reader reader) {
    switch (reader) {
    case Reader::Int:
        return "integer";
    case Reader::Float:
        return "number";
    case Reader::String:
        return "text";
    case Reader::Stored:
        return "stored only";
    }
    return "";
}

// Pipes inside a cell would end it early.
std::string cell(std::string_view text) {
    std::string escaped;
    for (char c : text) {
        if (c == '|') {
            escaped += '\\';
        }
        escaped += c;
    }
    return escaped;
}

void appendRow(std::string& out, std::string_view name, std::string_view defaultValue, const std::string& range,
               std::string_view reader, std::string_view description) {
    out += "| `" + std::string(name) + "` | " +
           (defaultValue.empty() ? std::string() : "`" + cell(defaultValue) + "`") + " | " + range + " | " +
           std::string(reader) + " | " + cell(description) + " |\n";
}
} // namespace

std::string catalogueMarkdown() {
    std::string out = "| Variable | Default | Range | Read as | Description |\n|---|---|---|---|---|\n";
    for (const auto& table : {std::span<const CvarSpec>(kEarlyCvars), std::span<const CvarSpec>(kLateCvars)}) {
        for (const CvarSpec& spec : table) {
            const std::string_view defaultText = spec.name == kSkinCvar ? "(start-up skin)" : spec.defaultValue;
            appendRow(out, spec.name, defaultText, rangeText(spec.range), readerText(spec.reader), spec.description);
        }
    }
    for (std::string_view code : kLayerCodes) {
        for (Axis axis : {Axis::X, Axis::Y}) {
            appendRow(out, layerOffsetName(code, axis), "0", "", readerText(Reader::Float),
                      layerOffsetDescription(code, axis));
        }
    }
    return out;
}

} // namespace vtx
