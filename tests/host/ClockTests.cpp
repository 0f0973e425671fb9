#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "HostTestSupport.h"
#include "bakkesmod/wrappers/GameWrapper.h"
#include "bakkesmod/wrappers/cvarmanagerwrapper.h"

using hosttest::TempFolder;
using Seen = std::vector<std::string>;

namespace {

constexpr std::int64_t kMs = 1'000'000;

class Clock : public testing::Test {
protected:
    std::function<void(GameWrapper*)> note(std::string what) {
        return [this, what](GameWrapper*) { seen.push_back(what); };
    }

    TempFolder folder;
    vtxhost::Host host{hosttest::optionsFor(folder)};
    std::shared_ptr<GameWrapper> game = host.gameWrapper();
    std::shared_ptr<CVarManagerWrapper> cvars = host.cvarManager();
    Seen seen;
};

TEST_F(Clock, TimersRunWhenDueThenInSchedulingOrder) {
    host.setFrameRate(10); // 100 ms frames
    game->SetTimeout(note("b"), 0.25f);
    game->SetTimeout(note("a"), 0.1f);
    game->SetTimeout(note("c"), 0.25f);
    EXPECT_EQ(host.pendingTimers(), 3u);

    host.frame();
    EXPECT_EQ(seen, Seen{"a"});
    host.frame();
    EXPECT_EQ(seen, Seen{"a"});
    host.frame();
    EXPECT_EQ(seen, (Seen{"a", "b", "c"}));
    EXPECT_EQ(host.pendingTimers(), 0u);
}

TEST_F(Clock, AdvanceRunsEachTimerAtItsDueTime) {
    const std::int64_t start = vtxhost::devices().nowNs();
    std::vector<std::int64_t> at;
    auto stamp = [&](GameWrapper*) { at.push_back(vtxhost::devices().nowNs() - start); };
    game->SetTimeout(stamp, 1.5f);
    game->SetTimeout(
        [&](GameWrapper* self) {
            stamp(self);
            self->SetTimeout(stamp, 0.25f); // falls inside the same advance
        },
        0.5f);

    host.advance(2000 * kMs);
    EXPECT_EQ(at, (std::vector<std::int64_t>{500 * kMs, 750 * kMs, 1500 * kMs}));
    EXPECT_EQ(vtxhost::devices().nowNs() - start, 2000 * kMs);
}

TEST_F(Clock, TimerReschedulingItselfWithoutDelayRunsOncePerFrame) {
    int runs = 0;
    std::function<void(GameWrapper*)> again = [&](GameWrapper* self) {
        ++runs;
        self->SetTimeout(again, 0.0f);
    };
    game->SetTimeout(again, 0.0f);
    host.frame();
    host.frame();
    host.advance(1000 * kMs);
    EXPECT_EQ(runs, 3);
    EXPECT_EQ(host.pendingTimers(), 1u);
}

TEST_F(Clock, ExecuteRunsAfterTheCurrentCall) {
    cvars->registerNotifier(
        "outer",
        [&](std::vector<std::string>) {
            seen.push_back("outer start");
            game->Execute(note("queued"));
            seen.push_back("outer end");
        },
        "", 0);
    cvars->registerNotifier(
        "other", [&](std::vector<std::string>) { seen.push_back("other"); }, "", 0);

    host.executeCommand("outer; other");
    EXPECT_EQ(seen, (Seen{"outer start", "outer end", "other", "queued"}));

    seen.clear();
    game->Execute(note("direct")); // from outside any host call: runs at once
    EXPECT_EQ(seen, Seen{"direct"});
}

TEST_F(Clock, ExecuteFromTimersHooksAndCallbacksRunsAfterThem) {
    game->HookEvent("E", [&](std::string) {
        game->Execute(note("from hook"));
        seen.push_back("hook");
    });
    game->HookEvent("E", [&](std::string) { seen.push_back("hook 2"); });
    host.fireEvent("E");
    EXPECT_EQ(seen, (Seen{"hook", "hook 2", "from hook"}));

    seen.clear();
    game->SetTimeout(
        [&](GameWrapper* self) {
            self->Execute(note("from timer"));
            seen.push_back("timer");
        },
        0.0f);
    host.advance(0);
    EXPECT_EQ(seen, (Seen{"timer", "from timer"}));
}

TEST_F(Clock, HooksRegisteredWhileFiringRunFromTheNextEvent) {
    int late = 0;
    game->HookEvent("E", [&](std::string name) {
        seen.push_back(name);
        game->HookEvent("E", [&](std::string) { ++late; });
        throw std::runtime_error("hook failed");
    });
    game->HookEvent("F", [&](std::string) { seen.push_back("wrong event"); });
    host.fireEvent("E");
    EXPECT_EQ(seen, Seen{"E"});
    EXPECT_EQ(late, 0);
    EXPECT_EQ(hosttest::logCount(host, "Exception in plugin callback: hook failed"), 1);
    host.fireEvent("E");
    EXPECT_EQ(late, 1);
    EXPECT_EQ(host.registeredHooks(), 4u);
}

TEST_F(Clock, FrameTicksTheViewportAndDrawsOnAFreshCanvas) {
    int ticks = 0;
    game->HookEvent("Function TAGame.GameViewportClient.Tick", [&](std::string) { ++ticks; });
    game->RegisterDrawable([](CanvasWrapper canvas) {
        canvas.SetColor(1, 2, 3, 4);
        canvas.SetPosition(Vector2{5, 6});
    });
    EXPECT_EQ(host.registeredDrawables(), 1u);
    const std::int64_t start = vtxhost::devices().nowNs();
    host.frame();
    host.frame();
    EXPECT_EQ(ticks, 2);
    EXPECT_EQ(vtxhost::devices().nowNs() - start, 2 * (1'000'000'000 / 60));
    const auto& canvas = host.lastFrame();
    ASSERT_EQ(canvas.ops.size(), 2u);
    EXPECT_EQ(canvas.ops[1].kind, vtxhost::CanvasOp::Kind::SetPosition);
    EXPECT_EQ(canvas.ops[1].x, 5);
    EXPECT_EQ(canvas.a, 4);
}

} // namespace
