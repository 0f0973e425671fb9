// The variables the plugin registers are exactly its catalogue: names,
// order, defaults, descriptions, ranges and flags; and the README agrees.
#include <charconv>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "PluginHost.h"
#include "core/Catalogue.h"

namespace {

std::vector<vtxhost::CVarInfo> pluginCvars(const vtxhost::Host& host) {
    std::vector<vtxhost::CVarInfo> result;
    for (const vtxhost::CVarInfo& info : host.cvars()) {
        if (info.name.rfind("vtx_", 0) == 0) {
            result.push_back(info);
        }
    }
    return result;
}

void expectMatches(const vtxhost::CVarInfo& info, const vtx::CvarSpec& spec) {
    SCOPED_TRACE(info.name);
    EXPECT_EQ(info.name, spec.name);
    EXPECT_EQ(info.defaultValue, spec.defaultValue);
    EXPECT_EQ(info.value, spec.defaultValue);
    EXPECT_EQ(info.description, spec.description);
    EXPECT_EQ(info.hasMin, spec.range.hasMin);
    EXPECT_EQ(info.hasMax, spec.range.hasMax);
    if (spec.range.hasMin) {
        EXPECT_FLOAT_EQ(info.min, spec.range.min);
    }
    if (spec.range.hasMax) {
        EXPECT_FLOAT_EQ(info.max, spec.range.max);
    }
    EXPECT_TRUE(info.searchable);
    EXPECT_TRUE(info.save);
}

TEST(Catalogue, RegistersEveryVariableInTableOrderWithItsAttributes) {
    vtxtest::PluginHost env;
    env.load();
    const std::vector<vtxhost::CVarInfo> cvars = pluginCvars(*env.host);
    // Every control's offsets: the fourteen layers, then Start, Back and the
    // Sony pads' extra buttons.
    const char* const codes[] = {"A",  "B",        "X",    "Y",   "DU",  "DD",      "DL",     "DR",
                                 "LB", "RB",       "LT",   "RT",  "L3",  "R3",      "Start",  "Back",
                                 "PS", "Touchpad", "Mute", "FnL", "FnR", "PaddleL", "PaddleR"};
    ASSERT_EQ(cvars.size(), 51u + 4u + 2 * std::size(codes));

    std::size_t i = 0;
    for (const vtx::CvarSpec& spec : vtx::kEarlyCvars) {
        expectMatches(cvars[i++], spec);
    }
    for (const vtx::CvarSpec& spec : vtx::kLateCvars) {
        expectMatches(cvars[i++], spec);
    }
    for (std::string_view code : codes) {
        for (const char* axis : {"_x", "_y"}) {
            const vtxhost::CVarInfo& info = cvars[i++];
            EXPECT_EQ(info.name, "vtx_off_" + std::string(code) + axis);
            EXPECT_EQ(info.value, "0");
            EXPECT_EQ(info.description,
                      std::string(axis[1] == 'x' ? "Offset X for " : "Offset Y for ") + std::string(code));
            EXPECT_FALSE(info.hasMin || info.hasMax);
        }
    }
}

// Independent of the tables: a few values users rely on, spelled out.
TEST(Catalogue, KnownValuesSpelledOut) {
    const vtx::CvarSpec* version = vtx::findCvarSpec("vtx_version");
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->defaultValue, "1.0.5");
    EXPECT_EQ(vtx::kEarlyCvars.front().name, "vtx_version");
    EXPECT_EQ(vtx::kEarlyCvars.back().name, "vtx_trace_ms");
    EXPECT_EQ(vtx::findCvarSpec("vtx_timing_button")->defaultValue, "A");
    EXPECT_EQ(vtx::findCvarSpec("vtx_timing_window_ms")->range.min, 50.0f);
    EXPECT_EQ(vtx::findCvarSpec("vtx_timing_window_ms")->range.max, 2000.0f);
    // The coach's history and trace: switches off, a count and a time within registered ranges.
    EXPECT_EQ(vtx::findCvarSpec("vtx_history_enable")->defaultValue, "0");
    EXPECT_EQ(vtx::findCvarSpec("vtx_history_count")->defaultValue, "6");
    EXPECT_EQ(vtx::findCvarSpec("vtx_history_count")->range.min, 1.0f);
    EXPECT_EQ(vtx::findCvarSpec("vtx_history_count")->range.max, 12.0f);
    EXPECT_EQ(vtx::findCvarSpec("vtx_trace_enable")->defaultValue, "0");
    EXPECT_EQ(vtx::findCvarSpec("vtx_trace_ms")->defaultValue, "2000");
    EXPECT_EQ(vtx::findCvarSpec("vtx_trace_ms")->range.min, 500.0f);
    EXPECT_EQ(vtx::findCvarSpec("vtx_trace_ms")->range.max, 5000.0f);
    EXPECT_FALSE(vtx::findCvarSpec("vtx_trace_enable")->range.hasMin);
    EXPECT_EQ(vtx::findCvarSpec("vtx_history_enable")->reader, vtx::Reader::Int);
    EXPECT_EQ(vtx::kLateCvars.front().name, "vtx_skin");
    EXPECT_EQ(vtx::kLateCvars.back().name, "vtx_load_saved_settings");

    const vtx::CvarSpec* x = vtx::findCvarSpec("vtx_x");
    ASSERT_NE(x, nullptr);
    EXPECT_TRUE(x->range.hasMin && x->range.hasMax);
    EXPECT_FLOAT_EQ(x->range.max, 4000.0f);
    const vtx::CvarSpec* bulletFlag = vtx::findCvarSpec("vtx_patreon_bullet_initialized");
    ASSERT_NE(bulletFlag, nullptr);
    EXPECT_TRUE(bulletFlag->range.hasMin);
    EXPECT_FALSE(bulletFlag->range.hasMax);
    EXPECT_EQ(vtx::findCvarSpec("vtx_hotkey_vk")->defaultValue, "0");
    EXPECT_EQ(vtx::findCvarSpec("vtx_fade_ms")->description, "Fade time in ms (50..1000)");
    EXPECT_EQ(vtx::findCvarSpec("vtx_off_A_x"), nullptr);

    EXPECT_EQ(vtx::layerOffsetName("DU", vtx::Axis::X), "vtx_off_DU_x");
    EXPECT_EQ(vtx::layerOffsetName("R3", vtx::Axis::Y), "vtx_off_R3_y");
}

// The lists derived from the rows, each against the order users and files rely on, spelled out.
TEST(Catalogue, RegistrationOrderSpelledOut) {
    vtxtest::PluginHost env;
    env.load();
    std::vector<std::string> registered;
    for (const vtxhost::CVarInfo& info : pluginCvars(*env.host)) {
        registered.push_back(info.name);
    }
    std::vector<std::string> want = {
        // Before the start-up skin is chosen.
        "vtx_version", "vtx_ui_accent_r", "vtx_ui_accent_g", "vtx_ui_accent_b", "vtx_ui_accent_a", "vtx_ui_menu_alpha",
        "vtx_ui_font_scale", "vtx_patreon_bullet_r", "vtx_patreon_bullet_g", "vtx_patreon_bullet_b",
        "vtx_patreon_bullet_a", "vtx_patreon_font_scale", "vtx_patreon_bullet_initialized",
        "vtx_patreon_bullet_user_override", "vtx_enabled", "vtx_online_only", "vtx_show_freeplay_workshop",
        "vtx_hide_in_menus", "vtx_hide_controller_menu", "vtx_hide_replays", "vtx_hide_postgame",
        "vtx_require_local_car", "vtx_fade_enable", "vtx_fade_ms", "vtx_replay_failsafe_ms", "vtx_replay_hide_ms",
        "vtx_replay_hide_s", "vtx_trigger_alpha_off_pct", "vtx_trigger_alpha_on_pct", "vtx_debug_state", "vtx_x",
        "vtx_y", "vtx_scale", "vtx_layer_shift_x", "vtx_layer_shift_y", "vtx_sticks_always", "vtx_stick_range",
        "vtx_deadzone", "vtx_stick_smooth", "vtx_trigger_thresh", "vtx_pad", "vtx_hotkey_vk", "vtx_hotkey_mod1",
        "vtx_hotkey_mod2", "vtx_timing_enable", "vtx_timing_button", "vtx_timing_window_ms", "vtx_history_enable",
        "vtx_history_count", "vtx_trace_enable", "vtx_trace_ms",
        // After it.
        "vtx_skin", "vtx_autosave", "vtx_load_saved", "vtx_load_saved_settings"};
    for (const char* code :
         {"A",  "B",  "X",     "Y",    "DU", "DD",       "DL",   "DR",  "LB",  "RB",      "LT",     "RT",
          "L3", "R3", "Start", "Back", "PS", "Touchpad", "Mute", "FnL", "FnR", "PaddleL", "PaddleR"}) {
        want.push_back(std::string("vtx_off_") + code + "_x");
        want.push_back(std::string("vtx_off_") + code + "_y");
    }
    EXPECT_EQ(registered, want);
    EXPECT_EQ(vtx::kEarlyCvars.size(), 51u);
    EXPECT_EQ(vtx::kLateCvars.size(), 4u);
}

TEST(Catalogue, SettingsFileKeysSpelledOut) {
    std::vector<std::string_view> keys;
    for (const vtx::CvarSpec* spec : vtx::kSettingsFile) {
        keys.push_back(spec->name);
    }
    const std::vector<std::string_view> want = {
        "vtx_enabled", "vtx_online_only", "vtx_show_freeplay_workshop", "vtx_hide_in_menus", "vtx_hide_controller_menu",
        "vtx_hide_replays", "vtx_hide_postgame", "vtx_fade_enable", "vtx_fade_ms", "vtx_replay_failsafe_ms",
        "vtx_replay_hide_s", "vtx_replay_hide_ms", "vtx_x", "vtx_y", "vtx_scale", "vtx_layer_shift_x",
        "vtx_layer_shift_y", "vtx_sticks_always", "vtx_stick_range", "vtx_deadzone", "vtx_stick_smooth",
        "vtx_trigger_thresh", "vtx_trigger_alpha_off_pct", "vtx_trigger_alpha_on_pct", "vtx_pad", "vtx_hotkey_vk",
        "vtx_hotkey_mod1", "vtx_hotkey_mod2", "vtx_skin", "vtx_require_local_car", "vtx_ui_accent_r", "vtx_ui_accent_g",
        "vtx_ui_accent_b", "vtx_ui_accent_a", "vtx_ui_menu_alpha", "vtx_ui_font_scale", "vtx_debug_state",
        // Appended: older versions skip keys they do not know.
        "vtx_timing_enable", "vtx_timing_button", "vtx_timing_window_ms", "vtx_history_enable", "vtx_history_count",
        "vtx_trace_enable", "vtx_trace_ms"};
    EXPECT_EQ(keys, want);
}

// Each value as the form of setValue it goes through: an integer, a float or text.
TEST(Catalogue, ResetListSpelledOut) {
    using As = vtx::ResetAs;
    struct Want {
        std::string_view name;
        As as;
        double value; // Int and Float
        std::string_view text = {};
    };
    const std::vector<Want> want = {
        {"vtx_enabled", As::Int, 1},
        {"vtx_online_only", As::Int, 1},
        {"vtx_show_freeplay_workshop", As::Int, 1},
        {"vtx_hide_in_menus", As::Int, 1},
        {"vtx_hide_controller_menu", As::Int, 1},
        {"vtx_hide_replays", As::Int, 1},
        {"vtx_hide_postgame", As::Int, 1},
        {"vtx_fade_enable", As::Int, 1},
        {"vtx_fade_ms", As::Int, 180},
        {"vtx_replay_failsafe_ms", As::Int, 2500},
        {"vtx_x", As::Float, 20.0},
        {"vtx_y", As::Float, 980.0},
        {"vtx_scale", As::Float, 1.0},
        {"vtx_layer_shift_x", As::Float, 0.0},
        {"vtx_layer_shift_y", As::Float, 0.0},
        {"vtx_sticks_always", As::Int, 1},
        {"vtx_stick_range", As::Float, 18.0},
        {"vtx_deadzone", As::Float, 0.12},
        {"vtx_stick_smooth", As::Float, 0.9},
        {"vtx_trigger_thresh", As::Float, 0.1},
        {"vtx_trigger_alpha_off_pct", As::Float, 0.0},
        {"vtx_trigger_alpha_on_pct", As::Float, 100.0},
        {"vtx_pad", As::Int, -1},
        {"vtx_hotkey_vk", As::Int, 120},
        {"vtx_hotkey_mod1", As::Int, 0},
        {"vtx_hotkey_mod2", As::Int, 0},
        {"vtx_skin", As::Text, 0, "xbox"},
        {"vtx_timing_enable", As::Int, 0},
        {"vtx_timing_button", As::Text, 0, "A"},
        {"vtx_timing_window_ms", As::Int, 1000},
        {"vtx_history_enable", As::Int, 0},
        {"vtx_history_count", As::Int, 6},
        {"vtx_trace_enable", As::Int, 0},
        {"vtx_trace_ms", As::Int, 2000},
    };
    ASSERT_EQ(vtx::kResetEntries.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
        const vtx::ResetEntry& entry = vtx::kResetEntries[i];
        SCOPED_TRACE(want[i].name);
        EXPECT_EQ(entry.spec->name, want[i].name);
        EXPECT_EQ(entry.as, want[i].as);
        const std::string_view text = entry.value;
        if (want[i].as == As::Text) {
            EXPECT_EQ(text, want[i].text);
        } else if (want[i].as == As::Int) {
            int value = 0;
            EXPECT_EQ(std::from_chars(text.data(), text.data() + text.size(), value).ec, std::errc());
            EXPECT_EQ(value, static_cast<int>(want[i].value));
        } else {
            float value = 0;
            EXPECT_EQ(std::from_chars(text.data(), text.data() + text.size(), value).ec, std::errc());
            EXPECT_FLOAT_EQ(value, static_cast<float>(want[i].value));
        }
    }
}

// The menu's sliders and clamps, and that nothing else carries one.
TEST(Catalogue, MenuClampsSpelledOut) {
    struct Want {
        std::string_view name;
        float sliderMin, sliderMax, clampMin, clampMax;
    };
    const std::vector<Want> want = {
        {"vtx_ui_accent_r", 0, 1, 0, 1},
        {"vtx_ui_accent_g", 0, 1, 0, 1},
        {"vtx_ui_accent_b", 0, 1, 0, 1},
        {"vtx_ui_accent_a", 0, 1, 0, 1},
        {"vtx_ui_menu_alpha", 0.30f, 1.00f, 0.30f, 1.00f},
        {"vtx_x", 0, 4000, 0, 4000},
        {"vtx_y", 0, 2000, 0, 2000},
        {"vtx_scale", 0.1f, 5.0f, 0.05f, 5.0f},
        {"vtx_stick_range", 0, 100, 0, 100},
        {"vtx_deadzone", 0, 0.95f, 0, 0.95f},
        {"vtx_stick_smooth", 0, 1, 0, 1},
        {"vtx_timing_window_ms", 50, 2000, 50, 2000},
        {"vtx_history_count", 1, 12, 1, 12},
        {"vtx_trace_ms", 500, 5000, 500, 5000},
    };
    std::size_t clamped = 0;
    for (const vtx::CvarSpec* spec : vtx::kAll) {
        clamped += spec->menu.has ? 1 : 0;
    }
    EXPECT_EQ(clamped, want.size());
    for (const Want& row : want) {
        SCOPED_TRACE(row.name);
        const vtx::CvarSpec* spec = vtx::findCvarSpec(row.name);
        ASSERT_NE(spec, nullptr);
        EXPECT_TRUE(spec->menu.has);
        EXPECT_FLOAT_EQ(spec->menu.sliderMin, row.sliderMin);
        EXPECT_FLOAT_EQ(spec->menu.sliderMax, row.sliderMax);
        EXPECT_FLOAT_EQ(spec->menu.clampMin, row.clampMin);
        EXPECT_FLOAT_EQ(spec->menu.clampMax, row.clampMax);
    }
}

// The limits the plugin keeps a value within wherever it uses it, and that
// nothing else carries any.
TEST(Catalogue, UseLimitsSpelledOut) {
    struct Want {
        std::string_view name;
        float min, max;
    };
    const std::vector<Want> want = {
        {"vtx_fade_ms", 50, 1000},
        {"vtx_replay_hide_s", 0, 30},
        {"vtx_trigger_alpha_off_pct", 0, 100},
        {"vtx_trigger_alpha_on_pct", 0, 100},
        {"vtx_scale", 0.05f, 5},
        {"vtx_deadzone", 0, 0.95f},
        {"vtx_stick_smooth", 0, 0.98f},
        {"vtx_trigger_thresh", 0, 1},
        {"vtx_timing_window_ms", 50, 2000},
        {"vtx_history_count", 1, 12},
        {"vtx_trace_ms", 500, 5000},
    };
    std::size_t limited = 0;
    for (const vtx::CvarSpec* spec : vtx::kAll) {
        limited += spec->use.has ? 1 : 0;
    }
    EXPECT_EQ(limited, want.size());
    for (const Want& row : want) {
        SCOPED_TRACE(row.name);
        const vtx::CvarSpec* spec = vtx::findCvarSpec(row.name);
        ASSERT_NE(spec, nullptr);
        EXPECT_TRUE(spec->use.has);
        EXPECT_FLOAT_EQ(spec->use.min, row.min);
        EXPECT_FLOAT_EQ(spec->use.max, row.max);
    }
    // Whole numbers are limited as whole numbers; text that is no number reads as the lower limit.
    EXPECT_EQ(vtx::withinUseLimits(vtx::cvar::kHistoryCount, 0), 1);
    EXPECT_EQ(vtx::withinUseLimits(vtx::cvar::kHistoryCount, 13), 12);
    EXPECT_EQ(vtx::withinUseLimits(vtx::cvar::kTimingWindowMs, 700), 700);
    EXPECT_FLOAT_EQ(vtx::withinUseLimits(vtx::cvar::kScale, std::numeric_limits<float>::quiet_NaN()), 0.05f);
    EXPECT_FLOAT_EQ(vtx::withinUseLimits(vtx::cvar::kX, 99999.0f), 99999.0f);
}

TEST(Catalogue, SkinDefaultsToEmptyWithoutSkinFolders) {
    vtxtest::PluginHost env;
    env.load();
    const auto skin = env.host->cvarInfo("vtx_skin");
    ASSERT_TRUE(skin.has_value());
    EXPECT_EQ(skin->defaultValue, "");
    EXPECT_EQ(skin->value, "");
}

TEST(Catalogue, ReadmeTableMatchesTheCatalogue) {
    std::ifstream readme(std::string(VTX_SOURCE_DIR) + "/README.md", std::ios::binary);
    ASSERT_TRUE(readme) << "README.md not found";
    std::stringstream text;
    text << readme.rdbuf();
    const std::string content = text.str();
    const std::string begin = "<!-- cvars:begin -->\n";
    const std::string end = "<!-- cvars:end -->";
    const auto from = content.find(begin);
    const auto to = content.find(end);
    ASSERT_NE(from, std::string::npos);
    ASSERT_NE(to, std::string::npos);
    const std::string table = content.substr(from + begin.size(), to - from - begin.size());
    EXPECT_EQ(table, vtx::catalogueMarkdown()) << "README's variable table is stale; it should read:\n"
                                               << vtx::catalogueMarkdown();
    // The settings file's line count, as the README states it.
    const std::string countBegin = "<!-- settings-file-count -->";
    const auto count = content.find(countBegin);
    ASSERT_NE(count, std::string::npos);
    const auto countEnd = content.find("<!--", count + countBegin.size());
    ASSERT_NE(countEnd, std::string::npos);
    EXPECT_EQ(content.substr(count + countBegin.size(), countEnd - count - countBegin.size()),
              std::to_string(vtx::kSettingsFile.size()))
        << "README's count of the settings file's lines is stale";
}

} // namespace
