// The host calls the stand-in counts: console-variable reads, wrapper objects
// made and canvas calls, each frame's from its start to its end.
#include <cstdint>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "HostTestSupport.h"
#include "bakkesmod/wrappers/GameWrapper.h"
#include "bakkesmod/wrappers/cvarmanagerwrapper.h"
#include "vtxhost/HostCalls.h"

using hosttest::TempFolder;

namespace {

using Counts = vtxhost::HostCallCounts;

class HostCalls : public testing::Test {
protected:
    void SetUp() override { vtxhost::resetHostCallCounts(); }

    TempFolder folder;
    vtxhost::Host host{hosttest::optionsFor(folder)};
    std::shared_ptr<CVarManagerWrapper> cvars = host.cvarManager();
    std::shared_ptr<GameWrapper> game = host.gameWrapper();
};

TEST_F(HostCalls, EveryGetterAndLookupIsARead) {
    CVarWrapper speed = cvars->registerCvar("hc_speed", "2.5");
    vtxhost::resetHostCallCounts();
    speed.getIntValue();
    speed.getFloatValue();
    speed.getBoolValue();
    speed.getStringValue();
    speed.getCVarName();
    speed.getDescription();
    EXPECT_EQ(vtxhost::hostCallCounts(), (Counts{6, 0, 0}));

    // A lookup is a read and makes a handle; a handle of no variable answers too.
    CVarWrapper none = cvars->getCvar("hc_nothing");
    none.getIntValue();
    EXPECT_EQ(vtxhost::hostCallCounts(), (Counts{8, 1, 0}));
    // Asking whether a handle names a variable, and setting one, read nothing.
    speed.IsNull();
    static_cast<void>(static_cast<bool>(none));
    speed.setValue(3);
    speed.setValue(std::string("4"));
    EXPECT_EQ(vtxhost::hostCallCounts(), (Counts{8, 1, 0}));
}

TEST_F(HostCalls, EveryWrapperMadeOrCopiedCountsOnce) {
    CVarWrapper speed = cvars->registerCvar("hc_speed", "1");
    vtxhost::resetHostCallCounts();
    CVarWrapper copy = speed;
    copy = speed; // assigned through a copy
    CanvasWrapper canvas(0);
    CanvasWrapper canvasCopy = canvas;
    GameWrapper gameCopy = *game;
    CVarManagerWrapper cvarsCopy = *cvars;
    ImageWrapper picture("no-such-picture.png");
    CarWrapper car = gameCopy.GetLocalCar(); // one object, however deep its class
    CarWrapper carCopy = car;
    EXPECT_EQ(vtxhost::hostCallCounts(), (Counts{0, 9, 0}));
}

TEST_F(HostCalls, EveryCanvasCallCountsOnAFrameOrNone) {
    vtxhost::CanvasRecord record;
    for (CanvasWrapper canvas : {CanvasWrapper(0), CanvasWrapper(reinterpret_cast<std::uintptr_t>(&record))}) {
        vtxhost::resetHostCallCounts();
        canvas.SetColor(1, 2, 3, 4);
        canvas.SetColor(LinearColor{1, 2, 3, 4});
        canvas.SetPosition(Vector2{1, 2});
        canvas.SetPosition(Vector2F{1, 2});
        canvas.DrawString("a");
        canvas.DrawString("a", 1, 1);
        canvas.DrawString("a", 1, 1, true);
        canvas.GetStringSize("a");
        canvas.DrawTexture(nullptr, 1);
        canvas.DrawLine(Vector2F{0, 0}, Vector2F{1, 1});
        canvas.DrawLine(Vector2F{0, 0}, Vector2F{1, 1}, 2);
        canvas.DrawLine(Vector2{0, 0}, Vector2{1, 1});
        canvas.DrawLine(Vector2{0, 0}, Vector2{1, 1}, 2);
        canvas.FillBox(Vector2F{1, 1});
        canvas.FillBox(Vector2{1, 1});
        canvas.DrawBox(Vector2F{1, 1});
        canvas.DrawBox(Vector2{1, 1});
        canvas.DrawRect(Vector2F{0, 0}, Vector2F{1, 1});
        canvas.DrawRect(Vector2{0, 0}, Vector2{1, 1});
        canvas.GetSize();
        EXPECT_EQ(vtxhost::hostCallCounts(), (Counts{0, 0, 20}));
    }
    EXPECT_EQ(record.shapes.size(), 10u);
}

// The canvas the host hands a drawable is its own; the copy a drawable that
// takes it by value makes is the drawable's.
TEST_F(HostCalls, AFrameCountsItsOwnCallsFromItsStartToItsEnd) {
    CVarWrapper speed = cvars->registerCvar("hc_speed", "1");
    game->RegisterDrawable([this](CanvasWrapper canvas) {
        canvas.SetPosition(Vector2{1, 2});
        cvars->getCvar("hc_speed").getIntValue();
    });
    game->RegisterDrawable([](CanvasWrapper&& canvas) { canvas.GetSize(); });
    speed.getIntValue(); // between frames: no frame's
    host.frame();
    const Counts first = host.frameCallCounts();
    EXPECT_EQ(first, (Counts{2, 2, 2}));
    speed.getIntValue();
    EXPECT_EQ(host.frameCallCounts(), first); // kept as the frame ended
    host.frame();
    EXPECT_EQ(host.frameCallCounts(), first); // started afresh
    EXPECT_EQ(vtxhost::hostCallCounts(), first);
}

// Timers, Execute and change callbacks get what the host keeps and hands
// them; only what they do themselves counts.
TEST_F(HostCalls, WhatTheHostKeepsAndHandsToCallbacksIsNotCounted) {
    CVarWrapper speed = cvars->registerCvar("hc_speed", "1");
    speed.addOnValueChanged([](std::string, CVarWrapper&& now) { now.getIntValue(); });
    game->SetTimeout([](GameWrapper*) {}, 0);
    game->SetTimeout(
        [this](GameWrapper* self) { self->Execute([this](GameWrapper*) { host.executeCommand("hc_speed 5"); }); }, 0);
    host.frame();
    EXPECT_EQ(host.frameCallCounts(), (Counts{1, 0, 0}));
    EXPECT_EQ(host.cvarValue("hc_speed"), "5");
}

} // namespace
