// Patreon: a page of thanks to the plugin's supporters and testers. Every
// name on it is invented for this project.
#include <imgui.h>

#include "menu/MenuContext.h"
#include "menu/Tabs.h"
#include "menu/Widgets.h"

namespace vtx {

namespace {
constexpr const char* kCommunity = "Turbo Teapot Collective";
constexpr const char* kHelper = "Orwin Plimwhistle";
constexpr const char* kHelperPlugin = "Kickoff Kaleidoscope";
constexpr const char* kTesters[] = {"Bramblewick", "Nimbus Otterly", "Quasar Moth",  "Pip Sprocketson", "Velvet Piston",
                                    "Copper Wisp", "Saffron Kite",   "Lumen Crabbe", "Tindle Foxglove"};

constexpr const char* kThanks[] = {
    "What started as just a concept in my head has become a fully realized, working plugin thanks to your support.",
    "Whether you backed this project on day one, offered feedback during the beta, or simply cheered me on, you "
    "made this possible.",
    "Your belief in this project gave me the motivation to push through the bugs and the long nights of coding.",
    "Thank you for investing in me and this project.",
    "I can't wait to see how you use Vantrix to streamline your workflow, coaching, progression, or create amazing "
    "content!",
    "Let's keep building!",
};

// Plain text, a bold name and plain text on one line, with no spacing
// between. A line wider than the page would run past its right edge (text
// after a same-line item does not wrap back to the left), so the name and the
// rest then start a line of their own below the wrapped first part.
void lineWithName(float wrapWidth, const char* before, const char* name, const char* after) {
    const float width = ImGui::CalcTextSize(before).x + ImGui::CalcTextSize(name).x + ImGui::CalcTextSize(after).x;
    if (width <= wrapWidth) {
        ImGui::TextUnformatted(before);
        ImGui::SameLine(0.0f, 0.0f);
    } else {
        ImGui::TextWrapped("%s", before);
    }
    boldText(name);
    ImGui::SameLine(0.0f, 0.0f);
    ImGui::TextUnformatted(after);
}
} // namespace

void drawPatreonTab(const MenuContext& menu) {
    CreditsWrap& wrap = menu.state.credits;
    ImGui::TextUnformatted("Patreon");
    ImGui::Separator();
    if (!wrap.ready) {
        wrap.width = ImGui::GetContentRegionAvail().x;
        wrap.ready = true;
    }
    const float creditsWrapWidth = wrap.width;
    ImGui::PushTextWrapPos(ImGui::GetCursorPosX() + creditsWrapWidth);
    ImGui::TextWrapped("I am incredibly excited to announce that Vantrix is officially released!");
    ImGui::NewLine();
    lineWithName(creditsWrapWidth, "I wanted to dedicate this milestone to all of you and the ", kCommunity,
                 " community.");
    for (const char* paragraph : kThanks)
        ImGui::TextWrapped("%s", paragraph);
    ImGui::NewLine();
    lineWithName(creditsWrapWidth, "Huge thanks to ", kHelper, " for helping with this project!");
    ImGui::TextWrapped("His role allowed this plugin to be approved and available to the coummunity!");
    lineWithName(creditsWrapWidth, "Please check out his plugin ", kHelperPlugin,
                 " on BakkesMod website as it's an amazing plugin.");
    ImGui::NewLine();
    boldText("Alpha Testers");
    ImGui::NewLine();
    for (const char* tester : kTesters)
        boldText(tester);
    ImGui::PopTextWrapPos();
}

} // namespace vtx
