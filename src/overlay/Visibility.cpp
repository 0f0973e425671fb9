#include "overlay/Visibility.h"

#include <algorithm>
#include <optional>
#include <string>

#include "bakkesmod/wrappers/GameWrapper.h"

namespace vtx {

namespace {

constexpr std::int64_t kDebugLogSpacingNs = 501'000'000;
constexpr float kInvisibleAlpha = 0.01f;

char asciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool freeplayOrWorkshop(GameWrapper* game) { return game && (game->IsInFreeplay() || isWorkshopMap(game)); }

} // namespace

bool isWorkshopMapName(std::string_view map) {
    constexpr std::string_view word = "workshop";
    const auto hit = std::search(map.begin(), map.end(), word.begin(), word.end(),
                                 [](char a, char b) { return asciiLower(a) == b; });
    return hit != map.end();
}

bool isWorkshopMap(GameWrapper* game) { return game && isWorkshopMapName(game->GetCurrentMap()); }

bool passModeGate(GameWrapper* game, const SettingsSnapshot& settings, MatchPhase& phase) {
    bool modeOk = game && game->IsInOnlineGame();
    if (!modeOk && settings.on(cvar::kShowFreeplayWorkshop)) {
        modeOk = freeplayOrWorkshop(game);
    }
    if (settings.on(cvar::kOnlineOnly) && !modeOk) {
        phase.clear();
        return false;
    }
    return true;
}

bool decideHide(GameWrapper* game, const SettingsSnapshot& settings, PhaseView phase) {
    bool hide = false;
    if (settings.on(cvar::kRequireLocalCar)) {
        hide = !(game && game->GetLocalCar());
    }
    if (settings.on(cvar::kHideInMenus) && game && game->IsPaused()) {
        hide = true;
    }
    if (!hide && settings.on(cvar::kHideReplays) && phase.inReplay) {
        hide = true;
    }
    if (!hide && settings.on(cvar::kHidePostgame) && phase.inPostGame) {
        hide = true;
    }
    return hide;
}

bool DebugLogPacer::due(std::int64_t nowNs) {
    if (!last_) {
        last_ = nowNs;
    }
    if (nowNs - *last_ < kDebugLogSpacingNs) {
        return false;
    }
    last_ = nowNs;
    return true;
}

float FrameClock::secondsSincePrevious(std::int64_t nowNs) {
    const std::int64_t previous = previous_.value_or(nowNs);
    previous_ = nowNs;
    return static_cast<float>(nowNs - previous) / 1e9f;
}

float fadeRate(float fadeMs) { return 1.0f / (withinUseLimits(cvar::kFadeMs, fadeMs) / 1000.0f); }

float stepFade(float alpha, float target, float step) {
    if (alpha < target) {
        return std::min(1.0f, alpha + step);
    }
    if (alpha > target) {
        return std::max(0.0f, alpha - step);
    }
    return alpha;
}

void Fade::step(float target, float step) { value = stepFade(value, target, step); }

bool applyFade(GameWrapper* game, const SettingsSnapshot& settings, Fade& fade, bool hide, float dtSeconds) {
    if (!settings.on(cvar::kFadeEnable)) {
        // Without the fade the hide rules give way in freeplay and on workshop maps.
        if (hide && !freeplayOrWorkshop(game)) {
            return false;
        }
        fade.show();
        return true;
    }
    const float rate = fadeRate(settings.number(cvar::kFadeMs));
    fade.step(hide ? 0.0f : 1.0f, rate * dtSeconds);
    return fade.alpha() > kInvisibleAlpha;
}

} // namespace vtx
