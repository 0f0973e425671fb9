#pragma once
// The sidebar's hidden gold egg: shaking the menu by its top bar shows it,
// 30 clicks crack it and 60 hatch one of three messages. The shake and the
// clicks are plain functions over their state; drawGoldEgg draws.
#include <cstdint>

namespace vtx {

struct ShakeState {
    bool enabled = true; // false for good once the egg has hatched
    bool tracking = false;
    float lastTime = 0;
    float lastX = 0;
    int direction = 0; // -1 left, +1 right, 0 none
    int reversals = 0;
};

enum EggStage { kEggHidden = 0, kEggWhole = 1, kEggCracked = 2, kEggHatched = 3 };

struct GoldEgg {
    int stage = kEggHidden;
    int clicks = 0;
    bool revealed = false;
    int message = 2;
    std::uint32_t seed = 0xA3C59AC3u;
};

struct EggState {
    ShakeState shake;
    GoldEgg egg;
};

inline constexpr float kShakeSpeed = 600.0f; // pixels per second
inline constexpr int kCrackClicks = 30;
inline constexpr int kHatchClicks = 60;

// One frame of the top bar's shake detection. `inside` tells whether the
// mouse is over the top bar; `steadyNs` and `tick` stir the seed when the egg
// appears. True in the frame the egg appears.
bool trackShake(ShakeState& shake, GoldEgg& egg, bool inside, bool leftHeld, float mouseX, float time,
                std::int64_t steadyNs, std::uint32_t tick);

// A click on the egg: counts, cracks and hatches; hatching chooses the message once.
void clickEgg(GoldEgg& egg, ShakeState& shake);

// "What A Save", "Faking" or "GG".
const char* eggMessageText(int message);

// Draws the egg near the bottom of the sidebar at (x, y) of size (w, h) and
// takes its clicks.
void drawGoldEgg(EggState& state, float x, float y, float w, float h);

} // namespace vtx
