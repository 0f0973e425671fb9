#include "overlay/Visibility.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "Vantrix.h"
#include "core/Log.h"
#include "core/MatchPhase.h"

namespace vtx {

namespace {

constexpr std::int64_t kDebugLogSpacingNs = 501'000'000;
constexpr float kInvisibleAlpha = 0.01f;

std::optional<std::int64_t> lastDebugLogTime;
std::optional<std::int64_t> lastFrameTime;

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

bool passModeGate(Vantrix& plugin) {
    const CvarHandles& cvars = plugin.settings();
    GameWrapper* game = plugin.gameWrapper.get();
    bool modeOk = game && game->IsInOnlineGame();
    if (!modeOk && cvars.showFreeplayWorkshop.on()) {
        modeOk = freeplayOrWorkshop(game);
    }
    if (cvars.onlineOnly.on() && !modeOk) {
        clearMatchPhase(plugin);
        return false;
    }
    return true;
}

bool decideHide(Vantrix& plugin) {
    const CvarHandles& cvars = plugin.settings();
    GameWrapper* game = plugin.gameWrapper.get();
    bool hide = false;
    if (cvars.requireLocalCar.on()) {
        hide = !(game && game->GetLocalCar());
    }
    if (cvars.hideInMenus.on() && game && game->IsPaused()) {
        hide = true;
    }
    if (!hide && cvars.hideReplays.on() && plugin.inReplay) {
        hide = true;
    }
    if (!hide && cvars.hidePostgame.on() && plugin.inPostGame) {
        hide = true;
    }
    return hide;
}

void logDebugState(Vantrix& plugin, bool hide, std::int64_t nowNs) {
    if (!plugin.settings().debugState.on()) {
        return;
    }
    if (!lastDebugLogTime) {
        lastDebugLogTime = nowNs;
    }
    if (nowNs - *lastDebugLogTime < kDebugLogSpacingNs) {
        return;
    }
    lastDebugLogTime = nowNs;
    logLine(plugin.cvarManager, "inReplay=" + std::to_string(int{plugin.inReplay}) + " inPostGame=" +
                                    std::to_string(int{plugin.inPostGame}) + " hide=" + std::to_string(int{hide}));
}

float frameSeconds(std::int64_t nowNs) {
    const std::int64_t previous = lastFrameTime.value_or(nowNs);
    lastFrameTime = nowNs;
    return static_cast<float>(nowNs - previous) / 1e9f;
}

float fadeRate(float fadeMs) {
    const float ms = std::isnan(fadeMs) ? 50.0f : std::clamp(fadeMs, 50.0f, 1000.0f);
    return 1.0f / (ms / 1000.0f);
}

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

Fade& processFade() {
    static Fade fade;
    return fade;
}

bool applyFade(Vantrix& plugin, bool hide, float dtSeconds) {
    const CvarHandles& cvars = plugin.settings();
    if (!cvars.fadeEnable.on()) {
        // Without the fade the hide rules give way in freeplay and on workshop maps.
        if (hide && !freeplayOrWorkshop(plugin.gameWrapper.get())) {
            return false;
        }
        plugin.fade().show();
        return true;
    }
    const float rate = fadeRate(cvars.fadeMs.asFloat());
    plugin.fade().step(hide ? 0.0f : 1.0f, rate * dtSeconds);
    return plugin.fade().alpha() > kInvisibleAlpha;
}

} // namespace vtx
