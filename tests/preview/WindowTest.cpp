// The preview window on a real (virtual) display: run under xvfb-run. A
// virtual game controller made through SDL's virtual joysticks presses the
// plugin's buttons, keys reach the plugin's menu binding, and a skin edited
// on disk shows in the window's picture without a restart.
#include <gtest/gtest.h>

#include <SDL.h>
#include <algorithm>

#include "PictureOps.h"
#include "TempFolder.h"
#include "Window.h"
#include "vtxhost/Host.h"

namespace {

namespace fs = std::filesystem;
using namespace vtxpreview;

// The base picture of the test's skin: 40x20, one colour.
void writeBase(const fs::path& skin, std::uint8_t red) {
    std::string error;
    ASSERT_TRUE(writePng(skin / "Base.png", filled(40, 20, red, 60, 60), error)) << error;
}

bool drew(const vtxhost::Host& host, const std::string& file) {
    for (const vtxhost::DrawCall& draw : host.lastFrame().draws)
        if (draw.image.filename() == file)
            return true;
    return false;
}

// The colour the picture shows where the base is drawn: the first draw's top-left corner, a little inside.
std::vector<int> baseColour(PreviewWindow& window) {
    const vtxhost::DrawCall& base = window.host().lastFrame().draws.at(0);
    const Picture shot = window.screenshot();
    const int x = base.x + 10, y = base.y + 10;
    if (x < 0 || y < 0 || x >= shot.width || y >= shot.height) {
        ADD_FAILURE() << "the base is drawn at " << base.x << "," << base.y << ", outside the picture";
        return {0, 0, 0};
    }
    const std::size_t at = (static_cast<std::size_t>(y) * shot.width + x) * 4;
    return {shot.rgba[at], shot.rgba[at + 1], shot.rgba[at + 2]};
}

// Pixels of the notice's amber heading in the top-left part of the picture,
// where nothing of the plugin's is drawn in these tests.
int headingPixels(const Picture& shot) {
    int count = 0;
    for (int y = 0; y < shot.height / 4; ++y) {
        for (int x = 0; x < shot.width / 2; ++x) {
            const std::uint8_t* pixel = &shot.rgba[(static_cast<std::size_t>(y) * shot.width + x) * 4];
            count += pixel[0] > 200 && pixel[1] > 140 && pixel[1] < 230 && pixel[2] < 120;
        }
    }
    return count;
}

std::size_t occurrences(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

class Window : public testing::Test {
protected:
    TempFolder temp{"window-test"};
    fs::path skin = temp.path() / "Tester";

    void SetUp() override {
        if (!std::getenv("DISPLAY"))
            GTEST_SKIP() << "no display: run under xvfb-run";
        fs::create_directories(skin);
        writeBase(skin, 200);
        std::string error;
        ASSERT_TRUE(writePng(skin / "A.png", filled(40, 20, 10, 200, 10), error)) << error;
    }

    WindowOptions options() {
        WindowOptions options;
        options.plugin = VTX_PLUGIN_PATH;
        options.skins = {skin};
        options.select = "Tester";
        options.size = {640, 360};
        options.log = &log;
        return options;
    }

    // The overlay where a 640x360 picture shows it.
    std::unique_ptr<PreviewWindow> open() {
        auto window = std::make_unique<PreviewWindow>(options());
        window->host().executeCommand("vtx_x 300; vtx_y 200", false);
        return window;
    }

    void run(PreviewWindow& window, int frames) {
        for (int i = 0; i < frames; ++i)
            ASSERT_TRUE(window.step());
    }

    std::ostringstream log;
};

TEST_F(Window, VirtualControllerPressesAButtonTheWindowShows) {
    auto opened = open();
    PreviewWindow& window = *opened;
    run(window, 70); // the plugin's drawable registers after a second of frames
    ASSERT_FALSE(window.host().lastFrame().draws.empty()) << log.str();
    EXPECT_FALSE(drew(window.host(), "A.png"));

    const int joystick = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                                   SDL_CONTROLLER_BUTTON_MAX, 0);
    ASSERT_GE(joystick, 0) << SDL_GetError();
    SDL_Joystick* pad = SDL_JoystickOpen(joystick);
    ASSERT_NE(pad, nullptr) << SDL_GetError();
    run(window, 2); // the window opens the controller it is told of
    SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_A, SDL_PRESSED);
    SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 32767);
    run(window, 3);
    EXPECT_EQ(vtxhost::devices().xinput[0].buttons, 0x1000);
    EXPECT_EQ(vtxhost::devices().xinput[0].rightTrigger, 255);
    EXPECT_TRUE(drew(window.host(), "A.png")) << log.str();
    // The A layer is drawn over the base: the screenshot shows its green.
    const std::vector<int> colour = baseColour(window);
    EXPECT_LT(colour[0], 60);
    EXPECT_GT(colour[1], 150);

    SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_A, SDL_RELEASED);
    run(window, 3);
    EXPECT_FALSE(drew(window.host(), "A.png"));
    SDL_JoystickClose(pad);
    SDL_JoystickDetachVirtual(joystick);
}

TEST_F(Window, KeysReachTheMenuBindingAndTheMousePressesItsWidgets) {
    auto opened = open();
    PreviewWindow& window = *opened;
    run(window, 2);
    SDL_Event key{};
    key.type = SDL_KEYDOWN;
    key.key.keysym.sym = SDLK_F9;
    SDL_PushEvent(&key);
    run(window, 1);
    key.type = SDL_KEYUP;
    SDL_PushEvent(&key);
    run(window, 2);
    ASSERT_TRUE(window.host().windowOpen("vtx_menu"));

    // The window opens at the game's 640x360, so its pixels are the game's.
    const auto items = window.host().guiItems();
    const auto tab = std::find_if(items.begin(), items.end(),
                                  [](const vtxhost::GuiItem& item) { return vtxhost::guiItemLabelled(item, "Input"); });
    ASSERT_NE(tab, items.end());
    const int x = static_cast<int>(tab->visible.centreX()), y = static_cast<int>(tab->visible.centreY());
    SDL_Event mouse{};
    mouse.type = SDL_MOUSEMOTION;
    mouse.motion.x = x;
    mouse.motion.y = y;
    SDL_PushEvent(&mouse);
    run(window, 1);
    mouse = {};
    mouse.type = SDL_MOUSEBUTTONDOWN;
    mouse.button.button = SDL_BUTTON_LEFT;
    mouse.button.x = x;
    mouse.button.y = y;
    SDL_PushEvent(&mouse);
    run(window, 1);
    mouse.type = SDL_MOUSEBUTTONUP;
    SDL_PushEvent(&mouse);
    run(window, 2);
    const auto& now = window.host().guiItems();
    EXPECT_TRUE(std::any_of(now.begin(), now.end(), [](const vtxhost::GuiItem& item) {
        return vtxhost::guiItemLabelled(item, "Reset Input Defaults");
    }));
}

TEST_F(Window, AnEditedSkinShowsWithinASecond) {
    auto opened = open();
    PreviewWindow& window = *opened;
    run(window, 70);
    ASSERT_FALSE(window.host().lastFrame().draws.empty()) << log.str();
    EXPECT_GT(baseColour(window)[0], 150);

    writeBase(skin, 20);
    // A file's time may not move within the same second; its size does.
    std::string error;
    ASSERT_TRUE(writePng(skin / "Base.png", filled(44, 20, 20, 60, 60), error)) << error;
    const std::uint32_t start = SDL_GetTicks();
    while (SDL_GetTicks() - start < 1000 && baseColour(window)[0] > 60)
        run(window, 1);
    EXPECT_LT(baseColour(window)[0], 60) << log.str();
    EXPECT_NE(log.str().find("skin files changed: Tester reloaded"), std::string::npos) << log.str();
}

TEST_F(Window, ASkinThatCannotDrawSaysWhyUntilItIsMended) {
    fs::remove(skin / "Base.png");
    WindowOptions broken = options();
    broken.checked = skin;
    PreviewWindow window(broken);
    run(window, 30);
    EXPECT_EQ(occurrences(log.str(), "verdict: will not draw: Base.png is missing\n"), 1u) << log.str();
    EXPECT_NE(log.str().find("warning: Base.png is missing: add the picture of the whole pad as Base.png"),
              std::string::npos)
        << log.str();
    EXPECT_GT(headingPixels(window.screenshot()), 100) << "no notice over the frame";

    writeBase(skin, 200);
    const std::uint32_t start = SDL_GetTicks();
    while (SDL_GetTicks() - start < 1500 && headingPixels(window.screenshot()) > 0)
        run(window, 1);
    EXPECT_EQ(headingPixels(window.screenshot()), 0) << log.str();
    EXPECT_NE(log.str().find("skin " + skin.string() + " will draw: 1 of 23 drawn layers"), std::string::npos)
        << log.str();
    EXPECT_EQ(occurrences(log.str(), "verdict: "), 1u) << "the report is logged once: " << log.str();
}

TEST_F(Window, ASkinThatDrawsShowsNoNotice) {
    WindowOptions good = options();
    good.checked = skin;
    PreviewWindow window(good);
    run(window, 3);
    EXPECT_EQ(headingPixels(window.screenshot()), 0);
    EXPECT_EQ(log.str().find("skin " + skin.string()), std::string::npos) << log.str();
}

} // namespace
