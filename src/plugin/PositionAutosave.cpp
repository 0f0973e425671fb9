#include "plugin/PositionAutosave.h"

#include <cmath>

#include "core/Catalogue.h"
#include "core/Log.h"
#include "core/PositionFile.h"
#include "platform/Platform.h"

namespace vtx {

namespace {

constexpr float kMoveThreshold = 0.01f;
constexpr float kScaleThreshold = 0.0005f;
constexpr std::int64_t kSpacingNs = 251'000'000;

bool moved(const OverlayPosition& now, const OverlayPosition& saved) {
    return std::fabs(now.x - saved.x) > kMoveThreshold || std::fabs(now.y - saved.y) > kMoveThreshold ||
           std::fabs(now.scale - saved.scale) > kScaleThreshold;
}

void autosaveStep(HostView host, const SettingsSnapshot& settings, PositionAutosaveMemory& memory) {
    if (!settings.on(cvar::kAutosave)) {
        return;
    }
    const std::int64_t now = platform::steadyNowNs();
    if (!memory.started) {
        memory.started = true;
        memory.lastSaveNs = now;
    }
    const OverlayPosition position{settings.stored(cvar::kX), settings.stored(cvar::kY), settings.stored(cvar::kScale)};
    if (!moved(position, memory.lastSaved) || now - memory.lastSaveNs < kSpacingNs) {
        return;
    }
    const FileResult written = writePositionFile(*host.game, position);
    // Remembered either way: a folder that cannot be written is not retried every frame.
    memory.lastSaveNs = now;
    memory.lastSaved = position;
    if (!written.ok() && !memory.failing) {
        logLine(host.cvars, "could not autosave overlay position: " + written.error);
    }
    memory.failing = !written.ok();
}

} // namespace

void autosavePosition(HostView host, const SettingsSnapshot& settings, PositionAutosaveMemory& memory) {
    if (!host.cvars || !host.game) {
        return;
    }
    try {
        autosaveStep(host, settings, memory);
    } catch (...) {
        // Out of memory inside the frame: the next frame tries again.
    }
}

} // namespace vtx
