// The menu window drawn into a Dear ImGui context of the test's own, frame
// by frame: the start-up badge only inside a frame, the style stacks and the
// global font scale left as found on every path, the input block and the
// no-context close by the stand-in machine's clock.
#include <algorithm>

#include <imgui.h>
#include <imgui_internal.h>

#include "PluginHost.h"
#include "TestGuiContext.h"
#include "core/Catalogue.h"
#include "menu/GoldEgg.h"
#include "menu/Menu.h"
#include "plugin/ProcessState.h"
#include "plugin/Vantrix.h"

namespace {

constexpr std::int64_t kMs = 1'000'000;

struct MenuFrame : ::testing::Test {
    void SetUp() override {
        plugin.cvarManager = env.host->cvarManager();
        vtx::registerCvars(*plugin.cvarManager, vtx::kEarlyCvars);
        vtx::registerCvars(*plugin.cvarManager, vtx::kLateCvars);
        context = vtxtest::createGuiContext(1920, 1080);
    }
    void TearDown() override {
        ImGui::SetCurrentContext(context);
        if (context->WithinFrameScope)
            ImGui::EndFrame();
        ImGui::DestroyContext(context);
    }
    void beginFrame() {
        ImGui::SetCurrentContext(context);
        ImGui::NewFrame();
    }
    void endFrame() {
        ImGui::SetCurrentContext(context);
        ImGui::EndFrame();
    }
    // What a menu frame must leave behind: no pushed colour, style value or
    // item flag, no window left open, the global font scale as it was.
    void expectBalanced(const char* where) {
        EXPECT_EQ(context->ColorModifiers.Size, 0) << where;
        EXPECT_EQ(context->StyleModifiers.Size, 0) << where;
        EXPECT_EQ(context->CurrentWindowStack.Size, 1) << where; // the implicit "Debug" window
        // Item flags are kept per window: the one drawn into after the menu has none pushed.
        EXPECT_EQ(context->CurrentWindow->DC.ItemFlagsStack.Size, 0) << where;
        EXPECT_EQ(context->CurrentWindow->DC.ItemFlags, ImGuiItemFlags_Default_) << where;
        EXPECT_EQ(context->IO.FontGlobalScale, 1.0f) << where;
    }
    void renderFrame(const char* where) {
        beginFrame();
        if (ownMenu != nullptr)
            ownMenu->render();
        else
            plugin.Render();
        expectBalanced(where);
        endFrame();
    }
    // A child window of the menu by the id it was begun with.
    ImGuiWindow* childWindow(const char* id) {
        const std::string part = std::string("/") + id + "_";
        for (ImGuiWindow* window : context->Windows) {
            if (std::string(window->Name).find(part) != std::string::npos)
                return window;
        }
        return nullptr;
    }
    void mouseFrame(ImVec2 at, bool down) {
        context->IO.MousePos = at;
        context->IO.MouseDown[0] = down;
        renderFrame("mouse");
    }
    // Whether anything of the last frame's content region was drawn in `colour`.
    bool contentDrew(ImU32 colour) {
        ImGuiWindow* content = childWindow("vtx_content");
        if (content == nullptr)
            return false;
        const ImVector<ImDrawVert>& vertices = content->DrawList->VtxBuffer;
        return std::any_of(vertices.begin(), vertices.end(), [colour](const ImDrawVert& v) { return v.col == colour; });
    }
    bool windowDrawnLastFrame(const char* name) {
        ImGuiWindow* window = ImGui::FindWindowByName(name);
        return window != nullptr && window->LastFrameActive == context->FrameCount;
    }

    vtxtest::PluginHost env;
    Vantrix plugin;
    // What a menu of the test's own works through: the same console.
    std::shared_ptr<GameWrapper> noGame;
    vtx::HostView host{noGame, plugin.cvarManager};
    // A menu of the test's own, drawn instead of the plugin's when set.
    vtx::Menu* ownMenu = nullptr;
    ImGuiContext* context = nullptr;
};

// The badge shows only while no menu frame was ever drawn.
TEST_F(MenuFrame, StartupBadgeIsDrawnOnlyInsideAFrameAndOnlyBeforeTheFirstMenuFrame) {
    plugin.SetImGuiContext(reinterpret_cast<std::uintptr_t>(context));
    ASSERT_TRUE(plugin.menu().neverDrawn());

    // Closed between frames: Dear ImGui takes no window then; nothing is drawn.
    ImGui::SetCurrentContext(context);
    plugin.OnOpen();
    plugin.OnClose();
    EXPECT_EQ(ImGui::FindWindowByName("##vtx_init_badge"), nullptr);
    EXPECT_FALSE(context->IO.MouseDrawCursor);

    // Closed inside a frame: the badge, its top-right corner 12 px from the
    // screen's (a new auto-sized window takes that place once measured).
    beginFrame();
    plugin.OnOpen();
    plugin.OnClose();
    EXPECT_TRUE(windowDrawnLastFrame("##vtx_init_badge"));
    endFrame();
    ImGuiWindow* badge = ImGui::FindWindowByName("##vtx_init_badge");
    ASSERT_NE(badge, nullptr);
    EXPECT_FLOAT_EQ(badge->SetWindowPosVal.x, 1920.0f - 12.0f);
    EXPECT_FLOAT_EQ(badge->SetWindowPosVal.y, 12.0f);
    EXPECT_FLOAT_EQ(badge->SetWindowPosPivot.x, 1.0f);
    EXPECT_TRUE(badge->Flags & ImGuiWindowFlags_NoMouseInputs);

    // After one visible menu frame closing shows nothing.
    plugin.OnOpen();
    renderFrame("first menu frame");
    EXPECT_FALSE(plugin.menu().neverDrawn());
    beginFrame();
    plugin.OnClose();
    EXPECT_FALSE(windowDrawnLastFrame("##vtx_init_badge"));
    endFrame();
}

TEST_F(MenuFrame, EveryTabLeavesTheStylesBalancedAndTheFontScaleAsFound) {
    plugin.SetImGuiContext(reinterpret_cast<std::uintptr_t>(context));
    plugin.cvarManager->getCvar("vtx_ui_font_scale").setValue("0.9");
    plugin.OnOpen();
    for (const vtx::TabRow& tab : vtx::kTabs) {
        plugin.menu().selectTab(tab.id);
        renderFrame(tab.label);
        renderFrame(tab.label);
        EXPECT_TRUE(windowDrawnLastFrame("Vantrix")) << tab.label;
    }
    // The menu draws at 1.25 and records that, whatever the variable held.
    EXPECT_EQ(env.cvar("vtx_ui_font_scale"), "1.25");

    // No tab has this id; the first tab is shown and selected instead.
    plugin.menu().selectTab(42);
    renderFrame("unknown tab id");
    EXPECT_EQ(plugin.menu().selectedTab(), vtx::kTabGeneral);

    // A main window that Dear ImGui skips (style alpha 0 hides it) ends the frame early.
    beginFrame();
    ImGui::GetStyle().Alpha = 0.0f;
    plugin.Render();
    expectBalanced("hidden main window");
    ImGui::GetStyle().Alpha = 1.0f;
    endFrame();
}

// A grey accent is one the vivid transform leaves alone, so the content's
// text is that grey exactly, on every tab but the credits, which keep the
// theme's text colour (0.92 grey).
TEST_F(MenuFrame, TheCreditsKeepTheThemesTextColourAndEveryOtherTabSpeaksInTheAccent) {
    for (const char* channel : {"vtx_ui_accent_r", "vtx_ui_accent_g", "vtx_ui_accent_b"})
        plugin.cvarManager->getCvar(channel).setValue("0.5");
    const ImU32 accent = IM_COL32(128, 128, 128, 255);
    const ImU32 themeText = IM_COL32(235, 235, 235, 255);
    plugin.SetImGuiContext(reinterpret_cast<std::uintptr_t>(context));
    plugin.OnOpen();
    for (const vtx::TabRow& tab : vtx::kTabs) {
        plugin.menu().selectTab(tab.id);
        renderFrame(tab.label);
        const bool credits = tab.id == vtx::kTabPatreon;
        EXPECT_EQ(contentDrew(accent), !credits) << tab.label;
        EXPECT_EQ(contentDrew(themeText), credits) << tab.label;
    }
}

// The egg outlives plugin objects, so this menu is handed an egg of its own.
TEST_F(MenuFrame, ShakingTheTopBarShowsTheEggAndClicksCrackAndHatchIt) {
    vtx::EggState eggState;
    vtx::SkinLibrary skins{host};
    vtx::PadInput input{host};
    vtx::Menu menu(host, skins, input, eggState);
    ownMenu = &menu;
    const vtx::GoldEgg& shown = menu.eggState().egg;
    menu.setContext(reinterpret_cast<std::uintptr_t>(context));
    menu.open();
    renderFrame("first");
    renderFrame("second");
    ImGuiWindow* bar = childWindow("vtx_topbar");
    ASSERT_NE(bar, nullptr);
    // Held over the bar, 20 px a frame at 60 frames a second (1200 px/s):
    // right, left, right, left makes three reversals.
    ImVec2 at(bar->Pos.x + bar->Size.x * 0.5f, bar->Pos.y + 20);
    mouseFrame(at, true);
    for (float dx : {20.0f, -20.0f, 20.0f}) {
        at.x += dx;
        mouseFrame(at, true);
    }
    EXPECT_EQ(shown.stage, vtx::kEggHidden);
    at.x -= 20.0f;
    mouseFrame(at, true);
    EXPECT_EQ(shown.stage, vtx::kEggWhole);
    mouseFrame(at, false);

    ImGuiWindow* sidebar = childWindow("vtx_sidebar");
    ASSERT_NE(sidebar, nullptr);
    const ImVec2 egg(sidebar->Pos.x + 62, sidebar->Pos.y + sidebar->Size.y - 72);
    mouseFrame(egg, false);
    // A press held over several frames is one click.
    for (int i = 0; i < 5; ++i)
        mouseFrame(egg, true);
    mouseFrame(egg, false);
    EXPECT_EQ(shown.clicks, 1);
    for (int i = 1; i < 29; ++i) {
        mouseFrame(egg, true);
        mouseFrame(egg, false);
    }
    EXPECT_EQ(shown.stage, vtx::kEggWhole);
    mouseFrame(egg, true);
    mouseFrame(egg, false);
    EXPECT_EQ(shown.stage, vtx::kEggCracked);
    for (int i = 30; i < 60; ++i) {
        mouseFrame(egg, true);
        mouseFrame(egg, false);
    }
    EXPECT_EQ(shown.stage, vtx::kEggHatched);
    EXPECT_TRUE(shown.revealed);
    EXPECT_FALSE(menu.eggState().shake.enabled);
    EXPECT_EQ(vtx::processState().egg.egg.stage, vtx::kEggHidden) << "the plugin's own egg";
}

// Each plugin object's menu keeps its own state: a second one (a reload's new
// object, or a second window) neither sees the first one's frames nor its tab.
TEST_F(MenuFrame, TwoPluginObjectsDoNotShareTheirMenuState) {
    Vantrix second;
    second.cvarManager = plugin.cvarManager;
    plugin.SetImGuiContext(reinterpret_cast<std::uintptr_t>(context));
    second.SetImGuiContext(reinterpret_cast<std::uintptr_t>(context));
    plugin.menu().selectTab(vtx::kTabPatreon);
    plugin.OnOpen();
    renderFrame("first object");
    ASSERT_FALSE(plugin.menu().neverDrawn());

    EXPECT_TRUE(second.menu().neverDrawn());
    EXPECT_EQ(second.menu().selectedTab(), vtx::kTabGeneral);
    EXPECT_FALSE(second.ShouldBlockInput()) << "the second window was never opened";
    // Closed inside a frame before its first menu frame: its own badge.
    beginFrame();
    second.OnOpen();
    second.OnClose();
    EXPECT_TRUE(windowDrawnLastFrame("##vtx_init_badge"));
    endFrame();
    EXPECT_EQ(plugin.menu().selectedTab(), vtx::kTabPatreon);
    // Except the egg: once hatched it stays hatched across reloads.
    EXPECT_EQ(&second.menu().eggState(), &plugin.menu().eggState());
}

TEST_F(MenuFrame, InputIsBlockedFor200msAfterOpeningThenOnlyWhenDearImGuiWantsIt) {
    plugin.SetImGuiContext(reinterpret_cast<std::uintptr_t>(context));
    EXPECT_FALSE(plugin.ShouldBlockInput()); // closed
    plugin.OnOpen();
    EXPECT_TRUE(plugin.ShouldBlockInput());
    EXPECT_TRUE(context->IO.MouseDrawCursor);
    vtxhost::devices().advanceNs(199 * kMs);
    EXPECT_TRUE(plugin.ShouldBlockInput());
    vtxhost::devices().advanceNs(1 * kMs);
    EXPECT_FALSE(plugin.ShouldBlockInput());
    context->IO.WantCaptureMouse = true;
    EXPECT_TRUE(plugin.ShouldBlockInput());
    plugin.OnClose();
    EXPECT_FALSE(plugin.ShouldBlockInput());
}

// The loaded plugin, without the context the host handed over.
TEST(MenuWindow, WithoutAContextTheWindowStaysOpen2000msThenClosesItself) {
    vtxtest::PluginHost env;
    env.load();
    env.settle();
    auto* window = static_cast<Vantrix*>(env.host->plugin());
    window->SetImGuiContext(0);
    env.host->setFrameRate(100);
    env.host->executeCommand("togglemenu vtx_menu");
    ASSERT_TRUE(env.host->windowOpen("vtx_menu"));
    EXPECT_FALSE(window->ShouldBlockInput());
    for (int i = 0; i < 200; ++i)
        env.host->frame(); // 2000 ms
    EXPECT_TRUE(env.host->windowOpen("vtx_menu"));
    env.host->frame();
    EXPECT_FALSE(env.host->windowOpen("vtx_menu"));
}

} // namespace
