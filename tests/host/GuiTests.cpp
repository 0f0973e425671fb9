// Dear ImGui in the stand-in host: the widgets a plugin draws with its own
// copy of Dear ImGui reach the host through the item hooks, and the host's
// input reaches the plugin's widgets. Runs on Linux and, with the fixture as
// a DLL, under Wine.
#include <algorithm>

#include <gtest/gtest.h>

#include "HostTestSupport.h"
#include "imgui.h"

using hosttest::logCount;
using hosttest::TempFolder;

namespace {

class Gui : public testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(host.load(VTX_FIXTURE_PLUGIN, &error)) << error;
        host.executeCommand("openmenu fx_menu");
        host.frame();
    }

    const vtxhost::GuiItem* item(const std::string& label) const {
        const auto& items = host.guiItems();
        auto found = std::find_if(items.begin(), items.end(),
                                  [&](const vtxhost::GuiItem& item) { return vtxhost::guiItemLabelled(item, label); });
        return found == items.end() ? nullptr : &*found;
    }

    void mouseOn(const vtxhost::GuiItem& target, bool down) {
        host.setMouse(static_cast<int>(target.visible.centreX()), static_cast<int>(target.visible.centreY()), down);
    }

    TempFolder folder;
    vtxhost::Host host{hosttest::optionsFor(folder)};
};

TEST_F(Gui, WidgetsOfThePluginsOwnImGuiAreRecordedWithLabelWindowAndPlace) {
    const vtxhost::GuiItem* button = item("Press me");
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->label, "Press me");
    EXPECT_EQ(button->window, "Fixture");
    // The fixture's window starts at 40,30, 420 wide; the button is below its title bar.
    EXPECT_GT(button->rect.minX, 40);
    EXPECT_GT(button->rect.minY, 30 + 10);
    EXPECT_LT(button->rect.maxX, 40 + 420);
    EXPECT_FALSE(button->visible.empty());

    // Found by the id its label makes, though it reports no label.
    const vtxhost::GuiItem* knob = item("##knob");
    ASSERT_NE(knob, nullptr);
    EXPECT_EQ(knob->label, "");
    EXPECT_FLOAT_EQ(knob->rect.maxX - knob->rect.minX, 60); // as the fixture asks
    EXPECT_NE(item("##amount"), nullptr);                   // a text field inside its own ID scope

    // The list's last row lies below its 80-pixel box: drawn, but out of view.
    const vtxhost::GuiItem* lastRow = item("Row 11");
    ASSERT_NE(lastRow, nullptr);
    EXPECT_EQ(lastRow->window.rfind("Fixture/rows", 0), 0u);
    EXPECT_TRUE(lastRow->visible.empty());
    EXPECT_EQ(item("Row 12"), nullptr);
    EXPECT_EQ(item("Press"), nullptr);
}

// Dear ImGui asserts at the end of a frame on a window or a push left open;
// the host closes and pops what a plugin left, and the next frame is whole.
TEST_F(Gui, WhatAPluginLeavesOpenIsClosedAtTheFramesEnd) {
    host.executeCommand("fx_untidy 1");
    host.frame();
    ASSERT_EQ(logCount(host, "fx untidy"), 1);
    ImGuiContext* context = host.guiContext();
    ImGui::SetCurrentContext(context);
    EXPECT_EQ(ImGui::GetStyle().Colors[ImGuiCol_Text].y, ImGui::GetStyle().Colors[ImGuiCol_Text].x)
        << "the text colour is the style's own again, not the pushed red";
    EXPECT_EQ(ImGui::GetStyle().Alpha, 1.0f);
    host.executeCommand("fx_untidy 0");
    host.frame();
    EXPECT_NE(item("Press me"), nullptr);
    EXPECT_NE(item("Row 0"), nullptr);
}

TEST_F(Gui, EachFrameRecordsOnlyItsOwnWidgets) {
    ASSERT_NE(item("Press me"), nullptr);
    host.executeCommand("closemenu fx_menu");
    host.frame();
    EXPECT_EQ(item("Press me"), nullptr);
    EXPECT_TRUE(host.guiItems().empty());
}

TEST_F(Gui, MouseAndKeyboardReachThePluginsWidgetsThroughImGuiIo) {
    const vtxhost::GuiItem button = *item("Press me");
    mouseOn(button, false);
    host.frame();
    mouseOn(button, true);
    host.frame();
    mouseOn(button, false);
    host.frame();
    EXPECT_EQ(logCount(host, "fx pressed"), 1);

    const vtxhost::GuiItem name = *item("Name");
    mouseOn(name, true);
    host.frame();
    mouseOn(name, false);
    host.frame();
    EXPECT_EQ(host.guiActiveId(), name.id);
    host.typeText("é!"); // UTF-8, after the field's "Ann"
    host.frame();
    vtxhost::devices().setKey(0x0D, true); // Enter
    host.frame();
    vtxhost::devices().setKey(0x0D, false);
    host.frame();
    EXPECT_EQ(logCount(host, "fx name Ann\xc3\xa9!"), 1);
    EXPECT_EQ(host.guiActiveId(), 0u);
    hosttest::releaseKey(0x0D);
}

// Closing a window between frames runs a Dear ImGui frame of its own, which
// clears the context's draw data; the last frame's picture must stay.
TEST_F(Gui, TheLastFramesDrawDataOutlivesAWindowOperationBetweenFrames) {
    const ImDrawData* drawn = host.guiDrawData();
    ASSERT_NE(drawn, nullptr);
    const int vertices = drawn->TotalVtxCount;
    EXPECT_GT(vertices, 0);

    host.executeCommand("closemenu fx_menu");
    ASSERT_NE(host.guiDrawData(), nullptr);
    EXPECT_EQ(host.guiDrawData()->TotalVtxCount, vertices);

    host.frame(); // without the window
    ASSERT_NE(host.guiDrawData(), nullptr);
    EXPECT_LT(host.guiDrawData()->TotalVtxCount, vertices);
}

TEST_F(Gui, AnItemOutOfViewIsScrolledIntoViewOnRequest) {
    const vtxhost::GuiItem lastRow = *item("Row 11");
    ASSERT_TRUE(lastRow.visible.empty());
    EXPECT_TRUE(host.scrollToGuiItem(lastRow));
    host.frame();
    ASSERT_NE(item("Row 11"), nullptr);
    EXPECT_FALSE(item("Row 11")->visible.empty());
}

} // namespace
