// The preview's plain helpers: picture arithmetic for thumbnails and
// comparisons, the command line, and how the window turns SDL's input and a
// Sony pad's reports into what the plugin reads on Windows.
#include <gtest/gtest.h>

#include <SDL_gamecontroller.h>
#include <sstream>

#include "Cli.h"
#include "PictureOps.h"
#include "Progress.h"
#include "SonyHid.h"
#include "WindowInput.h"

namespace {

using namespace vtxpreview;

std::vector<int> at(const Picture& picture, int x, int y) {
    const std::size_t i = (static_cast<std::size_t>(y) * picture.width + x) * 4;
    return {picture.rgba[i], picture.rgba[i + 1], picture.rgba[i + 2], picture.rgba[i + 3]};
}

TEST(PictureOps, ShrinkAveragesBlocksAndKeepsPartialEdges) {
    Picture picture = filled(5, 3, 0, 0, 0);
    place(picture, filled(1, 1, 200, 100, 40), 0, 0); // one bright pixel in the first 2x2 block
    const Picture small = shrink(picture, 2);
    ASSERT_EQ(small.width, 3);
    ASSERT_EQ(small.height, 2);
    EXPECT_EQ(at(small, 0, 0), (std::vector<int>{50, 25, 10, 255}));
    EXPECT_EQ(at(small, 2, 1), (std::vector<int>{0, 0, 0, 255}));
}

TEST(PictureOps, PlaceClipsAtEveryEdge) {
    Picture into = filled(4, 4, 0, 0, 0);
    place(into, filled(3, 3, 9, 9, 9), -1, 2);
    EXPECT_EQ(at(into, 0, 2)[0], 9);
    EXPECT_EQ(at(into, 1, 3)[0], 9);
    EXPECT_EQ(at(into, 2, 2)[0], 0);
    EXPECT_EQ(at(into, 0, 1)[0], 0);
    place(into, filled(2, 2, 7, 7, 7), 10, 10); // wholly outside: nothing
}

TEST(PictureOps, ComparisonCountsPixelsBeyondTheTolerance) {
    const Picture expected = filled(3, 1, 100, 100, 100);
    Picture found = expected;
    found.rgba[0] = 108; // within 8
    found.rgba[4] = 109; // beyond
    const PictureDifference difference = comparePictures(found, expected, 8);
    EXPECT_TRUE(difference.sameSize);
    EXPECT_EQ(difference.differing, 1);
    EXPECT_EQ(difference.largest, 9);
    EXPECT_EQ(at(difference.marked, 1, 0), (std::vector<int>{255, 0, 255, 255}));
    EXPECT_FALSE(comparePictures(filled(2, 1, 0, 0, 0), expected, 8).sameSize);
}

TEST(Cli, OptionsAndTheirMistakes) {
    const RunRequest run = parseRunArgs({"a.vtx", "--frames", "out", "--size=1920x1080", "--backdrop", "b.png"});
    EXPECT_EQ(run.scenario, "a.vtx");
    EXPECT_EQ(*run.framesFolder, "out");
    EXPECT_EQ(run.size.width, 1920);
    EXPECT_EQ(run.size.height, 1080);
    EXPECT_EQ(parseRunArgs({"a.vtx"}).size.width, 2560); // the game's resolution by default
    EXPECT_EQ(parseRunArgs({"a.vtx"}).size.height, 1440);
    EXPECT_FALSE(parseRunArgs({"a.vtx"}).windowThread);
    EXPECT_TRUE(parseRunArgs({"a.vtx", "--window-thread"}).windowThread);
    EXPECT_THROW(parseRunArgs({"a.vtx", "--frames"}), UsageError);
    EXPECT_THROW(parseRunArgs({"a.vtx", "--size", "1920"}), UsageError);
    EXPECT_THROW(parseRunArgs({"a.vtx", "--size", "8x8"}), UsageError);
    EXPECT_THROW(parseRunArgs({"a.vtx", "--size", "1920x1080x1"}), UsageError);
    EXPECT_THROW(parseRunArgs({"a.vtx", "b.vtx"}), UsageError);
    EXPECT_THROW(parseRunArgs({"--frames", "out"}), UsageError);
    EXPECT_THROW(parseWindowArgs({"--quit-after", "0"}), UsageError);
    EXPECT_THROW(parseCheckSkinArgs({"--json"}), UsageError);
    EXPECT_TRUE(parseCheckSkinArgs({"skin", "--json"}).json);
}

TEST(Progress, OneRewrittenLineOnATerminalSparseLinesElsewhere) {
    std::ostringstream terminal, log;
    Progress onTerminal(terminal, true), inLog(log, false);
    for (long long frame = 1; frame <= 250; ++frame) {
        onTerminal.update(frame, 3, 9);
        inLog.update(frame, 3, 9);
    }
    onTerminal.clear();
    EXPECT_EQ(terminal.str().find('\n'), std::string::npos);
    EXPECT_NE(terminal.str().find("\r\x1b[Kframe 250, line 3 of 9"), std::string::npos);
    EXPECT_TRUE(terminal.str().ends_with("\r\x1b[K"));
    EXPECT_EQ(log.str(), "progress: frame 100, line 3 of 9\nprogress: frame 200, line 3 of 9\n");
}

TEST(WindowInput, ControllerBecomesAnXInputPad) {
    ControllerSnapshot controller;
    controller.buttons[SDL_CONTROLLER_BUTTON_A] = true;
    controller.buttons[SDL_CONTROLLER_BUTTON_DPAD_LEFT] = true;
    controller.buttons[SDL_CONTROLLER_BUTTON_RIGHTSHOULDER] = true;
    controller.axes[SDL_CONTROLLER_AXIS_TRIGGERLEFT] = 32767;
    controller.axes[SDL_CONTROLLER_AXIS_TRIGGERRIGHT] = 16384;
    controller.axes[SDL_CONTROLLER_AXIS_LEFTX] = -32768;
    controller.axes[SDL_CONTROLLER_AXIS_LEFTY] = -32768; // pushed up: XInput's Y grows upwards
    controller.axes[SDL_CONTROLLER_AXIS_RIGHTY] = 1000;
    const vtxhost::XInputPadState pad = xinputStateOf(controller);
    EXPECT_TRUE(pad.connected);
    EXPECT_EQ(pad.buttons, 0x1000 | 0x0004 | 0x0200); // XINPUT_GAMEPAD_A, DPAD_LEFT, RIGHT_SHOULDER
    EXPECT_EQ(pad.leftTrigger, 255);
    EXPECT_EQ(pad.rightTrigger, 128);
    EXPECT_EQ(pad.thumbLX, -32768);
    EXPECT_EQ(pad.thumbLY, 32767);
    EXPECT_EQ(pad.thumbRY, -1000);
}

TEST(WindowInput, KeysBecomeVirtualKeyCodes) {
    EXPECT_EQ(virtualKeysOf(SDLK_F9), std::vector<int>{0x78});
    EXPECT_EQ(virtualKeysOf(SDLK_ESCAPE), std::vector<int>{0x1B});
    EXPECT_EQ(virtualKeysOf(SDLK_q), std::vector<int>{'Q'});
    EXPECT_EQ(virtualKeysOf(SDLK_7), std::vector<int>{'7'});
    EXPECT_EQ(virtualKeysOf(SDLK_RCTRL), (std::vector<int>{0xA3, 0x11}));
    EXPECT_TRUE(virtualKeysOf(SDLK_AUDIOMUTE).empty());

    // VK_CONTROL stays held while either Ctrl key is.
    KeyState keys;
    keys.press(SDLK_LCTRL, true);
    keys.press(SDLK_RCTRL, true);
    keys.press(SDLK_LCTRL, false);
    EXPECT_TRUE(vtxhost::devices().keyHeld(0x11));
    keys.press(SDLK_RCTRL, false);
    EXPECT_FALSE(vtxhost::devices().keyHeld(0x11));
}

TEST(WindowInput, WindowPixelsMapToTheGameThroughTheLetterbox) {
    const Letterbox wide = fitLetterbox(2560, 1440, 1000, 1000); // bars above and below
    EXPECT_EQ(wide.x, 0);
    EXPECT_EQ(wide.width, 1000);
    EXPECT_EQ(wide.height, 562);
    EXPECT_EQ(wide.y, 219);
    int x = 0, y = 0;
    windowToGame(wide, 2560, 1440, 500, 219, x, y);
    EXPECT_EQ(x, 1281);
    EXPECT_EQ(y, 1);
    const Letterbox tall = fitLetterbox(2560, 1440, 1280, 600); // bars left and right
    EXPECT_EQ(tall.height, 600);
    EXPECT_EQ(tall.width, 1066);
    EXPECT_EQ(tall.x, 107);
}

// Raw Input's names and report sizes as a Windows machine gives them for Sony pads.
TEST(SonyHid, ReportsReachThePluginAsRawInputWouldDeliverThem) {
    EXPECT_EQ(rawInputDeviceName(0x0CE6, false, 0x2a1b3c4d),
              "\\\\?\\HID#VID_054C&PID_0CE6&MI_03#7&2a1b3c4d&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}");
    EXPECT_EQ(rawInputDeviceName(0x09CC, true, 0x30cdc2d8),
              "\\\\?\\HID#{00001124-0000-1000-8000-00805f9b34fb}_VID&0002054c_PID&09cc#8&30cdc2d8&0&0000#"
              "{4d1e55b2-f16f-11cf-88cb-001111000030}");
    EXPECT_EQ(rawInputReportLength(0x05C4, false, 64), 64u);
    EXPECT_EQ(rawInputReportLength(0x0CE6, true, 10), 78u);  // DualSense, simple report padded
    EXPECT_EQ(rawInputReportLength(0x09CC, true, 78), 547u); // DualShock 4 over Bluetooth

    const std::uint8_t shortReport[] = {0x01, 0x80, 0x80, 0x80, 0x80, 0x48, 0x40, 0x00, 0x00, 0x00};
    const vtxhost::HidMessage message = rawInputMessage(9, 0x0CE6, true, shortReport, sizeof shortReport);
    EXPECT_EQ(message.device, 9u);
    EXPECT_EQ(message.reportCount, 1u);
    EXPECT_EQ(message.reportSize, 78u);
    ASSERT_EQ(message.bytes.size(), 78u);
    EXPECT_EQ(message.bytes[5], 0x48);
    EXPECT_EQ(message.bytes[77], 0);
}

} // namespace
