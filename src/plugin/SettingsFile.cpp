#include "plugin/SettingsFile.h"

#include <string_view>

#include "bakkesmod/wrappers/GameWrapper.h"
#include "core/Catalogue.h"
#include "core/DataFolder.h"
#include "core/KeyValueLines.h"
#include "core/Log.h"
#include "core/Paths.h"
#include "core/SettingsText.h"
#include "core/TextFile.h"

namespace vtx {

namespace {

// The menu always starts at its default font scale, whatever a file says.
constexpr const CvarSpec& kFontScale = cvar::kUiFontScale;

std::string settingsText(CVarManagerWrapper& cvars) {
    std::string text;
    for (const CvarSpec* key : kSettingsFile) {
        CVarWrapper cvar = getCvar(cvars, *key);
        if (cvar) {
            text += keyValueLine(key->name, cvar.getStringValue());
        }
    }
    return text;
}

void applySettings(CVarManagerWrapper& cvars, std::string_view text) {
    for (const SettingLine& line : parseSettingsText(text)) {
        CVarWrapper cvar = cvars.getCvar(std::string(line.key));
        if (!cvar) {
            continue;
        }
        cvar.setValue(std::string(line.key == kFontScale.name ? kFontScale.defaultValue : line.value));
    }
}

void save(GameWrapper& game, const std::shared_ptr<CVarManagerWrapper>& cvars) {
    std::string error;
    const std::filesystem::path path = settingsPath(game, error);
    if (path.empty()) {
        logLine(cvars, "Could not save settings: " + error);
        return;
    }
    const FileResult written = writeTextFile(path, settingsText(*cvars));
    if (!written.ok()) {
        logLine(cvars, "Could not save settings: " + written.error);
        return;
    }
    logLine(cvars, "Saved settings to: " + utf8FromPath(path));
}

void load(GameWrapper& game, const std::shared_ptr<CVarManagerWrapper>& cvars) {
    std::string error;
    const std::filesystem::path path = settingsPath(game, error);
    if (path.empty()) {
        logLine(cvars, "Could not load settings: " + error);
        return;
    }
    std::string text;
    const FileResult read = readTextFile(path, text);
    if (read.status == FileResult::Status::Missing) {
        logLine(cvars, "No saved settings file: " + utf8FromPath(path));
        return;
    }
    if (!read.ok()) {
        logLine(cvars, "Could not load settings: " + read.error);
        return;
    }
    applySettings(*cvars, text);
    logLine(cvars, "Loaded settings from: " + utf8FromPath(path));
}

} // namespace

std::filesystem::path settingsPath(GameWrapper& game, std::string& error) {
    return vantrixDataFile(game, "vtx_saved_settings.ini", error);
}

void saveSettings(const std::shared_ptr<GameWrapper>& game, const std::shared_ptr<CVarManagerWrapper>& cvars) {
    if (!game || !cvars) {
        return;
    }
    try {
        save(*game, cvars);
    } catch (...) {
        logLine(cvars, "Could not save settings: out of memory");
    }
}

void loadSettings(const std::shared_ptr<GameWrapper>& game, const std::shared_ptr<CVarManagerWrapper>& cvars,
                  SettingsFileState& state) {
    if (!game || !cvars) {
        return;
    }
    SettingsLoadingScope loading(state);
    try {
        load(*game, cvars);
    } catch (...) {
        logLine(cvars, "Could not load settings: out of memory");
    }
}

void autosaveSettings(const std::shared_ptr<GameWrapper>& game, const std::shared_ptr<CVarManagerWrapper>& cvars,
                      const SettingsFileState& state) {
    if (!game || !cvars || !state.autosaveAllowed()) {
        return;
    }
    saveSettings(game, cvars);
    try {
        cvars->executeCommand("writepluginsconfig", true);
    } catch (...) {
        // Out of memory for the command text: the host's configuration waits for the next save.
    }
}

void attachSettingsAutosave(HostView host, SettingsFileState& state) {
    state.setReady(false);
    for (const CvarSpec* key : kSettingsFile) {
        CVarWrapper cvar = getCvar(*host.cvars, *key);
        if (cvar) {
            cvar.addOnValueChanged(
                [host, &state](std::string, CVarWrapper) { autosaveSettings(host.game, host.cvars, state); });
        }
    }
}

void scheduleStartupSettingsLoad(HostView host, SettingsFileState& state, SkinLibrary& skins) {
    if (getCvar(*host.cvars, cvar::kLoadSavedSettings).getIntValue() == 0) {
        return;
    }
    host.game->SetTimeout(
        [host, &state, &skins](GameWrapper*) {
            loadSettings(host.game, host.cvars, state);
            skins.reloadPictures();
            state.setReady(true);
            saveSettings(host.game, host.cvars);
        },
        1.0f);
}

} // namespace vtx
