// vtx_saved_settings.ini through the loaded plugin: the deferred start-up
// load and save, the autosave gate, the load's rules, the reset of all
// settings, and what a failure leaves behind.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string_view>

#include "PluginHost.h"
#include "plugin/Vantrix.h"

namespace fs = std::filesystem;

namespace {

struct SettingsFile : ::testing::Test {
    void SetUp() override { env.load(); }

    fs::path file() const { return env.host->dataFolder() / "Vantrix" / "vtx_saved_settings.ini"; }
    std::string fileText() const {
        std::ifstream in(file(), std::ios::binary);
        std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        std::erase(text, '\r'); // CR LF on Windows
        return text;
    }
    std::size_t logged(std::string_view prefix) const {
        std::size_t count = 0;
        for (const std::string& line : env.host->logLines()) {
            count += line.rfind("[vtx] " + std::string(prefix), 0) == 0 ? 1 : 0;
        }
        return count;
    }
    void set(const char* name, const char* value) { env.host->cvarManager()->getCvar(name).setValue(value); }
    Vantrix& plugin() const { return *static_cast<Vantrix*>(env.host->plugin()); }

    vtxtest::PluginHost env;
};

TEST_F(SettingsFile, NothingIsSavedBeforeTheDeferredLoadThenEveryKeyListChangeSaves) {
    set("vtx_x", "300");
    env.host->advance(999'000'000);
    EXPECT_FALSE(fs::exists(file()));
    env.host->advance(1'000'000);
    EXPECT_EQ(logged("No saved settings file: "), 1u);
    ASSERT_EQ(logged("Saved settings to: "), 1u); // written back at once
    EXPECT_NE(fileText().find("\nvtx_x=300\n"), std::string::npos);
    EXPECT_FALSE(fs::exists(env.host->dataFolder() / "config.cfg"));

    set("vtx_y", "500");
    EXPECT_EQ(logged("Saved settings to: "), 2u);
    EXPECT_NE(fileText().find("\nvtx_y=500\n"), std::string::npos);
    EXPECT_TRUE(fs::exists(env.host->dataFolder() / "config.cfg")); // "writepluginsconfig" follows

    // Not in the file's key list: no save.
    set("vtx_autosave", "1");
    set("vtx_version", "2");
    EXPECT_EQ(logged("Saved settings to: "), 2u);
}

TEST_F(SettingsFile, WithoutTheStartUpLoadNothingAutosavesButTheCommandStillSaves) {
    set("vtx_load_saved_settings", "0");
    env.host->unload();
    env.load();
    env.settle();
    set("vtx_x", "300");
    EXPECT_FALSE(fs::exists(file()));
    env.host->executeCommand("vtx_settings_save");
    EXPECT_NE(fileText().find("\nvtx_x=300\n"), std::string::npos);
}

TEST_F(SettingsFile, ALineBreakInAValueCannotSetAnotherVariable) {
    env.settle();
    set("vtx_skin", "xbox\nvtx_x=5\r");
    EXPECT_NE(fileText().find("\nvtx_skin=xboxvtx_x=5\n"), std::string::npos);
    env.host->executeCommand("vtx_settings_load");
    EXPECT_EQ(env.cvar("vtx_x"), "20");
}

// The press-timing, history and trace keys come after every older key, in
// the order they were added, so a file written now still loads in a version
// that skips what it does not know; a file written before them loads as it
// always did and leaves those settings alone.
TEST_F(SettingsFile, LaterKeysAreAppendedAndAFileWithoutThemStillLoads) {
    env.settle();
    set("vtx_timing_enable", "1");
    set("vtx_timing_button", "RB");
    set("vtx_timing_window_ms", "400");
    set("vtx_history_enable", "1");
    set("vtx_history_count", "9");
    set("vtx_trace_enable", "1");
    set("vtx_trace_ms", "3500");
    const std::string text = fileText();
    const std::string tail = "vtx_debug_state=0\nvtx_timing_enable=1\nvtx_timing_button=RB\nvtx_timing_window_ms=400\n"
                             "vtx_history_enable=1\nvtx_history_count=9\nvtx_trace_enable=1\nvtx_trace_ms=3500\n";
    ASSERT_GE(text.size(), tail.size());
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);

    std::ofstream(file(), std::ios::binary | std::ios::trunc) << "vtx_enabled=1\nvtx_x=333\nvtx_debug_state=0\n";
    env.host->executeCommand("vtx_settings_load");
    EXPECT_EQ(env.cvar("vtx_x"), "333");
    EXPECT_EQ(env.cvar("vtx_timing_enable"), "1");
    EXPECT_EQ(env.cvar("vtx_timing_button"), "RB");
    EXPECT_EQ(env.cvar("vtx_timing_window_ms"), "400");
    EXPECT_EQ(env.cvar("vtx_history_count"), "9");
    EXPECT_EQ(env.cvar("vtx_trace_ms"), "3500");
}

TEST_F(SettingsFile, ResetAllSetsItsVariablesInOrderAndSavesAfterEachChange) {
    env.host->game().online = true; // so frames draw and load the skin's pictures
    env.host->game().car = true;
    env.settle();
    ASSERT_TRUE(plugin().skins().picturesLoaded());
    // Give every variable that the reset touches another value first.
    const std::vector<std::string> order = {"vtx_enabled",
                                            "vtx_online_only",
                                            "vtx_show_freeplay_workshop",
                                            "vtx_hide_in_menus",
                                            "vtx_hide_controller_menu",
                                            "vtx_hide_replays",
                                            "vtx_hide_postgame",
                                            "vtx_fade_enable",
                                            "vtx_fade_ms",
                                            "vtx_replay_failsafe_ms",
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
                                            "vtx_skin",
                                            "vtx_timing_enable",
                                            "vtx_timing_button",
                                            "vtx_timing_window_ms",
                                            "vtx_history_enable",
                                            "vtx_history_count",
                                            "vtx_trace_enable",
                                            "vtx_trace_ms"};
    for (const std::string& name : order) {
        set(name.c_str(), "3");
    }
    std::vector<std::string> offsets;
    for (const char* code :
         {"A",  "B",  "X",     "Y",    "DU", "DD",       "DL",   "DR",  "LB",  "RB",      "LT",     "RT",
          "L3", "R3", "Start", "Back", "PS", "Touchpad", "Mute", "FnL", "FnR", "PaddleL", "PaddleR"}) {
        for (const char* axis : {"_x", "_y"}) {
            offsets.push_back(std::string("vtx_off_") + code + axis);
            set(offsets.back().c_str(), "3");
        }
    }
    for (const char* untouched : {"vtx_require_local_car", "vtx_replay_hide_ms", "vtx_replay_hide_s", "vtx_debug_state",
                                  "vtx_ui_accent_r", "vtx_ui_menu_alpha", "vtx_load_saved"}) {
        set(untouched, "0.5");
    }
    std::vector<std::string> changed;
    for (const vtxhost::CVarInfo& info : env.host->cvars()) {
        env.host->cvarManager()->getCvar(info.name).addOnValueChanged(
            [&changed](std::string, CVarWrapper cvar) { changed.push_back(cvar.getCVarName()); });
    }
    env.host->fireEvent("Function TAGame.GameEvent_TA.EventMatchEnded");
    env.host->fireEvent("Function TAGame.GFxHUD_Replay_TA.Init");
    ASSERT_TRUE(plugin().matchPhase().inReplay() && plugin().matchPhase().inPostGame());
    const std::size_t savesBefore = logged("Saved settings to: ");

    env.host->executeCommand("vtx_reset_all");

    std::vector<std::string> want = order;
    want.insert(want.end(), offsets.begin(), offsets.end());
    EXPECT_EQ(changed, want);
    EXPECT_EQ(logged("Saved settings to: ") - savesBefore, order.size()); // none for the offsets
    EXPECT_EQ(env.host->logLines().back(), "[vtx] Reset ALL settings to defaults.");
    // Floats and integers as the host writes them.
    EXPECT_EQ(env.cvar("vtx_x"), "20");
    EXPECT_EQ(env.cvar("vtx_stick_smooth"), "0.9");
    EXPECT_EQ(env.cvar("vtx_deadzone"), "0.12");
    EXPECT_EQ(env.cvar("vtx_pad"), "-1");
    EXPECT_EQ(env.cvar("vtx_hotkey_vk"), "120");
    EXPECT_EQ(env.cvar("vtx_skin"), "xbox");
    EXPECT_EQ(env.cvar("vtx_history_count"), "6");
    EXPECT_EQ(env.cvar("vtx_trace_ms"), "2000");
    EXPECT_EQ(env.cvar("vtx_off_R3_y"), "0");
    EXPECT_EQ(env.cvar("vtx_replay_hide_s"), "0.5");
    EXPECT_EQ(env.cvar("vtx_ui_menu_alpha"), "0.5");
    EXPECT_FALSE(plugin().matchPhase().inReplay() || plugin().matchPhase().inPostGame());
    EXPECT_EQ(plugin().matchPhase().replayDeadline(), 0);
    EXPECT_FALSE(plugin().skins().picturesLoaded()); // read again on the next frame
}

TEST_F(SettingsFile, FailuresSayWhatFailedInOneLineAndChangeNothing) {
    env.settle();
    const auto newLines = [&](const char* command) {
        const std::size_t start = env.host->logLines().size();
        env.host->executeCommand(command);
        return std::vector<std::string>(env.host->logLines().begin() + static_cast<std::ptrdiff_t>(start),
                                        env.host->logLines().end());
    };
    set("vtx_x", "111"); // saved

    // A read-only file.
    fs::permissions(file(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    set("vtx_x", "222");
    EXPECT_EQ(fileText().find("vtx_x=222"), std::string::npos);
    auto lines = newLines("vtx_settings_save");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].rfind("[vtx] Could not save settings: ", 0), 0u) << lines[0];
    fs::permissions(file(), fs::perms::owner_all);

    // A folder where the file should be.
    fs::remove(file());
    fs::create_directories(file() / "inside");
    lines = newLines("vtx_settings_save");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].rfind("[vtx] Could not save settings: ", 0), 0u) << lines[0];
    lines = newLines("vtx_settings_load");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].rfind("[vtx] Could not load settings: ", 0), 0u) << lines[0];

    // A file where the plugin's folder should be.
    fs::remove_all(file().parent_path());
    std::ofstream(file().parent_path()) << "in the way";
    lines = newLines("vtx_settings_save");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].rfind("[vtx] Could not save settings: cannot create the folder ", 0), 0u) << lines[0];
    EXPECT_EQ(newLines("vtx_settings_load").size(), 1u);
    EXPECT_EQ(env.cvar("vtx_x"), "222");
    EXPECT_TRUE(fs::is_regular_file(file().parent_path()));
}

} // namespace
