// vtx_saved_pos.ini through the loaded plugin's commands and its start-up
// load, and the frame's position autosave against the host clock.
#include <filesystem>
#include <fstream>
#include <iterator>

#include "PluginHost.h"
#include "bakkesmod/wrappers/GameWrapper.h"
#include "bakkesmod/wrappers/cvarmanagerwrapper.h"
#include "core/Catalogue.h"
#include "core/SettingsSnapshot.h"
#include "plugin/PositionAutosave.h"

namespace fs = std::filesystem;

namespace {

std::string textOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::erase(text, '\r'); // CR LF on Windows
    return text;
}

struct PositionFile : ::testing::Test {
    void SetUp() override { env.load(); }
    fs::path file() const { return env.host->dataFolder() / "Vantrix" / "vtx_saved_pos.ini"; }
    void run(const std::string& line) { env.host->executeCommand(line); }
    const std::string& lastLog() const { return env.host->logLines().back(); }

    vtxtest::PluginHost env;
};

TEST_F(PositionFile, LoadedAtStartWhenAsked) {
    run("vtx_x 77; vtx_pos_save; vtx_x 300");
    env.host->unload();
    env.load();
    EXPECT_EQ(env.cvar("vtx_x"), "300"); // vtx_load_saved is off
    run("vtx_load_saved 1");
    env.host->unload();
    env.load();
    EXPECT_EQ(env.cvar("vtx_x"), "77");
    EXPECT_EQ(lastLog(), "[vtx] loaded saved overlay position");
}

TEST_F(PositionFile, FailuresAreToldNotReportedAsSuccess) {
    fs::create_directories(file());
    run("vtx_pos_save");
    EXPECT_EQ(lastLog().rfind("[vtx] could not save overlay position: ", 0), 0u) << lastLog();
    run("vtx_pos_load");
    EXPECT_EQ(lastLog().rfind("[vtx] could not load saved overlay position: ", 0), 0u) << lastLog();
    EXPECT_TRUE(fs::is_directory(file()));
}

// The frame's autosave step, called as the frame calls it, against the
// stand-in host's clock.
struct PositionAutosave : ::testing::Test {
    void SetUp() override {
        if (!VTX_STANDIN_PLATFORM) {
            GTEST_SKIP() << "the plugin reads the real clock in this build";
        }
        cvars = env.host->cvarManager();
        game = env.host->gameWrapper();
        vtx::registerCvars(*cvars, vtx::kEarlyCvars);
        vtx::registerCvars(*cvars, vtx::kLateCvars);
        settings.follow(*cvars);
        set("vtx_autosave", "1");
        set("vtx_x", "0");
        set("vtx_y", "0");
    }
    void set(const char* name, const char* value) { cvars->getCvar(name).setValue(value); }
    fs::path file() const { return env.host->dataFolder() / "Vantrix" / "vtx_saved_pos.ini"; }
    // Runs the step after `ms` more milliseconds; true when it wrote the file.
    bool stepAfter(int ms) {
        env.host->advance(std::int64_t{ms} * 1'000'000);
        std::error_code ec;
        fs::remove(file(), ec);
        vtx::autosavePosition(view, settings, memory);
        return fs::exists(file());
    }
    // The first step starts the clock; the write of the starting position follows.
    void firstWrite() {
        stepAfter(0);
        ASSERT_TRUE(stepAfter(251));
    }

    vtxtest::PluginHost env;
    std::shared_ptr<GameWrapper> game;
    std::shared_ptr<CVarManagerWrapper> cvars;
    vtx::HostView view{game, cvars};
    vtx::SettingsSnapshot settings;
    vtx::PositionAutosaveMemory memory;
};

TEST_F(PositionAutosave, FirstWriteComes251MsAfterTheFirstStepThenOnlyOnMoves) {
    EXPECT_FALSE(stepAfter(0));
    EXPECT_FALSE(stepAfter(250));
    EXPECT_TRUE(stepAfter(1));
    EXPECT_EQ(textOf(file()), "x=0\ny=0\nscale=1\n"); // no -200 here
    EXPECT_FALSE(stepAfter(1000));                    // still
}

TEST_F(PositionAutosave, MovesBeyondTheThresholdsCount) {
    firstWrite();
    set("vtx_x", "0.01");
    EXPECT_FALSE(stepAfter(300));
    set("vtx_x", "0.011");
    EXPECT_TRUE(stepAfter(300));
    set("vtx_y", "0.01");
    EXPECT_FALSE(stepAfter(300));
    set("vtx_y", "0.011");
    EXPECT_TRUE(stepAfter(300));
    set("vtx_scale", "1.0005");
    EXPECT_FALSE(stepAfter(300));
    set("vtx_scale", "1.0006");
    EXPECT_TRUE(stepAfter(300));
}

TEST_F(PositionAutosave, WritesAreSpacedBy251MsAndOnlyWhileSwitchedOn) {
    firstWrite();
    set("vtx_x", "40");
    EXPECT_FALSE(stepAfter(250));
    EXPECT_TRUE(stepAfter(1));
    set("vtx_x", "80");
    set("vtx_autosave", "0");
    EXPECT_FALSE(stepAfter(1000));
    set("vtx_autosave", "1");
    EXPECT_TRUE(stepAfter(0));
}

TEST_F(PositionAutosave, AFailingFolderIsLoggedOnceUntilAWriteSucceeds) {
    std::ofstream(env.host->dataFolder() / "Vantrix") << "in the way";
    const std::size_t start = env.host->logLines().size();
    for (const char* x : {"10", "20", "30"}) {
        set("vtx_x", x);
        EXPECT_FALSE(stepAfter(300));
    }
    ASSERT_EQ(env.host->logLines().size(), start + 1);
    EXPECT_EQ(env.host->logLines().back().rfind("[vtx] could not autosave overlay position: ", 0), 0u);
    fs::remove(env.host->dataFolder() / "Vantrix");
    set("vtx_x", "40");
    EXPECT_TRUE(stepAfter(300));
    EXPECT_EQ(env.host->logLines().size(), start + 1);
}

} // namespace
