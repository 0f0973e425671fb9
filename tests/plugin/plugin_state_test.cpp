// Which state each plugin object keeps for itself and which one the process
// shares: a reload's new object, or a second one, starts with its own hotkey
// capture and its own settings autosave gate, but resumes the process's fade.
#include "PluginHost.h"
#include "plugin/ProcessState.h"
#include "plugin/SettingsFile.h"
#include "plugin/Vantrix.h"

namespace {

struct PluginState : ::testing::Test {
    void SetUp() override { env.load(); }
    Vantrix& loaded() const { return *static_cast<Vantrix*>(env.host->plugin()); }

    vtxtest::PluginHost env;
};

// Two objects of this program, the first started by hand on the test's host.
TEST(PluginObjects, ACaptureBelongsToThePluginThatArmedIt) {
    vtxtest::PluginHost env;
    Vantrix first;
    Vantrix second;
    first.gameWrapper = env.host->gameWrapper();
    first.cvarManager = env.host->cvarManager();
    first.onLoad();
    env.host->executeCommand("vtx_hotkey_capture");
    EXPECT_TRUE(first.hotkey().capturing());
    EXPECT_FALSE(second.hotkey().capturing());
    first.onUnload();
}

TEST_F(PluginState, AutosaveWaitsForEachPluginsOwnStartUpLoad) {
    EXPECT_FALSE(loaded().settingsFile().autosaveAllowed()); // before the deferred load
    env.settle();
    EXPECT_TRUE(loaded().settingsFile().autosaveAllowed());
    // A second object's start-up withdraws only its own permission.
    Vantrix second;
    second.gameWrapper = env.host->gameWrapper();
    second.cvarManager = env.host->cvarManager();
    EXPECT_FALSE(second.settingsFile().autosaveAllowed());
    EXPECT_TRUE(loaded().settingsFile().autosaveAllowed());
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

// Two objects of this program (the loaded library keeps a process state of its own).
TEST_F(PluginState, TheFadeIsTheProcesssOwnSoAReloadResumesIt) {
    Vantrix first;
    Vantrix second;
    EXPECT_EQ(&first.overlay().fade(), &second.overlay().fade());
    EXPECT_EQ(&second.overlay().fade(), &vtx::processState().fade);
}

} // namespace
