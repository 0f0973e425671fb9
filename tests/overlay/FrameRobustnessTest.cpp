// The overlay, built alone, and the match phase's handlers when the host's
// handles or console variables are missing: nothing crashes or throws, and
// the settings read as their catalogue defaults.
#include <gtest/gtest.h>

#include <filesystem>

#include "TestPicture.h"
#include "bakkesmod/wrappers/GameWrapper.h"
#include "core/Catalogue.h"
#include "overlay/MatchPhase.h"
#include "overlay/Overlay.h"
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
    }
    void TearDown() override { std::filesystem::remove_all(data); }

    // A few frames a second apart, so a fade in progress has finished.
    const vtxhost::CanvasRecord& frames() {
        for (int i = 0; i < 3; ++i) {
            record = {};
            host->advance(1'000'000'000);
            CanvasWrapper canvas(reinterpret_cast<std::uintptr_t>(&record));
            overlay.frame(canvas);
        }
        return record;
    }

    std::filesystem::path data;
    std::unique_ptr<vtxhost::Host> host;
    std::shared_ptr<GameWrapper> game;
    std::shared_ptr<CVarManagerWrapper> cvars;
    vtx::HostView view{game, cvars};
    vtx::SettingsSnapshot settings;
    vtx::PadInput input{view};
    vtx::SkinLibrary skins{view};
    vtx::MatchPhase phase;
    vtx::Hotkey hotkey{view};
    vtx::Fade fade;
    vtx::Overlay overlay{view, settings, {input, skins, phase, hotkey, fade}};
    vtxhost::CanvasRecord record;
};

TEST_F(Robustness, WithoutAnyHandleNothingIsDrawn) {
    EXPECT_TRUE(frames().ops.empty());
    EXPECT_FALSE(skins.picturesLoaded());
}

TEST_F(Robustness, WithoutAGameTheModeGateStaysClosed) {
    cvars = host->cvarManager();
    vtx::registerCvars(*cvars, vtx::kEarlyCvars);
    settings.follow(*cvars);
    EXPECT_TRUE(frames().ops.empty());

    // With the gate opened by hand, no game means no car and no data folder.
    host->executeCommand("vtx_online_only 0");
    host->executeCommand("vtx_require_local_car 0");
    EXPECT_TRUE(frames().ops.empty());
    EXPECT_TRUE(skins.picturesLoaded());
    EXPECT_EQ(skins.base(), nullptr);
}

TEST_F(Robustness, WithoutConsoleVariablesTheDefaultsApply) {
    game = host->gameWrapper();
    skins.select("Solo");
    const auto& canvas = frames();
    ASSERT_EQ(canvas.draws.size(), 1u);
    EXPECT_EQ(canvas.draws[0].image.filename(), "Base.png");
    EXPECT_TRUE(canvas.draws[0].decoded);
    EXPECT_EQ(canvas.draws[0].x, -180); // vtx_x 20 less 200
    EXPECT_EQ(canvas.draws[0].y, 980);
    EXPECT_EQ(canvas.draws[0].a, 255);

    // Registered but empty-handed: a manager that knows none of the variables.
    cvars = host->cvarManager();
    settings.follow(*cvars);
    EXPECT_EQ(frames().draws.size(), 1u);
}

TEST_F(Robustness, EventsWithoutVariablesUseTheDefaults) {
    const std::int64_t now = vtx::platform::steadyNowNs();
    phase.onGoalScored(settings, now); // vtx_hide_replays 1, vtx_replay_hide_ms 12000
    EXPECT_TRUE(phase.inReplay());
    EXPECT_EQ(phase.replayDeadline(), now + 12'000'000'000);
    phase.onReplayCleared(settings, now);
    EXPECT_FALSE(phase.inReplay());
}

} // namespace
