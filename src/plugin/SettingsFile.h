#pragma once
// vtx_saved_settings.ini: the plugin's own copy of its main settings, saved
// whenever one of them changes, on command and once after start-up, and read
// one second after load and on command.
#include <atomic>
#include <filesystem>
#include <memory>
#include <string>

#include "core/HostView.h"
#include "overlay/Skins.h"

class CVarManagerWrapper;
class GameWrapper;

namespace vtx {

// When the plugin's autosave may write: only once the deferred start-up
// load has run (ready) and never while loadSettings applies the file
// (loading). Each plugin object has its own. A load started from the menu may
// run on the window's thread while the game's changes autosave, so both
// flags are atomic and loads are counted, not flagged.
class SettingsFileState {
public:
    bool autosaveAllowed() const { return ready.load() && loads.load() == 0; }
    void setReady(bool value) { ready.store(value); }
    bool isLoading() const { return loads.load() != 0; }

private:
    friend class SettingsLoadingScope;
    std::atomic<bool> ready{false};
    std::atomic<int> loads{0};
};

// Marks `state` loading for its own lifetime, however the load ends.
class SettingsLoadingScope {
public:
    explicit SettingsLoadingScope(SettingsFileState& owner) : state(owner) { ++state.loads; }
    ~SettingsLoadingScope() { --state.loads; }
    SettingsLoadingScope(const SettingsLoadingScope&) = delete;
    SettingsLoadingScope& operator=(const SettingsLoadingScope&) = delete;

private:
    SettingsFileState& state;
};

// <data folder>/Vantrix/vtx_saved_settings.ini, creating the folder. Empty
// with the reason in `error` when that fails.
std::filesystem::path settingsPath(GameWrapper& game, std::string& error);

// Each of these does nothing without either handle, and logs one line.
// Writes every existing variable of the file's key list as name=value.
void saveSettings(const std::shared_ptr<GameWrapper>& game, const std::shared_ptr<CVarManagerWrapper>& cvars);
// Sets every existing console variable that the file names (in file order;
// the menu font scale always to 1.25), with `state` loading meanwhile.
void loadSettings(const std::shared_ptr<GameWrapper>& game, const std::shared_ptr<CVarManagerWrapper>& cvars,
                  SettingsFileState& state);
// The change handler of the key-list variables: saves the file and the host's
// plugin configuration, when `state` allows autosave.
void autosaveSettings(const std::shared_ptr<GameWrapper>& game, const std::shared_ptr<CVarManagerWrapper>& cvars,
                      const SettingsFileState& state);

// Start-up: withdraws the plugin's autosave permission and attaches autosaveSettings to each
// key-list variable that exists.
void attachSettingsAutosave(HostView host, SettingsFileState& state);
// Start-up, when vtx_load_saved_settings is on: one second later load the
// file, reload the skin pictures, allow autosave and write the file back.
void scheduleStartupSettingsLoad(HostView host, SettingsFileState& state, SkinLibrary& skins);

} // namespace vtx
