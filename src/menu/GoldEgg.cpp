#include "menu/GoldEgg.h"

#include <imgui.h>

namespace vtx {

namespace {
// Mixed into the seed when the egg appears, so two processes started in the
// same tick still differ from a plain clock reading.
constexpr std::uint32_t kSeedStir = 0x5EEDC0DEu;

constexpr float kEggRadius = 26.0f;
constexpr float kBannerWidth = 180.0f;
constexpr float kBannerHeight = 52.0f;

void resetShake(ShakeState& shake) {
    shake.tracking = false;
    shake.reversals = 0;
    shake.direction = 0;
}

void drawEggBody(ImDrawList& draw, const ImVec2& c, int stage) {
    draw.AddCircleFilled(c, kEggRadius, IM_COL32(255, 205, 0, 255), 32);
    draw.AddCircle(c, kEggRadius, IM_COL32(30, 20, 0, 255), 32, 2.0f);
    draw.AddCircleFilled(ImVec2(c.x - 8, c.y - 10), 8.0f, IM_COL32(255, 235, 120, 180), 24);
    if (stage == kEggCracked || stage == kEggHatched) {
        const ImVec2 crack[] = {ImVec2(c.x - 18.2f, c.y), ImVec2(c.x - 5.2f, c.y - 6), ImVec2(c.x + 2.6f, c.y + 4),
                                ImVec2(c.x + 15.6f, c.y - 2)};
        draw.AddPolyline(crack, 4, IM_COL32(60, 40, 0, 255), 0, 2.0f);
    }
}

void drawBanner(ImDrawList& draw, const ImVec2& topLeft, const char* text) {
    const ImVec2 bottomRight(topLeft.x + kBannerWidth, topLeft.y + kBannerHeight);
    draw.AddRectFilled(topLeft, bottomRight, IM_COL32(0, 0, 0, 120), 10.0f, ImDrawCornerFlags_All);
    draw.AddRect(topLeft, bottomRight, IM_COL32(255, 205, 0, 200), 10.0f, ImDrawCornerFlags_All, 2.0f);
    const ImVec2 size = ImGui::CalcTextSize(text);
    const ImVec2 at(topLeft.x + (kBannerWidth - static_cast<float>(static_cast<int>(size.x + 0.95f))) * 0.5f,
                    topLeft.y + (kBannerHeight - size.y) * 0.5f);
    draw.AddText(ImVec2(at.x + 1, at.y + 1), IM_COL32(0, 0, 0, 255), text);
    draw.AddText(at, IM_COL32(255, 205, 0, 255), text);
}
} // namespace

bool trackShake(ShakeState& shake, GoldEgg& egg, bool inside, bool leftHeld, float mouseX, float time,
                std::int64_t steadyNs, std::uint32_t tick) {
    if (!shake.enabled || egg.stage != kEggHidden)
        return false;
    if (!inside || !leftHeld) {
        resetShake(shake);
        return false;
    }
    if (!shake.tracking) {
        shake.tracking = true;
        shake.lastTime = time;
        shake.lastX = mouseX;
        return false;
    }
    const float elapsed = time - shake.lastTime;
    if (elapsed < 0.0001f)
        return false;
    const float velocity = (mouseX - shake.lastX) / elapsed;
    const int direction = velocity > kShakeSpeed ? 1 : velocity < -kShakeSpeed ? -1 : 0;
    if (direction != 0) {
        if (shake.direction != 0 && shake.direction != direction)
            shake.reversals += 1;
        shake.direction = direction;
    }
    shake.lastTime = time;
    shake.lastX = mouseX;
    if (shake.reversals <= 2)
        return false;
    shake.reversals = 0;
    shake.direction = 0;
    const auto reading = static_cast<std::uint64_t>(steadyNs);
    egg.seed = static_cast<std::uint32_t>(reading >> 32) ^ egg.seed ^ static_cast<std::uint32_t>(reading) ^ kSeedStir;
    egg.seed ^= tick;
    egg.stage = kEggWhole;
    egg.clicks = 0;
    egg.revealed = false;
    return true;
}

void clickEgg(GoldEgg& egg, ShakeState& shake) {
    if (egg.stage != kEggWhole && egg.stage != kEggCracked)
        return;
    egg.clicks += 1;
    if (egg.clicks < kHatchClicks) {
        egg.stage = egg.clicks < kCrackClicks ? kEggWhole : kEggCracked;
        return;
    }
    egg.stage = kEggHatched;
    if (!egg.revealed) {
        egg.seed = egg.seed * 389569705u + 0x47502932u;
        egg.revealed = true;
        shake.enabled = false;
        egg.message = static_cast<int>(egg.seed % 3u);
    }
}

const char* eggMessageText(int message) {
    switch (message) {
    case 0:
        return "What A Save";
    case 1:
        return "Faking";
    default:
        return "GG";
    }
}

void drawGoldEgg(EggState& state, float x, float y, float /*w*/, float h) {
    GoldEgg& goldEgg = state.egg;
    if (goldEgg.stage == kEggHidden)
        return;
    const ImVec2 c(x + 62, y + h - 72);
    ImGui::SetCursorScreenPos(ImVec2(c.x - 26, c.y - 32));
    ImGui::InvisibleButton("##vtx_gold_egg", ImVec2(52, 64));
    if (ImGui::IsItemHovered() && ImGui::GetIO().MouseDownDuration[0] == 0.0f)
        clickEgg(goldEgg, state.shake);

    ImDrawList& draw = *ImGui::GetWindowDrawList();
    drawEggBody(draw, c, goldEgg.stage);
    if (goldEgg.stage == kEggHatched && goldEgg.revealed)
        drawBanner(draw, ImVec2(x + 18, y + h - 150), eggMessageText(goldEgg.message));
}

} // namespace vtx
