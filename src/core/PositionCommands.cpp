#include "core/PositionCommands.h"

#include "Vantrix.h"
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
FileResult applySavedPosition(Vantrix& plugin) {
    if (!plugin.gameWrapper) {
        return noGame();
    }
    OverlayPosition position = consolePosition(*plugin.cvarManager);
    FileResult read = readPositionFile(*plugin.gameWrapper, position);
    if (read.ok()) {
        setConsolePosition(*plugin.cvarManager, position);
        logLine(plugin.cvarManager, "loaded saved overlay position");
    }
    return read;
}

} // namespace

void savePosition(Vantrix& plugin) {
    OverlayPosition position = consolePosition(*plugin.cvarManager);
    if (position.x <= 0) {
        position.x = kOffscreenX;
    }
    const FileResult written = plugin.gameWrapper ? writePositionFile(*plugin.gameWrapper, position) : noGame();
    logLine(plugin.cvarManager,
            written.ok() ? std::string("saved overlay position") : "could not save overlay position: " + written.error);
}

void loadPosition(Vantrix& plugin) {
    const FileResult read = applySavedPosition(plugin);
    if (read.status == FileResult::Status::Missing) {
        logLine(plugin.cvarManager, "no saved position found");
    } else if (!read.ok()) {
        logLine(plugin.cvarManager, "could not load saved overlay position: " + read.error);
    }
}

void loadSavedPositionAtStart(Vantrix& plugin) {
    if (getCvar(*plugin.cvarManager, cvar::kLoadSaved).getIntValue() == 0) {
        return;
    }
    try {
        const FileResult read = applySavedPosition(plugin);
        if (read.status == FileResult::Status::Failed) {
            logLine(plugin.cvarManager, "could not load saved overlay position: " + read.error);
        }
    } catch (...) {
        // Out of memory during start-up: the position stays as the console has it.
    }
}

void printPosition(Vantrix& plugin) {
    const OverlayPosition position = consolePosition(*plugin.cvarManager);
    logLine(plugin.cvarManager, "x=" + formatSixDecimals(position.x) + " y=" + formatSixDecimals(position.y) +
                                    " scale=" + formatSixDecimals(position.scale));
}

} // namespace vtx
