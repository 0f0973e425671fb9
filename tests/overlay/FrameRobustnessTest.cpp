// The frame and the event handlers of a plugin object whose host handles or
// console variables are missing: nothing crashes or throws, and the settings
// read as their catalogue defaults.
#include <gtest/gtest.h>

#include <filesystem>

#include "TestPicture.h"
#include "Vantrix.h"
#include "core/Catalogue.h"
#include "core/MatchPhase.h"
#include "platform/Platform.h"
#include "vtxhost/Host.h"

namespace {

struct Robustness : ::testing::Test {
    void SetUp() override {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        data = std::filesystem::temp_directory_path() / "vtx-overlay-tests" / test->name();
        std::filesystem::remove_all(data);
        vtxtest::writeTestPicture(data / "Vantrix/skins/Solo/Base.png");
        vtxhost::HostOptions options;
        options.dataFolder = data;
        host = std::make_unique<vtxhost::Host>(options);
        host->game().online = true;
        host->game().car = true;
        plugin.activeSkin = "Solo";
    }
    void TearDown() override { std::filesystem::remove_all(data); }

    // A few frames a second apart, so a fade in progress has finished.
    const vtxhost::CanvasRecord& frames() {
        for (int i = 0; i < 3; ++i) {
            record = {};
            host->advance(1'000'000'000);
            plugin.renderOverlay(CanvasWrapper(reinterpret_cast<std::uintptr_t>(&record)));
        }
        return record;
    }

    std::filesystem::path data;
    std::unique_ptr<vtxhost::Host> host;
    Vantrix plugin;
    vtxhost::CanvasRecord record;
};

TEST_F(Robustness, WithoutAnyHandleNothingIsDrawn) {
    EXPECT_TRUE(frames().ops.empty());
    EXPECT_FALSE(plugin.imagesLoaded);
}

TEST_F(Robustness, WithoutAGameTheModeGateStaysClosed) {
    plugin.cvarManager = host->cvarManager();
    vtx::registerCvars(*plugin.cvarManager, vtx::kEarlyCvars);
    EXPECT_TRUE(frames().ops.empty());

    // With the gate opened by hand, no game means no car and no data folder.
    host->executeCommand("vtx_online_only 0");
    host->executeCommand("vtx_require_local_car 0");
    EXPECT_TRUE(frames().ops.empty());
    EXPECT_TRUE(plugin.imagesLoaded);
    EXPECT_EQ(plugin.baseImage, nullptr);
}

TEST_F(Robustness, WithoutConsoleVariablesTheDefaultsApply) {
    plugin.gameWrapper = host->gameWrapper();
    const auto& canvas = frames();
    ASSERT_EQ(canvas.draws.size(), 1u);
    EXPECT_EQ(canvas.draws[0].image.filename(), "Base.png");
    EXPECT_TRUE(canvas.draws[0].decoded);
    EXPECT_EQ(canvas.draws[0].x, -180); // vtx_x 20 less 200
    EXPECT_EQ(canvas.draws[0].y, 980);
    EXPECT_EQ(canvas.draws[0].a, 255);

    // Registered but empty-handed: a manager that knows none of the variables.
    plugin.cvarManager = host->cvarManager();
    EXPECT_EQ(frames().draws.size(), 1u);
}

TEST_F(Robustness, EventsWithoutVariablesUseTheDefaults) {
    const std::int64_t before = vtx::platform::steadyNowNs();
    vtx::onGoalScored(plugin); // vtx_hide_replays 1, vtx_replay_hide_ms 12000
    const std::int64_t after = vtx::platform::steadyNowNs();
    EXPECT_TRUE(plugin.inReplay);
    EXPECT_GE(plugin.replayDeadline, before + 12'000'000'000);
    EXPECT_LE(plugin.replayDeadline, after + 12'000'000'000);
    vtx::onReplayCleared(plugin);
    vtx::pollGameReplay(plugin, after); // no game: nothing to ask
    EXPECT_FALSE(plugin.inReplay);
}

} // namespace
