// The console commands whose actions need nothing beyond the variables and
// the host: the overlay switch, the position reset and the host-config save.
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "PluginHost.h"

namespace {

struct Commands : ::testing::Test {
    void SetUp() override { env.load(); }
    vtxtest::PluginHost env;
};

TEST_F(Commands, RegisteredInOrderWithTheirDescriptions) {
    const std::vector<std::pair<std::string, std::string>> want = {
        {"vtx_togglemenu", "Toggle Vantrix popup menu"},
        {"vtx_settings_save", "Save ALL settings to Vantrix/vtx_saved_settings.ini"},
        {"vtx_settings_load", "Load ALL settings from Vantrix/vtx_saved_settings.ini"},
        {"vtx_pos_save", "Save overlay position/scale"},
        {"vtx_pos_load", "Load saved overlay position/scale"},
        {"vtx_reset_pos", "Reset overlay position/scale"},
        {"vtx_save_all", "Save ALL Vantrix settings to disk"},
        {"vtx_reset_all", "Reset ALL Vantrix settings to defaults"},
        {"vtx_hotkey_capture", "Capture hotkey from keyboard (single/combo)"},
        {"vtx_toggle", "Toggle controller overlay"},
        {"vtx_pos", "Print current overlay position + scale"},
    };
    std::vector<std::pair<std::string, std::string>> found;
    for (const std::string& name : env.host->commands()) {
        found.emplace_back(name, env.host->commandDescription(name).value_or("?"));
    }
    EXPECT_EQ(found, want);
}

TEST_F(Commands, ToggleFlipsZeroToOneAndEverythingElseToZero) {
    EXPECT_EQ(env.cvar("vtx_enabled"), "1");
    env.host->executeCommand("vtx_toggle");
    EXPECT_EQ(env.cvar("vtx_enabled"), "0");
    env.host->executeCommand("vtx_toggle");
    EXPECT_EQ(env.cvar("vtx_enabled"), "1");
    env.host->executeCommand("vtx_enabled 5");
    env.host->executeCommand("vtx_toggle");
    EXPECT_EQ(env.cvar("vtx_enabled"), "0");
    env.host->executeCommand("vtx_enabled -1");
    env.host->executeCommand("vtx_toggle");
    EXPECT_EQ(env.cvar("vtx_enabled"), "0");
}

TEST_F(Commands, ResetPositionSetsOnlyThePositionVariables) {
    env.host->executeCommand("vtx_x 300");
    env.host->executeCommand("vtx_y 40.5");
    env.host->executeCommand("vtx_scale 2");
    env.host->executeCommand("vtx_stick_range 30");
    env.host->executeCommand("vtx_reset_pos");
    EXPECT_EQ(env.cvar("vtx_x"), "20");
    EXPECT_EQ(env.cvar("vtx_y"), "980");
    EXPECT_EQ(env.cvar("vtx_scale"), "1");
    EXPECT_EQ(env.cvar("vtx_stick_range"), "30");
    EXPECT_EQ(env.host->logLines().back(), "[vtx] reset position to defaults");
}

TEST_F(Commands, SaveAllWritesTheHostConfigurationOnly) {
    env.host->executeCommand("vtx_scale 1.25");
    env.host->executeCommand("vtx_save_all");
    EXPECT_EQ(env.host->logLines().back(), "[vtx] Saved ALL settings.");
    EXPECT_FALSE(std::filesystem::exists(env.host->dataFolder() / "Vantrix" / "vtx_saved_settings.ini"));

    // A host started later over the same data folder gets the saved value back.
    const std::filesystem::path data = env.host->dataFolder();
    env.host.reset();
    vtxhost::HostOptions options;
    options.dataFolder = data;
    env.host = std::make_unique<vtxhost::Host>(options);
    env.load();
    EXPECT_EQ(env.cvar("vtx_scale"), "1.25");
}

} // namespace
