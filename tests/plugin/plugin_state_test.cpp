// Which state each plugin object keeps for itself and which one the process
// shares: a reload's new object, or a second one, starts with its own hotkey
// capture and its own settings autosave gate, but resumes the process's fade.
#include "PluginHost.h"
#include "Vantrix.h"
#include "core/SettingsFile.h"
#include "overlay/Hotkey.h"

namespace {

struct PluginState : ::testing::Test {
    void SetUp() override {
        first.cvarManager = env.host->cvarManager();
        second.cvarManager = env.host->cvarManager();
    }

    vtxtest::PluginHost env;
    Vantrix first;
    Vantrix second;
};

TEST_F(PluginState, ACaptureBelongsToThePluginThatArmedIt) {
    vtx::startHotkeyCapture(first);
    EXPECT_TRUE(first.hotkeyCapture().active());
    EXPECT_FALSE(second.hotkeyCapture().active());
    first.hotkeyCapture().stop();
    vtx::startHotkeyCapture(second);
    EXPECT_TRUE(second.hotkeyCapture().active());
    EXPECT_FALSE(first.hotkeyCapture().active());
}

TEST_F(PluginState, AutosaveWaitsForEachPluginsOwnStartUpLoad) {
    EXPECT_FALSE(first.settingsFile().autosaveAllowed()); // before the deferred load
    first.settingsFile().setReady(true);
    // A second object's start-up withdraws only its own permission.
    vtx::attachSettingsAutosave(second);
    EXPECT_TRUE(first.settingsFile().autosaveAllowed());
    EXPECT_FALSE(second.settingsFile().autosaveAllowed());
}

TEST_F(PluginState, NoAutosaveWhileTheFileIsBeingApplied) {
    vtx::SettingsFileState state;
    state.setReady(true);
    {
        vtx::SettingsLoadingScope loading(state);
        EXPECT_FALSE(state.autosaveAllowed());
    }
    EXPECT_TRUE(state.autosaveAllowed());
}

TEST_F(PluginState, TheFadeIsTheProcesssOwnSoAReloadResumesIt) { EXPECT_EQ(&first.fade(), &second.fade()); }

} // namespace
