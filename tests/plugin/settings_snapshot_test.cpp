// The settings snapshot against the stand-in host: it starts from what the
// host holds once the variables are registered, follows every later change
// whether or not the host runs handlers for an unchanged value, applies each
// row's limits of use when read, and takes changes made on another thread.
#include <atomic>
#include <cmath>
#include <fstream>
#include <thread>

#include "PluginHost.h"
#include "bakkesmod/wrappers/cvarmanagerwrapper.h"
#include "core/Catalogue.h"
#include "core/SettingsSnapshot.h"

namespace {

using vtx::Axis;
using vtx::control;
namespace cvar = vtx::cvar;

// A host holding every variable of the plugin, and a snapshot following them.
struct Followed {
    explicit Followed(std::unique_ptr<vtxhost::Host> owned) : host(std::move(owned)) {
        cvars = host->cvarManager();
        vtx::registerCvars(*cvars, vtx::kEarlyCvars);
        vtx::registerCvars(*cvars, vtx::kLateCvars);
        vtx::registerLayerOffsets(*cvars);
        settings.follow(*cvars);
    }
    void console(const std::string& line) { host->executeCommand(line); }

    std::unique_ptr<vtxhost::Host> host;
    std::shared_ptr<CVarManagerWrapper> cvars;
    vtx::SettingsSnapshot settings;
};

std::unique_ptr<vtxhost::Host> hostIn(const std::filesystem::path& data, bool callbacksOnUnchangedValue = true) {
    vtxhost::HostOptions options;
    options.dataFolder = data;
    options.callbacksOnUnchangedValue = callbacksOnUnchangedValue;
    return std::make_unique<vtxhost::Host>(options);
}

TEST(SettingsSnapshot, TakesTheValuesTheHostHandsBackAtRegistration) {
    const auto data = vtxtest::freshFolder("data");
    std::ofstream(data / "config.cfg") << "vtx_x \"333\"\nvtx_off_LT_y \"-4\"\nvtx_hotkey_vk \"75\"\n";
    Followed env(hostIn(data));
    EXPECT_FLOAT_EQ(env.settings.number(cvar::kX), 333.0f);
    EXPECT_FLOAT_EQ(env.settings.offset(control("LT"), Axis::Y), -4.0f);
    EXPECT_FLOAT_EQ(env.settings.offset(control("LT"), Axis::X), 0.0f);
    EXPECT_EQ(env.settings.integer(cvar::kHotkeyVk), 75);
    EXPECT_FLOAT_EQ(env.settings.number(cvar::kY), 980.0f); // nothing saved: the default
}

// Every change arrives, however it is made, in both of the host's ways of
// running change handlers; setting a value again changes nothing.
class SettingsSnapshotFollows : public ::testing::TestWithParam<bool> {};

TEST_P(SettingsSnapshotFollows, EveryChangeWhicheverWayItIsMade) {
    Followed env(hostIn(vtxtest::freshFolder("data"), GetParam()));
    vtx::SettingsSnapshot& settings = env.settings;

    env.console("vtx_x 500");
    EXPECT_FLOAT_EQ(settings.number(cvar::kX), 500.0f);
    env.console("vtx_x 500");
    EXPECT_FLOAT_EQ(settings.number(cvar::kX), 500.0f);
    env.console("vtx_x 5000"); // the registered range keeps 4000
    EXPECT_FLOAT_EQ(settings.number(cvar::kX), 4000.0f);

    env.cvars->getCvar("vtx_y").setValue(12.5f);
    EXPECT_FLOAT_EQ(settings.number(cvar::kY), 12.5f);
    env.cvars->getCvar("vtx_pad").setValue(2);
    EXPECT_EQ(settings.integer(cvar::kPad), 2);
    env.cvars->getCvar("vtx_enabled").setValue(std::string("0"));
    EXPECT_FALSE(settings.on(cvar::kEnabled));
    env.console("vtx_enabled 5"); // anything but 0 is on
    EXPECT_TRUE(settings.on(cvar::kEnabled));

    env.console("vtx_off_PaddleR_x 7");
    EXPECT_FLOAT_EQ(settings.offset(control("PaddleR"), Axis::X), 7.0f);
    EXPECT_FLOAT_EQ(settings.offset(control("PaddleR"), Axis::Y), 0.0f);
    EXPECT_FLOAT_EQ(settings.offset(control("PaddleL"), Axis::X), 0.0f);

    env.console("vtx_history_count 9");
    EXPECT_EQ(settings.integer(cvar::kHistoryCount), 9);
    env.console("vtx_trace_ms 9000");
    EXPECT_EQ(settings.integer(cvar::kTraceMs), 5000);
}

INSTANTIATE_TEST_SUITE_P(CallbackModes, SettingsSnapshotFollows, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Always" : "OnChange"; });

// The host keeps what is typed; the plugin uses it within the row's limits,
// and a value that is not a number as the lower limit.
TEST(SettingsSnapshot, ReadsWithinTheLimitsOfUseAndKeepsWhatWasSet) {
    Followed env(hostIn(vtxtest::freshFolder("data")));
    const vtx::SettingsSnapshot& settings = env.settings;
    env.console("vtx_scale 10; vtx_fade_ms 5000; vtx_deadzone 1; vtx_stick_smooth 1; vtx_replay_hide_s 45");
    EXPECT_FLOAT_EQ(settings.number(cvar::kScale), 5.0f);
    EXPECT_FLOAT_EQ(settings.stored(cvar::kScale), 10.0f);
    EXPECT_FLOAT_EQ(settings.number(cvar::kFadeMs), 1000.0f);
    EXPECT_EQ(settings.integer(cvar::kFadeMs), 1000);
    EXPECT_FLOAT_EQ(settings.number(cvar::kDeadzone), 0.95f);
    EXPECT_FLOAT_EQ(settings.number(cvar::kStickSmooth), 0.98f);
    EXPECT_FLOAT_EQ(settings.number(cvar::kReplayHideS), 30.0f);

    env.console("vtx_scale nan; vtx_trigger_thresh -1; vtx_trigger_alpha_on_pct 250; vtx_fade_ms 10");
    EXPECT_FLOAT_EQ(settings.number(cvar::kScale), 0.05f);
    EXPECT_TRUE(std::isnan(settings.stored(cvar::kScale)));
    EXPECT_FLOAT_EQ(settings.number(cvar::kTriggerThresh), 0.0f);
    EXPECT_FLOAT_EQ(settings.number(cvar::kTriggerAlphaOnPct), 100.0f);
    EXPECT_FLOAT_EQ(settings.number(cvar::kFadeMs), 50.0f);

    // No limits: used as set.
    env.console("vtx_layer_shift_x -1e6; vtx_stick_range 400");
    EXPECT_FLOAT_EQ(settings.number(cvar::kLayerShiftX), -1e6f);
    EXPECT_FLOAT_EQ(settings.number(cvar::kStickRange), 400.0f);
}

// Handlers run on the thread that sets the value while the frame reads on
// its own; under ThreadSanitizer this is the check that nothing races.
TEST(SettingsSnapshot, TakesChangesMadeOnAnotherThread) {
    Followed env(hostIn(vtxtest::freshFolder("data")));
    env.console("vtx_x 0");
    constexpr int kLast = 2000;
    std::atomic<bool> done{false};
    std::thread writer([&] {
        CVarWrapper x = env.cvars->getCvar("vtx_x");
        for (int value = 1; value <= kLast; ++value) {
            x.setValue(static_cast<float>(value));
        }
        done = true;
    });
    float seen = 0;
    while (!done) {
        const float now = env.settings.number(cvar::kX);
        EXPECT_GE(now, seen); // never a value older than one already seen
        seen = now;
    }
    writer.join();
    EXPECT_FLOAT_EQ(env.settings.number(cvar::kX), static_cast<float>(kLast));
}

} // namespace
