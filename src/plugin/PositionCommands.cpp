#include "plugin/PositionCommands.h"

#include "bakkesmod/wrappers/GameWrapper.h"
#include "core/Catalogue.h"
#include "core/Log.h"
#include "core/PositionFile.h"

namespace vtx {

namespace {

// Written in place of an x of 0 or less.
constexpr float kOffscreenX = -200.0f;

OverlayPosition consolePosition(CVarManagerWrapper& cvars) {
    return {getCvar(cvars, cvar::kX).getFloatValue(), getCvar(cvars, cvar::kY).getFloatValue(),
            getCvar(cvars, cvar::kScale).getFloatValue()};
}

void setConsolePosition(CVarManagerWrapper& cvars, const OverlayPosition& position) {
    getCvar(cvars, cvar::kX).setValue(position.x);
    getCvar(cvars, cvar::kY).setValue(position.y);
    getCvar(cvars, cvar::kScale).setValue(position.scale);
}

FileResult noGame() { return FileResult{FileResult::Status::Failed, "the host gave no game wrapper"}; }

// Reads the file over the console's position and applies it; the result
// says whether there was one.
FileResult applySavedPosition(HostView host) {
    if (!host.game) {
        return noGame();
    }
    OverlayPosition position = consolePosition(*host.cvars);
    FileResult read = readPositionFile(*host.game, position);
    if (read.ok()) {
        setConsolePosition(*host.cvars, position);
        logLine(host.cvars, "loaded saved overlay position");
    }
    return read;
}

} // namespace

void savePosition(HostView host) {
    OverlayPosition position = consolePosition(*host.cvars);
    if (position.x <= 0) {
        position.x = kOffscreenX;
    }
    const FileResult written = host.game ? writePositionFile(*host.game, position) : noGame();
    logLine(host.cvars,
            written.ok() ? std::string("saved overlay position") : "could not save overlay position: " + written.error);
}

void loadPosition(HostView host) {
    const FileResult read = applySavedPosition(host);
    if (read.status == FileResult::Status::Missing) {
        logLine(host.cvars, "no saved position found");
    } else if (!read.ok()) {
        logLine(host.cvars, "could not load saved overlay position: " + read.error);
    }
}

void loadSavedPositionAtStart(HostView host) {
    if (getCvar(*host.cvars, cvar::kLoadSaved).getIntValue() == 0) {
        return;
    }
    try {
        const FileResult read = applySavedPosition(host);
        if (read.status == FileResult::Status::Failed) {
            logLine(host.cvars, "could not load saved overlay position: " + read.error);
        }
    } catch (...) {
        // Out of memory during start-up: the position stays as the console has it.
    }
}

void printPosition(HostView host) {
    const OverlayPosition position = consolePosition(*host.cvars);
    logLine(host.cvars, "x=" + formatSixDecimals(position.x) + " y=" + formatSixDecimals(position.y) +
                            " scale=" + formatSixDecimals(position.scale));
}

} // namespace vtx
