// The menu's theme colours land on the widgets that should carry them, in a
// picture of the real plugin's menu drawn by the stand-in host and painted by
// the preview's renderer. Dear ImGui's colours are indices into the style's
// colour table: a plugin built from a Dear ImGui whose colour list differs
// from the host's (upstream 1.75 lacks the host's ImGuiCol_RangeSliderBar)
// pushes every colour from SliderGrab on into the wrong slot, and the host
// then paints buttons, tabs and frames with neighbouring colours. A plugin
// whose colour list merely orders the colours differently still draws its own
// pushed colours right, but every colour it leaves to the host's style (the
// separator here) comes from a neighbour's slot.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FrameRenderer.h"
#include "PluginHost.h"

namespace {

using vtxpreview::Picture;

// SDL's software renderer blends in 8 bits.
constexpr int kTolerance = 3;

struct Rgb {
    int r, g, b;
};

// The theme for the accent (1, 0, 0): pure red is already vivid (saturation
// 1, value 1), so V = (1, 0, 0). Channels are Dear ImGui's float-to-byte
// conversion, int(c * 255 + 0.5).
constexpr Rgb kButton = {41, 41, 41};    // Button (0.16, 0.16, 0.16)
constexpr Rgb kHeader = {132, 17, 17};   // Header mix(0.12, V, 0.45) = (0.516, 0.066, 0.066)
constexpr Rgb kFrameBg = {80, 29, 29};   // FrameBg mix(0.14, V, 0.20) = (0.312, 0.112, 0.112)
constexpr Rgb kChildBg = {28, 28, 28};   // ChildBg (0.11, 0.11, 0.11, menu alpha 1)
constexpr Rgb kSidebarBg = {20, 20, 20}; // the sidebar's own ChildBg (0.08, 0.08, 0.08, menu alpha 1)

Rgb pixel(const Picture& picture, float x, float y) {
    const std::size_t at = (static_cast<std::size_t>(y) * picture.width + static_cast<std::size_t>(x)) * 4;
    return {picture.rgba[at], picture.rgba[at + 1], picture.rgba[at + 2]};
}

testing::AssertionResult near(const Rgb& found, const Rgb& wanted) {
    if (std::abs(found.r - wanted.r) <= kTolerance && std::abs(found.g - wanted.g) <= kTolerance &&
        std::abs(found.b - wanted.b) <= kTolerance)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "found (" << found.r << ", " << found.g << ", " << found.b << "), wanted ("
                                       << wanted.r << ", " << wanted.g << ", " << wanted.b << ")";
}

struct ThemeColours : ::testing::Test {
    void SetUp() override {
        env.load();
        env.settle();
        for (const char* line : {"vtx_ui_accent_r 1", "vtx_ui_accent_g 0", "vtx_ui_accent_b 0", "vtx_ui_menu_alpha 1"})
            env.host->executeCommand(line, false);
        // The mouse rests in a corner the menu does not cover: nothing is hovered.
        env.host->setMouse(2550, 1430, false);
        env.host->executeCommand("openmenu vtx_menu", false);
        for (int i = 0; i < 3; ++i)
            env.host->frame();
        ASSERT_TRUE(env.host->windowOpen("vtx_menu"));
        vtxpreview::FrameRenderer renderer(2560, 1440);
        picture = renderer.render(env.host->lastFrame(), vtxpreview::lastGuiFrame(*env.host));
    }

    const vtxhost::GuiItem& item(const std::string& label) {
        for (const vtxhost::GuiItem& candidate : env.host->guiItems())
            if (vtxhost::guiItemLabelled(candidate, label) && !candidate.visible.empty())
                return candidate;
        ADD_FAILURE() << "no widget " << label << " in the menu";
        static const vtxhost::GuiItem none;
        return none;
    }

    vtxtest::PluginHost env;
    Picture picture;
};

TEST_F(ThemeColours, ButtonsTabsAndFramesCarryTheirThemeColours) {
    // The top bar's close button, left of its "X".
    const vtxhost::GuiItem& close = item("X");
    const float closeMidY = (close.rect.minY + close.rect.maxY) / 2;
    EXPECT_TRUE(near(pixel(picture, close.rect.minX + 4, closeMidY), kButton)) << "the close button";

    // The selected tab (General at start) is a selectable in the Header
    // colour; its label is drawn on the left, so the right end is bare.
    const vtxhost::GuiItem& general = item("General");
    const float generalMidY = (general.rect.minY + general.rect.maxY) / 2;
    EXPECT_TRUE(near(pixel(picture, general.rect.maxX - 6, generalMidY), kHeader)) << "the selected tab";
    // An unselected tab shows the sidebar behind it, not a header.
    const vtxhost::GuiItem& input = item("Input");
    EXPECT_FALSE(near(pixel(picture, input.rect.maxX - 6, (input.rect.minY + input.rect.maxY) / 2), kHeader))
        << "an unselected tab";

    // The separator under the credit line is a colour the theme leaves alone:
    // the host's default dark style gives it (0.43, 0.43, 0.50, 0.50) =
    // (110, 110, 128, 128). Drawn anti-aliased over the sidebar's (20, 20, 20),
    // each of its pixels is the background moved some part k of the way
    // towards that colour, whatever its coverage: the same k in every channel.
    const float tabX = general.rect.maxX - 6;
    float lineY = general.rect.minY - 1;
    while (lineY > general.rect.minY - 40 &&
           (near(pixel(picture, tabX, lineY), kSidebarBg) || near(pixel(picture, tabX, lineY), kHeader)))
        --lineY;
    const Rgb line = pixel(picture, tabX, lineY);
    const float k = (line.r - kSidebarBg.r) / 90.0f; // 110 - 20
    const Rgb onLine = {line.r, static_cast<int>(20 + 90 * k + 0.5f), static_cast<int>(20 + 108 * k + 0.5f)};
    EXPECT_GT(k, 0.1f) << "no separator above the tabs";
    EXPECT_TRUE(near(line, onLine)) << "the separator, " << k << " of the way from the sidebar to its colour";

    // A checkbox's box, left of its check mark.
    const vtxhost::GuiItem& enable = item("Enable overlay");
    EXPECT_TRUE(near(pixel(picture, enable.rect.minX + 3, (enable.rect.minY + enable.rect.maxY) / 2), kFrameBg))
        << "the checkbox frame";

    // The content region's background, right of the checkbox's label.
    EXPECT_TRUE(near(pixel(picture, enable.rect.maxX + 40, (enable.rect.minY + enable.rect.maxY) / 2), kChildBg))
        << "the content child";
}

} // namespace
